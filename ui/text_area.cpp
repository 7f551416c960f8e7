#include "ui/text_area.h"

#include "logfiles/code_page.h"

#include <QLabel>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <functional>
#include <memory>
#include <new>
#include <string_view>
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
// no code page has it, so in an area of pieces, which is read-only, it can only be this mark.
constexpr char16_t ContinuationMark = u'\u2060';

constexpr qsizetype ChunkLength = 64 * 1024;

// The characters that show `bytes`, handed to `take` a chunk of some thousands at a time: CR LF is
// a line separator; every 64 lines, or once a paragraph holds a few thousand characters, a
// paragraph separator starts the next block instead. A line longer than the text layout can take
// in one piece goes on in further blocks, each opened by the mark, which looks like the wrap it
// replaces. A lone CR or LF shows as its control picture.
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

// Whether `bytes` hold a line, between CR LFs, of more than `length` bytes: one that is shown in
// pieces.
bool holdsLineLongerThan(std::string_view bytes, std::size_t length)
{
    for (std::size_t lineStart = 0;;) {
        const std::size_t lineEnd = bytes.find("\r\n", lineStart);
        if ((lineEnd == std::string_view::npos ? bytes.size() : lineEnd) - lineStart > length)
            return true;
        if (lineEnd == std::string_view::npos)
            return false;
        lineStart = lineEnd + 2;
    }
}

// The characters of the document from `from` to `to` as a person reads them: each line end, a
// paragraph or a line separator, as "\n", everything else as it is. Where the document is in
// `pieces`, a block opened by the mark goes on with the line before it, and the mark is no
// character of the text; in an editable area a word joiner is what the user typed.
QString plainTextBetween(const QTextDocument& document, int from, int to, bool pieces)
{
    QString text;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const QString characters = block.text();
        const bool continues = pieces && characters.startsWith(QChar(ContinuationMark));
        if (block.position() > from && !continues)
            text += u'\n'; // the separator before this block is selected
        const qsizetype start = std::max(from - block.position(), 0);
        const qsizetype end = std::min<qsizetype>(to - block.position(), characters.size());
        for (qsizetype i = start; i < end; ++i) {
            const QChar character = characters[i];
            if (character == QChar::LineSeparator)
                text += u'\n';
            else if (!(continues && i == 0))
                text += character;
        }
    }
    return text;
}

} // namespace

TextArea::TextArea(const QString& contentName, QWidget* parent)
    : QPlainTextEdit(parent)
    , contentName_(contentName)
    , longLineNote_(new QLabel(this))
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(
        document(), &QTextDocument::contentsChanged, this, [this] { bytesAreCurrent_ = false; });

    // In the area's own window colours, which the palette keeps readable in light and dark themes.
    static_assert(PieceLength == 4096, "the texts name the length of a piece");
    //: Written as numbers are written in the language of the translation.
    longLineNote_->setText(tr("Read only: a line here is longer than 4,096 characters."));
    longLineNote_->setWordWrap(true);
    longLineNote_->setAutoFillBackground(true);
    longLineNote_->setContentsMargins(4, 2, 4, 2);
    longLineNote_->hide();
}

void TextArea::setBytes(std::string bytes)
{
    // An edit next to a piece boundary would meet the mark, or join the pieces into a block too
    // large to lay out; no contest log has such a line, so it is shown, and not edited.
    const bool pieces = holdsLineLongerThan(bytes, PieceLength);
    setReadOnly(pieces);
    if (pieces) // still read with the keyboard, to select and copy
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    showLongLineNote(pieces);

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
    try {
        if (!bytesAreCurrent_) {
            Result<std::string> typed = bytesOfDocument();
            if (!typed)
                return typed.error();
            bytes_ = std::move(*typed);
            bytesAreCurrent_ = true;
        }
        return bytes_;
    } catch (const std::bad_alloc&) {
        //: %1 names the text: "EDI text".
        return Failure {tr("There is not enough memory to read the %1. Nothing was saved, and "
                           "nothing was changed.")
                            .arg(contentName_)};
    }
}

// Only an editable area is ever read back, and it holds no pieces: the document keeps a line
// break as a paragraph separator between blocks (Enter) or a line separator inside one
// (Shift+Enter); both are a line end, CR LF. Read block by block from the document's raw
// characters: QTextDocument::toPlainText() would turn no-break spaces into spaces.
Result<std::string> TextArea::bytesOfDocument() const
{
    const codepage::CodePage& codePage = codepage::inUse();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(document()->characterCount()));
    qsizetype line = 1;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) {
            bytes += "\r\n";
            ++line;
        }
        const QString text = block.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t character = text[i].unicode();
            if (character == QChar::LineSeparator) {
                bytes += "\r\n";
                ++line;
                continue;
            }
            const std::optional<char> byte = codePage.byteOf(character);
            if (!byte)
                return codePage.characterWithoutByte(
                    //: Where a character stands, in "The character ... cannot be written"; %2
                    //: names the text: "EDI text".
                    text, i, tr("on line %1 of the %2").arg(line).arg(contentName_));
            bytes += *byte;
        }
    }
    return bytes;
}

// A line of hundreds of thousands of characters, pasted whole into one block, would take the text
// layout seconds for the paste and for every key after it. Loading such a line shows it in pieces;
// a paste cannot, for the area stays editable.
void TextArea::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && longestLineWith(source->text()) > PieceLength) {
        //: %1 names the text: "EDI text".
        emit refused(tr("The text was not inserted: it would make a line of the %1 longer than "
                        "4,096 characters, and no contest log has one. To look at such a file, "
                        "pick it after New or Open.")
                         .arg(contentName_));
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

// The length of the longest line the area would hold where `inserted` replaced the selection.
// Only an editable area takes text, and its lines end at separators within blocks and between.
qsizetype TextArea::longestLineWith(const QString& inserted) const
{
    const QTextCursor selection = textCursor();
    const auto lineBreak = [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator;
    };
    const QTextBlock first = document()->findBlock(selection.selectionStart());
    const QString firstText = first.text().left(selection.selectionStart() - first.position());
    const auto lineStart = std::find_if(firstText.rbegin(), firstText.rend(), lineBreak);
    qsizetype line = lineStart - firstText.rbegin(); // the characters before the selection
    qsizetype longest = 0;
    for (const QChar c : inserted) {
        line = lineBreak(c) ? 0 : line + 1;
        longest = std::max(longest, line);
    }
    const QTextBlock last = document()->findBlock(selection.selectionEnd());
    const QString lastText = last.text().mid(selection.selectionEnd() - last.position());
    return std::max(longest,
        line + (std::find_if(lastText.begin(), lastText.end(), lineBreak) - lastText.begin()));
}

// Qt's own copy would offer HTML and rich text beside the plain text, and its plain text turns
// no-break spaces into spaces.
QMimeData* TextArea::createMimeDataFromSelection() const
{
    const QTextCursor selection = textCursor();
    auto data = std::make_unique<QMimeData>(); // the clipboard or the drag takes it
    data->setText(plainTextBetween(
        *document(), selection.selectionStart(), selection.selectionEnd(), isReadOnly()));
    return data.release();
}

void TextArea::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    placeLongLineNote();
}

void TextArea::showLongLineNote(bool shown)
{
    longLineNote_->setVisible(shown);
    setAccessibleDescription(shown ? longLineNote_->text() : QString());
    placeLongLineNote();
}

// Along the bottom edge, in a margin of its own, so that it covers no text.
void TextArea::placeLongLineNote()
{
    const QRect inside = contentsRect();
    const int height
        = longLineNote_->isVisibleTo(this) ? longLineNote_->heightForWidth(inside.width()) : 0;
    setViewportMargins(0, 0, 0, height);
    longLineNote_->setGeometry(inside.left(), inside.bottom() + 1 - height, inside.width(), height);
}

} // namespace logvane
