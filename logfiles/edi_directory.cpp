#include "logfiles/edi_directory.h"

#include <QFile>

#include <algorithm>
#include <filesystem>
#include <type_traits>

namespace logvane {
namespace {

namespace fs = std::filesystem;

// A file name as the system stores it: bytes on Linux, UTF-16 on Windows.
EdiFileName nameOf(const fs::path& path)
{
    if constexpr (std::is_same_v<fs::path::value_type, char>) {
        const QByteArray stored = QByteArray::fromStdString(path.filename().native());
        const QString name = QFile::decodeName(stored);
        return {name, QFile::encodeName(name) == stored};
    } else {
        return {QString::fromStdWString(path.filename().wstring()), true};
    }
}

fs::path pathOf(const QString& directory)
{
    if constexpr (std::is_same_v<fs::path::value_type, char>)
        return QFile::encodeName(directory).toStdString();
    else
        return directory.toStdWString();
}

bool isHiddenOrNotEdi(const QString& name)
{
    return name.startsWith(u'.') || !name.endsWith(QStringLiteral(".edi"), Qt::CaseInsensitive);
}

} // namespace

QList<EdiFileName> ediFileNames(const QString& directory)
{
    // Qt's own directory listing leaves out names it cannot read, so the listing is the
    // standard library's, which hands over every name as it is stored.
    QList<EdiFileName> files;
    std::error_code error;
    for (fs::directory_iterator entry(pathOf(directory), error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        EdiFileName file = nameOf(entry->path());
        std::error_code statusError;
        if (isHiddenOrNotEdi(file.name) || !entry->is_regular_file(statusError))
            continue;
        files.append(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const EdiFileName& a, const EdiFileName& b) {
        const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
    return files;
}

} // namespace logvane
