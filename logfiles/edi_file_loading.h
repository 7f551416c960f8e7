#pragma once

#include "logfiles/result.h"

#include <QtGlobal>

#include <filesystem>
#include <string>
#include <string_view>

namespace logvane {

// The most an EDI text may hold, its line ends counted as CR LF. An EDI log is kilobytes, a million
// contacts about 55 MB; a larger text is no log, and would take more memory to show than a desktop
// can spare.
constexpr qint64 EdiTextLimit = 64 * 1024 * 1024;

struct LoadedEdi
{
    std::string ediText; // the EDI text given, with the file's lines after it
    std::filesystem::path path;
};

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

// Appends the lines of the EDI file at `path` to `ediText`. A file that would take the text past
// EdiTextLimit is refused, before it is read where its size tells. A failure names the file and
// the reason.
Result<LoadedEdi> loadEdiFile(const std::filesystem::path& path, std::string ediText);

} // namespace logvane
