#pragma once

#include <QString>
#include <QStringList>

namespace logvane {

// The names of the EDI files in `directory`: regular files (a link counts as what it points to)
// whose names end in ".edi" in any letter case, hidden ones (".name") left out, sorted by name
// with letter case ignored, and names that differ only in case in byte order.
QStringList ediFileNames(const QString& directory);

} // namespace logvane
