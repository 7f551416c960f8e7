#pragma once

#include "conversion/conversion_run.h"
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
    ConversionRun::RecordCounts counts; // of the records in the ADIF text
};

// What the user is told of a job that was saved: "ADI file saved in " and the path, then a line
// that counts the records written and, where there are any, those without a band or a mode.
QString confirmationOf(const ConvertedLog& log);

// One pick, done whole or not at all: the picked EDI file of `programDirectory` is added to the EDI
// text, the whole text converted with the comment, and the ADIF text saved beside the file. The
// texts are the log files' bytes; the comment is what the user typed. On a failure nothing is
// given and no file has changed.
Result<ConvertedLog> convertEdiFile(const QString& programDirectory, const EdiFileName& file,
    std::string ediText, const QString& comment);

} // namespace logvane
