#include "logfiles/edi_file_loading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace logvane {
namespace {

Failure cannotRead(const QString& path, const QString& reason)
{
    return {QStringLiteral("Could not read the EDI file \"%1\": %2. Nothing was changed.")
                .arg(QDir::toNativeSeparators(path), reason)};
}

QString sizeText(qint64 bytes)
{
    return QLocale::system().formattedDataSize(bytes, 1, QLocale::DataSizeIecFormat);
}

} // namespace

QString fullPathOf(const QString& programDirectory, const QString& fileName)
{
    if (programDirectory.endsWith(u'/'))
        return programDirectory + fileName;
    return programDirectory + u'/' + fileName;
}

void EdiLineAppender::append(std::string_view bytes)
{
    if (afterCr_ && !bytes.empty()) {
        afterCr_ = false;
        if (bytes.front() == '\n')
            bytes.remove_prefix(1); // the LF of a CR LF split between two pieces
    }
    if (bytes.empty())
        return;
    std::size_t lineStart = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char byte = bytes[at];
        if (byte != '\r' && byte != '\n')
            continue;
        text_.append(bytes.substr(lineStart, at - lineStart)).append("\r\n");
        if (byte == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n')
            ++at;
        else if (byte == '\r' && at + 1 == bytes.size())
            afterCr_ = true;
        lineStart = at + 1;
    }
    text_.append(bytes.substr(lineStart));
    lineOpen_ = lineStart < bytes.size();
}

void EdiLineAppender::finish()
{
    if (lineOpen_)
        text_.append("\r\n");
    lineOpen_ = false;
}

Result<LoadedEdi> loadEdiFile(
    const QString& programDirectory, const QString& fileName, std::string ediText)
{
    const QString path = fullPathOf(programDirectory, fileName);
    const QFileInfo info(path);
    if (!info.exists())
        return cannotRead(path, QStringLiteral("the file does not exist (any more)"));
    if (!info.isFile())
        return cannotRead(path, QStringLiteral("it is not a regular file"));
    const auto textSize = static_cast<qint64>(ediText.size());
    if (info.size() > EdiTextLimit)
        return cannotRead(path,
            QStringLiteral("it holds %1, more than the %2 an EDI text may hold (an EDI log holds "
                           "kilobytes)")
                .arg(sizeText(info.size()), sizeText(EdiTextLimit)));
    if (info.size() > EdiTextLimit - textSize)
        return cannotRead(path,
            QStringLiteral("it holds %1, and with the %2 the EDI text holds already that is more "
                           "than the %3 it may hold; press New to start from an empty EDI text")
                .arg(sizeText(info.size()), sizeText(textSize), sizeText(EdiTextLimit)));

    // Opened without QIODevice::Text: the bytes, and their line ends, come as they are. Read a
    // piece at a time, so that the text is the only copy of the file held.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(path, file.errorString());
    ediText.reserve(ediText.size() + static_cast<std::size_t>(info.size()) + 2);
    EdiLineAppender appender(ediText);
    constexpr qint64 Piece = 64 * 1024;
    std::string piece(Piece, '\0');
    qint64 total = textSize;
    for (;;) {
        const qint64 read = file.read(piece.data(), Piece);
        if (read < 0)
            return cannotRead(path, file.errorString());
        if (read == 0)
            break;
        total += read;
        if (total > EdiTextLimit)
            return cannotRead(path,
                QStringLiteral("it grew past the %1 an EDI text may hold while it was read")
                    .arg(sizeText(EdiTextLimit)));
        appender.append(std::string_view(piece.data(), static_cast<std::size_t>(read)));
    }
    appender.finish();
    return LoadedEdi {std::move(ediText), path};
}

} // namespace logvane
