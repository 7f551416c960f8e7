#include "logfiles/code_page.h"

#include <QCoreApplication>
#include <QStringDecoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace logvane::codepage {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CodePage)
};

} // namespace

CodePage::CodePage(int number)
    : number_(number)
    , bytes_(0x10000, -1)
{
    const QByteArray codec = name().toLatin1();
    for (int byte = 0; byte < 256; ++byte) {
        // A byte at a time, so that an unassigned one is told by its error alone.
        QStringDecoder decoder(codec.constData());
        const char encoded = static_cast<char>(byte);
        const QString decoded = decoder.decode(QByteArrayView(&encoded, 1));
        if (!decoder.isValid())
            qFatal("Qt offers no %s codec here (Qt built without ICU): logvane cannot read or "
                   "write log files without changing them.",
                codec.constData());
        const bool assigned = !decoder.hasError() && decoded.size() == 1
            && decoded.front() != QChar::ReplacementCharacter;
        characters_[static_cast<std::size_t>(byte)]
            = assigned ? decoded.front().unicode() : static_cast<char16_t>(byte);
    }
    for (int byte = 255; byte >= 0; --byte) {
        std::int16_t& slot = bytes_[characters_[static_cast<std::size_t>(byte)]];
        if (slot != -1)
            qFatal("The %s table of this Qt gives two bytes one character: logvane cannot keep "
                   "every byte of a log file.",
                codec.constData());
        slot = static_cast<std::int16_t>(byte);
    }
}

QString CodePage::name() const
{
    return QStringLiteral("windows-%1").arg(number_);
}

std::optional<char> CodePage::byteOf(char16_t character) const
{
    const std::int16_t byte = bytes_[character];
    if (byte < 0)
        return std::nullopt;
    return static_cast<char>(byte);
}

Result<std::string> CodePage::encode(QStringView text, const QString& place) const
{
    std::string bytes(static_cast<std::size_t>(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<char> byte = byteOf(text[i].unicode());
        if (!byte)
            return characterWithoutByte(text, i, place);
        bytes[static_cast<std::size_t>(i)] = *byte;
    }
    return bytes;
}

Failure CodePage::characterWithoutByte(QStringView text, qsizetype at, const QString& place) const
{
    const QChar first = text.at(at);
    char32_t codePoint = first.unicode();
    QString shown;
    if (first.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()) {
        codePoint = QChar::surrogateToUcs4(first, text.at(at + 1));
        shown = text.sliced(at, 2).toString();
    } else if (first.isPrint() && !first.isSpace()) {
        shown = first;
    }
    const QString code = QStringLiteral("U+%1")
                             .arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0'))
                             .toUpper();
    const QString character
        = shown.isEmpty() ? code : QStringLiteral("\u201C%1\u201D (%2)").arg(shown, code);
    //: %1 is the character and its code, %2 where it stands ("in the comment", "on line 3 of
    //: the EDI text"), %3 the name of the code page ("windows-1250").
    return {Text::tr("The character %1 %2 cannot be written to a log file: log files hold only "
                     "the characters of the %3 code page. Change or remove it; nothing was saved.")
                .arg(character, place, name())};
}

int ansiCodePageOf(const QLocale& locale)
{
    using L = QLocale;
    const bool cyrillic = locale.script() == L::CyrillicScript;
    switch (locale.language()) {
    case L::Albanian:
    case L::Croatian:
    case L::Czech:
    case L::Hungarian:
    case L::Polish:
    case L::Romanian:
    case L::Slovak:
    case L::Slovenian:
    case L::Turkmen:
        return 1250;
    case L::Bosnian:
    case L::Serbian:
        return cyrillic ? 1251 : 1250;
    case L::Bashkir:
    case L::Belarusian:
    case L::Bulgarian:
    case L::Kazakh:
    case L::Kyrgyz:
    case L::Macedonian:
    case L::Mongolian:
    case L::Russian:
    case L::Sakha:
    case L::Tajik:
    case L::Tatar:
    case L::Ukrainian:
        return 1251;
    case L::Greek:
        return 1253;
    case L::Azerbaijani:
    case L::Uzbek:
        return cyrillic ? 1251 : 1254;
    case L::Turkish:
        return 1254;
    case L::Hebrew:
    case L::Yiddish:
        return 1255;
    case L::Arabic:
    case L::Pashto:
    case L::Persian:
    case L::Sindhi:
    case L::Urdu:
    case L::Uyghur:
        return 1256;
    case L::Estonian:
    case L::Latvian:
    case L::Lithuanian:
        return 1257;
    case L::Vietnamese:
        return 1258;
    case L::Thai:
        return 874;
    default:
        return 1252;
    }
}

int codePageOfLocaleVariables(const QString& lcAll, const QString& lcCtype, const QString& lang)
{
    // The category that tells the user's characters is LC_CTYPE; QLocale::system() follows
    // LC_NUMERIC. POSIX writes a script as a modifier ("sr_RS@latin"), which QLocale does not read.
    for (const QString& name : {lcAll, lcCtype, lang}) {
        if (name.isEmpty())
            continue;
        const QLocale locale(name);
        const QLocale::Script script = name.endsWith(QStringLiteral("@latin"))
            ? QLocale::LatinScript
            : name.endsWith(QStringLiteral("@cyrillic")) ? QLocale::CyrillicScript
                                                         : locale.script();
        return ansiCodePageOf(QLocale(locale.language(), script, locale.territory()));
    }
    return 1252;
}

namespace {

int codePageOfTheSystem()
{
#ifdef Q_OS_WIN
    // A double-byte or UTF-8 system code page is no 8-bit code page: logs are read as windows-1252.
    const int system = static_cast<int>(GetACP());
    return system == 874 || (system >= 1250 && system <= 1258) ? system : 1252;
#else
    return codePageOfLocaleVariables(qEnvironmentVariable("LC_ALL"),
        qEnvironmentVariable("LC_CTYPE"), qEnvironmentVariable("LANG"));
#endif
}

} // namespace

const CodePage& inUse()
{
    static const CodePage codePage(codePageOfTheSystem());
    return codePage;
}

} // namespace logvane::codepage
