#include "logfiles/edi_file_loading.h"

#include "logfiles/code_page.h"

#include <QFile>
#include <QFileInfo>

namespace logvane {
namespace {

Failure cannotRead(const QString& path, const QString& reason)
{
    return {QStringLiteral("Could not read the EDI file \"%1\": %2. Nothing was converted.")
                .arg(path, reason)};
}

} // namespace

QString fullPathOf(const QString& programDirectory, const QString& fileName)
{
    if (programDirectory.endsWith(u'/'))
        return programDirectory + fileName;
    return programDirectory + u'/' + fileName;
}

void EdiLineAppender::append(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    if (n == 0)
        return;
    // At most two characters a byte, when every byte is a lone CR or LF.
    const qsizetype start = text_.size();
    text_.resize(start + 2 * n);
    const auto& characters = codepage::characters();
    QChar* const first = text_.data() + start;
    QChar* out = first;

    qsizetype i = afterCr_ && bytes[0] == '\n' ? 1 : 0; // the LF of a CR LF split between pieces
    afterCr_ = false;
    for (; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte > '\r') [[likely]] {
            *out++ = QChar(characters[byte]);
        } else if (byte == '\r' || byte == '\n') {
            *out++ = u'\r';
            *out++ = u'\n';
            if (byte == '\r' && i + 1 < n && bytes[i + 1] == '\n')
                ++i;
            else if (byte == '\r' && i + 1 == n)
                afterCr_ = true;
        } else {
            *out++ = QChar(characters[byte]);
        }
    }
    const char last = bytes.back();
    lineOpen_ = last != '\r' && last != '\n';
    text_.resize(start + (out - first));
}

void EdiLineAppender::finish()
{
    if (lineOpen_)
        text_.append(QStringLiteral("\r\n"));
    lineOpen_ = false;
}

Result<LoadedEdi> loadEdiFile(
    const QString& programDirectory, const QString& fileName, QString ediText)
{
    const QString path = fullPathOf(programDirectory, fileName);
    const QFileInfo info(path);
    if (!info.exists())
        return cannotRead(path, QStringLiteral("the file does not exist (any more)"));
    if (!info.isFile())
        return cannotRead(path, QStringLiteral("it is not a regular file"));

    // Opened without QIODevice::Text: the bytes, and their line ends, come as they are. Read a
    // piece at a time, so that the text is the only copy of the file held.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(path, file.errorString());
    constexpr qsizetype Piece = 64 * 1024;
    // Room for the file with one more character a 32 bytes (lone LF line ends), and the slack
    // the appender wants for the last piece.
    ediText.reserve(ediText.size() + file.size() + file.size() / 32 + 2 * Piece);
    EdiLineAppender appender(ediText);
    QByteArray piece(Piece, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(piece.data(), Piece);
        if (read < 0)
            return cannotRead(path, file.errorString());
        if (read == 0)
            break;
        appender.append(QByteArrayView(piece.data(), read));
    }
    appender.finish();
    return LoadedEdi {std::move(ediText), path};
}

} // namespace logvane
