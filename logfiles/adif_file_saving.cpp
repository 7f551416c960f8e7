#include "logfiles/adif_file_saving.h"

#include "logfiles/code_page.h"

#include <QSaveFile>

namespace logvane {
namespace {

QString cannotSave(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not save the ADI file \"%1\": %2. Any older file of that "
                          "name is unchanged.")
        .arg(path, reason);
}

} // namespace

std::optional<QString> adifPathFor(const QString& inputPath)
{
    if (inputPath.size() < 3)
        return std::nullopt;
    return inputPath.chopped(3) + QStringLiteral("adi");
}

bool saveAdifFile(const QString& inputPath, const QString& adifText, const Notify& notify)
{
    const std::optional<QString> path = adifPathFor(inputPath);
    if (!path) {
        notify(MessageKind::Failure,
            QStringLiteral("There is no ADI file name for \"%1\": nothing was saved.")
                .arg(inputPath));
        return false;
    }
    const Result<std::string> bytes = codepage::encode(adifText, codepage::Source::AdifText);
    if (!bytes) {
        notify(MessageKind::Failure, bytes.error());
        return false;
    }

    // QSaveFile writes a file of its own beside the target and renames it over the target on
    // commit, so no reader ever sees a half-written log.
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly)) {
        notify(MessageKind::Failure, cannotSave(*path, file.errorString()));
        return false;
    }
    const auto size = static_cast<qint64>(bytes->size());
    if (file.write(bytes->data(), size) != size || file.write("\r\n", 2) != 2 || !file.commit()) {
        notify(MessageKind::Failure, cannotSave(*path, file.errorString()));
        return false;
    }
    notify(MessageKind::Confirmation, QStringLiteral("ADI file saved in ") + *path);
    return true;
}

} // namespace logvane
