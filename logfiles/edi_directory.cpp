#include "logfiles/edi_directory.h"

#include "logfiles/system_file.h"

#include <QCoreApplication>

#include <algorithm>

namespace logvane {

namespace fs = std::filesystem;

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Folder)
};

} // namespace

bool isEdiFileName(const fs::path& name)
{
    const fs::path file = name.filename();
    const auto& bytes = file.native();
    if (bytes.size() < 4)
        return false;
    const auto lower = [](auto c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::equal(bytes.end() - 4, bytes.end(), ".edi",
        [&lower](auto stored, char wanted) { return lower(stored) == wanted; });
}

Result<fs::path> ediFileNamed(const fs::path& name)
{
    if (!isEdiFileName(name))
        return Failure {Text::tr("\"%1\" is not an EDI file: only files whose names end in .edi "
                                 "are converted, each to the file of the same name ending in "
                                 ".adi. Nothing was written.")
                            .arg(shownPath(name))};
    std::error_code error;
    fs::path path = fs::absolute(name, error);
    if (error)
        return Failure {Text::tr("Could not find the EDI file \"%1\": %2. Nothing was written.")
                            .arg(shownPath(name), QString::fromStdString(error.message()))};
    return path;
}

Result<std::vector<fs::path>> ediFileNames(const fs::path& directory)
{
    std::vector<fs::path> names;
    std::error_code error;
    for (fs::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        fs::path name = entry->path().filename();
        std::error_code statusError; // a dangling link is no file, and no failure either
        if (name.native().starts_with('.') || !isEdiFileName(name)
            || !entry->is_regular_file(statusError))
            continue;
        names.push_back(std::move(name));
    }
    if (error)
        return Failure {Text::tr("Could not list the EDI files of the folder \"%1\": %2.")
                            .arg(shownPath(directory), QString::fromStdString(error.message()))};

    std::vector<std::pair<QString, fs::path>> shown;
    shown.reserve(names.size());
    for (fs::path& name : names)
        shown.emplace_back(shownPath(name), std::move(name));
    std::sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) {
        const int folded = a.first.compare(b.first, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.second.native() < b.second.native();
    });
    names.clear();
    for (auto& [text, name] : shown)
        names.push_back(std::move(name));
    return names;
}

} // namespace logvane
