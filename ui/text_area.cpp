#include "ui/text_area.h"

#include "logfiles/code_page.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace logvane {
namespace {

// The document spends microseconds on every block it holds, so a log of 100,000 lines shown a
// block a line would take half a second: lines share a block, joined by line separators, which
// look just like line breaks.
constexpr int LinesPerBlock = 64;
constexpr qsizetype FullBlock = 2048;

// The text layout lays out a whole block at once; one of millions of characters would stall the
// program and take gigabytes. A longer line is shown in pieces of this many.
constexpr qsizetype PieceLength = 4096;

// Opens a block that goes on with the line of the block before it. A word joiner is invisible and
// no code page has it, so it can be told from the text; where an edit has joined two blocks it
// stands inside one, and is dropped there too.
constexpr char16_t ContinuationMark = u'\u2060';

constexpr qsizetype ChunkLength = 64 * 1024;

} // namespace

void forEachDisplayChunk(std::string_view bytes, const std::function<void(const QString&)>& take)
{
    const auto& characters = codepage::inUse().characters();
    std::vector<char16_t> chunk(ChunkLength + 3); // a byte adds at most three characters
    qsizetype used = 0;
    int linesInBlock = 0;
    qsizetype charactersInBlock = 0;
    qsizetype charactersInPiece = 0; // of the current line, since its start or its last piece
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        const bool lineEnd = byte == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n';
        if (lineEnd) {
            ++at;
            const bool newBlock = ++linesInBlock == LinesPerBlock || charactersInBlock >= FullBlock;
            chunk[used++] = newBlock ? QChar::ParagraphSeparator : QChar::LineSeparator;
            if (newBlock) {
                linesInBlock = 0;
                charactersInBlock = 0;
            }
            charactersInPiece = 0;
        } else {
            if (charactersInPiece == PieceLength) {
                chunk[used++] = QChar::ParagraphSeparator;
                chunk[used++] = ContinuationMark;
                linesInBlock = 0;
                charactersInBlock = 0;
                charactersInPiece = 0;
            }
            chunk[used++] = byte == '\r' ? u'\u240D' : byte == '\n' ? u'\u240A' : characters[byte];
            ++charactersInBlock;
            ++charactersInPiece;
        }
        if (used >= ChunkLength) {
            take(QString::fromRawData(reinterpret_cast<const QChar*>(chunk.data()), used));
            used = 0;
        }
    }
    if (used > 0)
        take(QString::fromRawData(reinterpret_cast<const QChar*>(chunk.data()), used));
}

TextArea::TextArea(const QString& contentName, QWidget* parent)
    : QPlainTextEdit(parent)
    , contentName_(contentName)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(
        document(), &QTextDocument::contentsChanged, this, [this] { bytesAreCurrent_ = false; });
}

void TextArea::setBytes(std::string bytes)
{
    // Filled as setPlainText() fills it, a chunk at a time, so that no copy of the whole text is
    // made beside the document.
    QTextDocument* const document = this->document();
    document->setUndoRedoEnabled(false);
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    forEachDisplayChunk(bytes, [&cursor](const QString& chunk) { cursor.insertText(chunk); });
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    moveCursor(QTextCursor::Start);
    bytes_ = std::move(bytes);
    bytesAreCurrent_ = true;
}

Result<std::string> TextArea::bytes()
{
    if (!bytesAreCurrent_) {
        Result<std::string> typed = bytesOfDocument();
        if (!typed)
            return typed.error();
        bytes_ = std::move(*typed);
        bytesAreCurrent_ = true;
    }
    return bytes_;
}

// The document keeps a line break as a paragraph separator between blocks (Enter) or a line
// separator inside one (Shift+Enter); both are a line end, CR LF. Read block by block from the
// document's raw characters: QTextDocument::toPlainText() would turn no-break spaces into spaces.
Result<std::string> TextArea::bytesOfDocument() const
{
    const codepage::CodePage& codePage = codepage::inUse();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(document()->characterCount()));
    qsizetype line = 1;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const bool continues = text.startsWith(QChar(ContinuationMark));
        if (block != document()->begin() && !continues) {
            bytes += "\r\n";
            ++line;
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t character = text[i].unicode();
            if (character == ContinuationMark)
                continue;
            if (character == QChar::LineSeparator) {
                bytes += "\r\n";
                ++line;
                continue;
            }
            const std::optional<char> byte = codePage.byteOf(character);
            if (!byte)
                return codePage.characterWithoutByte(
                    text, i, QStringLiteral("on line %1 of the %2").arg(line).arg(contentName_));
            bytes += *byte;
        }
    }
    return bytes;
}

QMimeData* TextArea::createMimeDataFromSelection() const
{
    QMimeData* const data = QPlainTextEdit::createMimeDataFromSelection();
    data->setText(data->text().remove(QChar(ContinuationMark)));
    return data;
}

} // namespace logvane
