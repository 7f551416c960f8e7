#include "logfiles/edi_directory.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace logvane {

QStringList ediFileNames(const QString& directory)
{
    QStringList names;
    const QDir dir(directory);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.startsWith(u'.') || !name.endsWith(QStringLiteral(".edi"), Qt::CaseInsensitive))
            continue;
        if (QFileInfo(dir.filePath(name)).isFile())
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

} // namespace logvane
