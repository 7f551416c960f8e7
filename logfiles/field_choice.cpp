#include "logfiles/field_choice.h"

#include <QCoreApplication>
#include <QSettings>

namespace logvane {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(FieldChoice)
};

// The user's own settings file, whichever program object exists, or none.
QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("logvane"),
        QStringLiteral("logvane"));
}

} // namespace

FieldGroups storedFieldGroups()
{
    const QSettings settings = userSettings();
    if (settings.status() != QSettings::NoError)
        return {};
    const auto chosen = [&settings](const char* key) {
        return settings.value(QLatin1StringView(key)).toString() == u"true";
    };
    return {chosen("fields/contest"), chosen("fields/station")};
}

std::optional<Failure> storeFieldGroups(FieldGroups groups)
{
    QSettings settings = userSettings();
    settings.setValue(QStringLiteral("fields/contest"), groups.contest);
    settings.setValue(QStringLiteral("fields/station"), groups.station);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return std::nullopt;
    return Failure {Text::tr("Could not keep the choice of fields in \"%1\": the file or its "
                             "folder cannot be written. The choice holds until logvane ends.")
                        .arg(settings.fileName())};
}

} // namespace logvane
