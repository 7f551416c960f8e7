#pragma once

#include "logfiles/result.h"

#include <QByteArrayView>
#include <QString>

namespace logvane {

struct LoadedEdi
{
    QString ediText; // the EDI text given, with the file's lines after it
    QString fullPath;
};

// The program directory and the file name as listed, joined by one "/".
QString fullPathOf(const QString& programDirectory, const QString& fileName);

// Appends the lines of a file to an EDI text, each followed by CR LF, as the file's bytes arrive.
// A line ends at CR LF, at a lone CR or at a lone LF: logs written on Linux and macOS end their
// lines with LF alone. A last line without an end is still a line; a file that ends with a line
// end gives no empty line after it.
class EdiLineAppender
{
public:
    explicit EdiLineAppender(QString& ediText)
        : text_(ediText)
    { }
    void append(QByteArrayView bytes);
    // Ends a last line that had no line end.
    void finish();

private:
    QString& text_;
    bool afterCr_ = false; // the last byte was a CR, so an LF right after it is part of its end
    bool lineOpen_ = false; // bytes have come since the last line end
};

// Appends the lines of the EDI file `fileName` in `programDirectory` to `ediText`. The text is
// taken by value, so on failure the caller's own text is untouched; the failure names the file
// and the system's reason.
Result<LoadedEdi> loadEdiFile(
    const QString& programDirectory, const QString& fileName, QString ediText);

} // namespace logvane
