#pragma once

#include "logfiles/result.h"

#include <filesystem>
#include <vector>

namespace logvane {

// Whether a file name is an EDI log's as the picker lists them: it ends in ".edi" in any letter
// case. Its ADIF file's name then differs from it only in those last three letters.
bool isEdiFileName(const std::filesystem::path& name);

// The EDI file a name given to the program names: relative names are taken from the working
// directory. Any other name than an EDI file's is refused, as the picker would never list it: its
// ADIF file would be the file itself, or lie outside its folder.
Result<std::filesystem::path> ediFileNamed(const std::filesystem::path& name);

// The names of the EDI files in `directory`: regular files (a link counts as what it points to)
// with an EDI file name, hidden ones (".name") left out, sorted by name as shown with letter case
// ignored, and names that show alike in the order of their bytes. Every name comes as the system
// stores it, so no log is missing for a name in another encoding. A folder that cannot be listed
// gives the failure, with the system's reason.
Result<std::vector<std::filesystem::path>> ediFileNames(const std::filesystem::path& directory);

} // namespace logvane
