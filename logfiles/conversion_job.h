#pragma once

#include "conversion/conversion_run.h"
#include "logfiles/result.h"

#include <QString>

#include <filesystem>
#include <string>

namespace logvane {

// What one job comes to.
struct ConvertedLog
{
    std::string ediText; // the EDI text given, with the file's lines after it
    std::filesystem::path ediPath;
    std::string adifText; // what was saved, but for the CR LF saving adds
    std::filesystem::path adifPath;
    ConversionRun::RecordCounts counts; // of the records in the ADIF text
    FieldGroups groups; // added to every record
};

// One job, done whole or not at all: the EDI file at `ediPath` is added to the EDI text, the whole
// text converted with the comment and the chosen groups of fields, and the ADIF text saved beside
// the file. The texts are the log files' bytes; the comment is what the user typed. On a failure,
// running out of memory included, nothing is given and no file has changed.
Result<ConvertedLog> convertEdiFile(const std::filesystem::path& ediPath, std::string ediText,
    const QString& comment, FieldGroups groups = {});

// The failure of a job that ran out of memory before its ADIF file was saved.
Failure notEnoughMemory(const std::filesystem::path& ediPath);

// What the user is told of a job that was saved: "ADI file saved in " and the path, then a line
// that counts the records written and, where there are any, those without a band or a mode, and
// a line that names the groups of fields added, where any were.
QString confirmationOf(const ConvertedLog& log);
// The same on one line, for a message that tells of several jobs.
QString summaryOf(const ConvertedLog& log);
// The first line of a message that tells of several jobs: "3 ADI files saved, 2 failed."
QString savedAndFailed(std::size_t saved, std::size_t failed);

} // namespace logvane
