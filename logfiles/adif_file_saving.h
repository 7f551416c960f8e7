#pragma once

#include "logfiles/message_box.h"

#include <QString>

#include <optional>

namespace logvane {

// The ADIF file beside an EDI file: the input path with its last three characters replaced by
// "adi", whatever they were ("CONTEST.EDI" gives "CONTEST.adi"). Nothing for a shorter path.
std::optional<QString> adifPathFor(const QString& inputPath);

// Writes the ADIF text and one more CR LF to the ADIF file beside `inputPath`, then confirms
// with "ADI file saved in " and the path. An older file is replaced only once the new one is
// whole, so a failed save leaves it as it was; a failure is told instead of the confirmation.
// Gives whether the file was saved.
bool saveAdifFile(const QString& inputPath, const QString& adifText, const Notify& notify);

} // namespace logvane
