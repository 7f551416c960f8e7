#pragma once

#include "logfiles/result.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace logvane {

// The ADIF file beside an EDI file: the input path with its last three bytes replaced by "adi",
// whatever they were ("CONTEST.EDI" gives "CONTEST.adi"). Nothing for a shorter path.
std::optional<std::filesystem::path> adifPathFor(const std::filesystem::path& inputPath);

// Writes the ADIF text, as it is, and one more CR LF to the ADIF file beside `inputPath`, and gives
// that file's path. The text goes to a new file in the same folder, which takes the older file's
// place, and its mode, only once it is whole and on the disk: a failed save leaves the older file
// as it was and nothing beside it, and no reader ever sees half a log. Links are followed to their
// end, to a file there or not; the file found there is replaced only if the user may write it, and
// only if it is a regular file.
Result<std::filesystem::path> saveAdifFile(
    const std::filesystem::path& inputPath, std::string_view adifText);

} // namespace logvane
