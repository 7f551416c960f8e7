#include "logfiles/code_page.h"

#include <QStringDecoder>

#include <algorithm>

namespace logvane::codepage {
namespace {

// Only bytes 0x80 to 0x9F differ from Latin-1. Qt's own windows-1252 codec gives their
// characters, the five bytes the code page leaves unassigned mapped to the C1 controls of
// the same value, as the Encoding Standard wants it.
std::array<char16_t, 256> buildCharacters()
{
    std::array<char, 256> bytes {};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i);
    QStringDecoder decoder("windows-1252");
    const QString text = decoder.decode(QByteArrayView(bytes.data(), bytes.size()));
    if (!decoder.isValid() || decoder.hasError() || text.size() != 256)
        qFatal("Qt offers no windows-1252 codec here (Qt built without ICU): logvane cannot "
               "read or write log files without changing them.");
    std::array<char16_t, 256> characters {};
    for (std::size_t i = 0; i < characters.size(); ++i)
        characters[i] = text.at(static_cast<qsizetype>(i)).unicode();
    return characters;
}

} // namespace

const std::array<char16_t, 256>& characters()
{
    static const std::array<char16_t, 256> table = buildCharacters();
    return table;
}

std::optional<char> byteOf(char16_t character)
{
    if (character < 0x80)
        return static_cast<char>(character);
    if (character >= 0xA0 && character <= 0xFF)
        return static_cast<char>(character);
    const auto& table = characters();
    const auto found = std::find(table.begin() + 0x80, table.begin() + 0xA0, character);
    if (found == table.begin() + 0xA0)
        return std::nullopt;
    return static_cast<char>(found - table.begin());
}

QString decode(std::string_view bytes)
{
    const auto& table = characters();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.data(),
        [&table](char byte) { return QChar(table[static_cast<unsigned char>(byte)]); });
    return text;
}

Failure characterWithoutByte(QStringView text, qsizetype at, const QString& place)
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
    const QString name = QStringLiteral("U+%1")
                             .arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0'))
                             .toUpper();
    const QString character
        = shown.isEmpty() ? name : QStringLiteral("\u201C%1\u201D (%2)").arg(shown, name);
    return {QStringLiteral("The character %1 %2 cannot be written to a log file: log files "
                           "hold only the characters of the windows-1252 code page. Change or "
                           "remove it; nothing was saved.")
                .arg(character, place)};
}

Result<std::string> encode(QStringView text, const QString& place)
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

} // namespace logvane::codepage
