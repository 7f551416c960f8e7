#include "logfiles/program_directory.h"

#include <QDir>
#include <QFileInfo>

namespace logvane {

QString programDirectory(const QString& startedAs, const QString& executableDirectory)
{
    if (!startedAs.contains(u'/') && !startedAs.contains(QDir::separator()))
        return executableDirectory;
    return QDir::cleanPath(QFileInfo(startedAs).absolutePath());
}

} // namespace logvane
