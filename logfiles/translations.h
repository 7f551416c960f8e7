#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace logvane {

// The program's texts, and Qt's own (the text areas' context menu, OK and Cancel), in the user's
// language: the first of the languages of `locale`, as the user ranks them (LANGUAGE, then LANG),
// that the program speaks; English for any other. English has a translation too, for its plural
// forms ("1 contact", "2 contacts"). Loaded before the application object exists, so that the
// display guard can speak the language; installed once it does. It must outlive the application
// object.
class Translations
{
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "de", "cs" ... or "en".
    QString language() const;
    // Makes them the application's; a missing translation of Qt's changes nothing else.
    void install();
    // A text of the program in the language, where no application object exists yet.
    QString translate(const char* context, const char* source) const;

private:
    QTranslator own_;
    QTranslator qt_;
};

} // namespace logvane
