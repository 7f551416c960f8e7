#pragma once

#include <QList>
#include <QString>

namespace logvane {

// A file as the picker lists it.
struct EdiFileName
{
    QString name; // bytes that the system's encoding of file names cannot read show as U+FFFD
    bool readable = true; // whether `name` names the file, so that it can be opened by it

    friend bool operator==(const EdiFileName&, const EdiFileName&) = default;
};

// The EDI files in `directory`: regular files (a link counts as what it points to) whose names end
// in ".edi" in any letter case, hidden ones (".name") left out, sorted by name with letter case
// ignored, and names that differ only in case in byte order. A name that is not in the system's
// encoding is listed too, so that no log is silently missing.
QList<EdiFileName> ediFileNames(const QString& directory);

} // namespace logvane
