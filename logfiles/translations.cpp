#include "logfiles/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace logvane {
namespace {

// Where the build puts the compiled translations: inside the program, so that a program copied
// beside a folder of logs still speaks the language.
const QString Folder = QStringLiteral(":/logvane/translations");

} // namespace

Translations::Translations(const QLocale& locale)
{
    if (!own_.load(locale, QStringLiteral("logvane"), QStringLiteral("_"), Folder))
        (void)own_.load(QStringLiteral("logvane_en"), Folder);
    (void)qt_.load(QLocale(language()), QStringLiteral("qtbase"), QStringLiteral("_"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString Translations::language() const
{
    return own_.language().section(u'_', 0, 0);
}

void Translations::install()
{
    QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&own_);
}

QString Translations::translate(const char* context, const char* source) const
{
    const QString translated = own_.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

} // namespace logvane
