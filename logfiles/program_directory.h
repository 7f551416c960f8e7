#pragma once

#include <QString>

namespace logvane {

// The folder the picker lists. When the program was started by a path that names a folder (it
// holds a "/"), that path's folder, links not resolved: so a link to the program placed among
// one's logs lists those logs. Otherwise, when it was found on the PATH, the folder that holds the
// executable.
QString programDirectory(const QString& startedAs, const QString& executableDirectory);

} // namespace logvane
