#pragma once

#include "logfiles/result.h"

#include <QString>

#include <string>
#include <string_view>

namespace logvane {

// The most an EDI text may hold. An EDI log is kilobytes, a million contacts about 55 MB; a larger
// file is no log, and would take more memory to show than a desktop can spare.
constexpr qint64 EdiTextLimit = 64 * 1024 * 1024;

struct LoadedEdi
{
    std::string ediText; // the EDI text given, with the file's lines after it
    QString fullPath;
};

// The program directory and the file name as listed, joined by one "/".
QString fullPathOf(const QString& programDirectory, const QString& fileName);

// Appends the lines of a file to an EDI text, each followed by CR LF, as the file's bytes arrive.
// A line ends at CR LF, at a lone CR or at a lone LF: logs written on Linux and macOS end their
// lines with LF alone. A last line without an end is still a line; a file that ends with a line
// end gives no empty line after it. Every other byte goes on as it is.
class EdiLineAppender
{
public:
    explicit EdiLineAppender(std::string& ediText)
        : text_(ediText)
    { }
    void append(std::string_view bytes);
    // Ends a last line that had no line end.
    void finish();

private:
    std::string& text_;
    bool afterCr_ = false; // the last byte was a CR, so an LF right after it is part of its end
    bool lineOpen_ = false; // bytes have come since the last line end
};

// Appends the lines of the EDI file `fileName` in `programDirectory` to `ediText`. A file that
// would take the text past EdiTextLimit is refused before it is read. A failure names the file and
// the reason.
Result<LoadedEdi> loadEdiFile(
    const QString& programDirectory, const QString& fileName, std::string ediText);

} // namespace logvane
