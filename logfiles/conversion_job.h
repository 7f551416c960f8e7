#pragma once

#include "logfiles/edi_directory.h"
#include "logfiles/result.h"

#include <QString>

#include <string>

namespace logvane {

// What one pick in the file picker comes to.
struct ConvertedLog
{
    std::string ediText; // the EDI text given, with the file's lines after it
    QString ediPath;
    std::string adifText; // what was saved, but for the CR LF saving adds
    QString adifPath;
};

// One pick, done whole or not at all: the picked EDI file of `programDirectory` is added to the EDI
// text, the whole text converted with the comment, and the ADIF text saved beside the file. The
// texts are the log files' bytes; the comment is what the user typed. On a failure nothing is
// given and no file has changed.
Result<ConvertedLog> convertEdiFile(const QString& programDirectory, const EdiFileName& file,
    std::string ediText, const QString& comment);

} // namespace logvane
