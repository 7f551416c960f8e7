#include "logfiles/adif_file_saving.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace logvane {
namespace {

Failure cannotSave(const QString& path, const QString& reason)
{
    return {QStringLiteral("Could not save the ADI file \"%1\": %2. Nothing was saved, and any "
                           "older file of that name is unchanged.")
                .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

std::optional<QString> adifPathFor(const QString& inputPath)
{
    if (inputPath.size() < 3)
        return std::nullopt;
    return inputPath.chopped(3) + QStringLiteral("adi");
}

Result<QString> saveAdifFile(const QString& inputPath, std::string_view adifText)
{
    const std::optional<QString> path = adifPathFor(inputPath);
    if (!path)
        return Failure {QStringLiteral("There is no ADI file name for \"%1\": nothing was saved.")
                            .arg(QDir::toNativeSeparators(inputPath))};

    // QSaveFile writes a file of its own beside the target and renames it over the target on
    // commit, so no reader ever sees a half-written log.
    if (QFileInfo(*path).isDir())
        return Failure {QStringLiteral("Could not save the ADI file \"%1\": a folder of that name "
                                       "is in the way. Nothing was saved.")
                            .arg(QDir::toNativeSeparators(*path))};
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotSave(*path, file.errorString());
    const auto size = static_cast<qint64>(adifText.size());
    if (file.write(adifText.data(), size) != size || file.write("\r\n", 2) != 2 || !file.commit())
        return cannotSave(*path, file.errorString());
    return *path;
}

} // namespace logvane
