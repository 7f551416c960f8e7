#pragma once

#include <filesystem>
#include <vector>

class QMimeData;

namespace logvane {

// The local files among what a file manager drops, as the system stores their names: a URL
// carries a name's bytes percent-encoded, so a name in another encoding than the system's arrives
// whole. Nothing for text, or for files of other hosts.
std::vector<std::filesystem::path> droppedFiles(const QMimeData* data);

} // namespace logvane
