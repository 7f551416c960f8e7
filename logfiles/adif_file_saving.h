#pragma once

#include "logfiles/result.h"

#include <QString>

#include <optional>
#include <string_view>

namespace logvane {

// The ADIF file beside an EDI file: the input path with its last three characters replaced by
// "adi", whatever they were ("CONTEST.EDI" gives "CONTEST.adi"). Nothing for a shorter path.
std::optional<QString> adifPathFor(const QString& inputPath);

// Writes the ADIF text, as it is, and one more CR LF to the ADIF file beside `inputPath`, and gives
// that file's path. An older file is replaced only once the new one is whole, so a failed save
// leaves it as it was.
Result<QString> saveAdifFile(const QString& inputPath, std::string_view adifText);

} // namespace logvane
