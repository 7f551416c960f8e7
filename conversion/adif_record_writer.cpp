#include "conversion/adif_record_writer.h"

#include <array>
#include <cstring>
#include <type_traits>

// A record is a dozen pieces of a few bytes each; a call per piece would cost more than the
// copying, so the writing helpers are forced inline.
#define LOGVANE_INLINE [[gnu::always_inline]] inline

namespace logvane {
namespace {

constexpr std::string_view HeaderLine
    = "This ADIF file was exported using logvane utility from TAVREN<EOH>\r\n";

// The EDI date has no century and the ADIF one must: "20" is written before it, and the
// length 8 is fixed text, not the byte count of what follows.
constexpr char DatePrefix[] = "<QSO_DATE:8>20";
constexpr std::string_view EndOfRecord = "<EOR>\r\n";

// The fields are written in this order; the QSO end time is its start time.
constexpr char TimeOn[] = "<TIME_ON:";
constexpr char TimeOff[] = "<TIME_OFF:";
constexpr char Call[] = "<CALL:";
constexpr char Mode[] = "<MODE:";
constexpr char Band[] = "<BAND:";
constexpr char RstSent[] = "<RST_SENT:";
constexpr char RstRcvd[] = "<RST_RCVD:";
constexpr char GridSquare[] = "<GRIDSQUARE:";
constexpr char Comment[] = "<COMMENT:";

template <std::size_t N> constexpr std::size_t length(const char (&)[N])
{
    return N - 1;
}

// The date prefix and the seven fields before and between band and comment: each tag, its
// ">" and one length digit.
constexpr std::size_t FixedRecordBytes = length(DatePrefix) + length(TimeOn) + length(TimeOff)
    + length(Call) + length(Mode) + length(RstSent) + length(RstRcvd) + length(GridSquare) + 7 * 2;

std::size_t decimalDigits(std::size_t value)
{
    std::size_t digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

template <std::size_t N> LOGVANE_INLINE char* writeLiteral(char* out, const char (&text)[N])
{
    std::memcpy(out, text, N - 1);
    return out + N - 1;
}

// Two overlapping fixed-size copies cover every length from 1 to 64 without a call.
LOGVANE_INLINE char* writeValue(char* out, std::string_view value)
{
    const std::size_t n = value.size();
    const char* from = value.data();
    const auto copyTwice = [out, from, n](auto chunk) {
        std::memcpy(out, from, chunk);
        std::memcpy(out + n - chunk, from + n - chunk, chunk);
    };
    if (n >= 4 && n <= 16) {
        if (n >= 8)
            copyTwice(std::integral_constant<std::size_t, 8> {});
        else
            copyTwice(std::integral_constant<std::size_t, 4> {});
    } else if (n > 16) {
        if (n <= 32)
            copyTwice(std::integral_constant<std::size_t, 16> {});
        else if (n <= 64)
            copyTwice(std::integral_constant<std::size_t, 32> {});
        else
            std::memcpy(out, from, n);
    } else if (n > 0) {
        out[0] = from[0];
        out[n / 2] = from[n / 2];
        out[n - 1] = from[n - 1];
    }
    return out + n;
}

[[gnu::noinline]] char* writeLongLength(char* out, std::size_t value)
{
    std::array<char, 20> digits {};
    std::size_t first = digits.size();
    for (; value != 0; value /= 10)
        digits[--first] = static_cast<char>('0' + value % 10);
    std::memcpy(out, digits.data() + first, digits.size() - first);
    return out + (digits.size() - first);
}

// A length in decimal: no sign, no leading zeros, "0" for nothing.
LOGVANE_INLINE char* writeLength(char* out, std::size_t value)
{
    if (value >= 10) [[unlikely]]
        return writeLongLength(out, value);
    *out = static_cast<char>('0' + value);
    return out + 1;
}

template <std::size_t N>
LOGVANE_INLINE char* writeField(char* out, const char (&tag)[N], std::string_view value)
{
    out = writeLiteral(out, tag);
    out = writeLength(out, value.size());
    *out++ = '>';
    return writeValue(out, value);
}

template <std::size_t N> std::string field(const char (&tag)[N], std::string_view value)
{
    std::string text(length(tag) + decimalDigits(value.size()) + 1 + value.size(), '\0');
    writeField(text.data(), tag, value);
    return text;
}

} // namespace

std::string_view headerText()
{
    return HeaderLine;
}

RecordWriter::RecordWriter(std::string_view comment)
    : bandField_(field(Band, {}))
    , commentAndEnd_(field(Comment, comment).append(EndOfRecord))
{ }

void RecordWriter::setBand(std::string_view band)
{
    bandField_ = field(Band, band);
}

std::size_t RecordWriter::recordSizeBound(std::size_t lineLength) const
{
    // Date, time, call, reports and locator are disjoint cuts of the line, so with the second
    // copy of the time (4) and the longest mode ("SSB") they take at most the line's bytes and 7
    // more. Only the call's length can need more than one digit.
    return FixedRecordBytes + bandField_.size() + commentAndEnd_.size() + lineLength + 7
        + decimalDigits(lineLength) - 1;
}

std::size_t RecordWriter::sizeBound(
    std::size_t records, std::size_t lineBytes, std::size_t bandLength) const
{
    const std::size_t bandField = length(Band) + decimalDigits(bandLength) + 1 + bandLength;
    const std::size_t perRecord
        = FixedRecordBytes + bandField + commentAndEnd_.size() + 7 + decimalDigits(lineBytes) - 1;
    return records * perRecord + lineBytes;
}

char* RecordWriter::write(char* out, const QsoFields& fields) const
{
    out = writeLiteral(out, DatePrefix);
    out = writeValue(out, fields.date);
    out = writeField(out, TimeOn, fields.time);
    out = writeField(out, TimeOff, fields.time);
    out = writeField(out, Call, fields.call);
    out = writeField(out, Mode, fields.mode);
    out = writeValue(out, bandField_);
    out = writeField(out, RstSent, fields.rstSent);
    out = writeField(out, RstRcvd, fields.rstRcvd);
    out = writeField(out, GridSquare, fields.locator);
    return writeValue(out, commentAndEnd_);
}

std::string recordText(const QsoFields& fields, std::string_view band, std::string_view comment)
{
    RecordWriter writer(comment);
    writer.setBand(band);
    const std::size_t valueBytes = fields.date.size() + 2 * fields.time.size() + fields.call.size()
        + fields.mode.size() + fields.rstSent.size() + fields.rstRcvd.size()
        + fields.locator.size();
    std::string text(writer.recordSizeBound(valueBytes), '\0');
    text.resize(static_cast<std::size_t>(writer.write(text.data(), fields) - text.data()));
    return text;
}

} // namespace logvane

#undef LOGVANE_INLINE
