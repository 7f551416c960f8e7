#include "logfiles/system_file.h"

#include <QDir>
#include <QFile>

#include <system_error>
#include <unistd.h>

namespace logvane {

QString shownPath(const std::filesystem::path& path)
{
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path.native())));
}

QString shownFolder(const std::filesystem::path& folder)
{
    const QString shown = shownPath(folder);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (home.size() > 1 && (shown == home || shown.startsWith(home + QDir::separator())))
        return u'~' + shown.mid(home.size());
    return shown;
}

QString systemReason(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

bool FileDescriptor::close()
{
    if (descriptor_ < 0)
        return true;
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    return closed == 0;
}

} // namespace logvane
