#include "logfiles/edi_file_loading.h"

#include "logfiles/system_file.h"

#include <QCoreApplication>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace logvane {
namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Loading)
};

Failure cannotRead(const std::filesystem::path& path, const QString& reason)
{
    //: %2 is the reason ("Permission denied", "it is not a regular file").
    return {Text::tr("Could not read the EDI file \"%1\": %2. Nothing was changed.")
                .arg(shownPath(path), reason)};
}

// A size as people read it ("40.0 MiB"), or in bytes where it would read like `other`: a file
// just over the bound is not said to hold "64.0 MiB, more than the 64.0 MiB".
QString sizeText(qint64 bytes, qint64 other)
{
    const QLocale locale = QLocale::system();
    const auto rounded = [&locale](qint64 size) {
        return locale.formattedDataSize(size, 1, QLocale::DataSizeIecFormat);
    };
    if (rounded(bytes) != rounded(other))
        return rounded(bytes);
    return Text::tr("%1 bytes").arg(locale.toString(bytes));
}

} // namespace

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

Result<LoadedEdi> loadEdiFile(const std::filesystem::path& path, std::string ediText)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        return cannotRead(path,
            errno == ENOENT ? Text::tr("the file does not exist (any more)") : systemReason(errno));
    if (!S_ISREG(status.st_mode))
        return cannotRead(path, Text::tr("it is not a regular file"));
    const auto textSize = static_cast<qint64>(ediText.size());
    const qint64 fileSize = status.st_size;
    if (fileSize > EdiTextLimit)
        return cannotRead(path,
            //: %1 and %2 are sizes ("80.0 MiB", "64.0 MiB").
            Text::tr("it holds %1, more than the %2 an EDI text may hold (an EDI log holds "
                     "kilobytes)")
                .arg(sizeText(fileSize, EdiTextLimit), sizeText(EdiTextLimit, fileSize)));
    //: Follows the reason a file is too large for the EDI text the window holds already.
    const QString pressNew = Text::tr("; press New to start from an empty EDI text");
    if (fileSize > EdiTextLimit - textSize)
        return cannotRead(path,
            //: %1, %2 and %3 are sizes; %4 is "; press New to start from an empty EDI text".
            Text::tr("it holds %1, and with the %2 the EDI text holds already that is more than "
                     "the %3 it may hold%4")
                .arg(sizeText(fileSize, EdiTextLimit), sizeText(textSize, EdiTextLimit),
                    sizeText(EdiTextLimit, fileSize + textSize), pressNew));

    // The bytes, and their line ends, come as they are, a piece at a time, so that the text is the
    // only copy of the file held. Not blocking: a pipe put in the log's place cannot hang the job.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file)
        return cannotRead(path, systemReason(errno));
    ediText.reserve(ediText.size() + static_cast<std::size_t>(fileSize) + 2);
    EdiLineAppender appender(ediText);
    // Each lone LF or CR becomes CR LF, so the text can outgrow the file's size.
    const auto pastTheBound = [&] { return static_cast<qint64>(ediText.size()) > EdiTextLimit; };
    constexpr std::size_t Piece = 64 * 1024;
    std::string piece(Piece, '\0');
    for (ssize_t read = 1; read != 0 && !pastTheBound();) {
        read = ::read(file.get(), piece.data(), Piece);
        if (read < 0 && errno != EINTR)
            return cannotRead(path, systemReason(errno));
        if (read > 0)
            appender.append(std::string_view(piece.data(), static_cast<std::size_t>(read)));
    }
    appender.finish();
    if (pastTheBound())
        return cannotRead(path,
            //: %1 and %2 are sizes; %3 is "; press New to start from an empty EDI text", or
            //: nothing.
            Text::tr(
                "it holds %1, and with its lines ended by CR LF it takes the EDI text past the "
                "%2 it may hold%3")
                .arg(sizeText(fileSize, EdiTextLimit), sizeText(EdiTextLimit, fileSize),
                    textSize > 0 ? pressNew : QString()));
    return LoadedEdi {std::move(ediText), path};
}

} // namespace logvane
