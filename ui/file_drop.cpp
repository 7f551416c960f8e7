#include "ui/file_drop.h"

#include <QMimeData>
#include <QUrl>

namespace logvane {

std::vector<std::filesystem::path> droppedFiles(const QMimeData* data)
{
    std::vector<std::filesystem::path> files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files.emplace_back(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())
                    .toStdString());
    }
    return files;
}

} // namespace logvane
