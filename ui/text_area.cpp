#include "ui/text_area.h"

#include <QTextDocument>

namespace logvane {
namespace {

// The document spends microseconds on every paragraph it holds, so a log of 100,000 lines
// shown a paragraph a line would take half a second. The area shows its lines in paragraphs
// of up to this many, joined inside by line separators, which look just like line breaks.
constexpr int LinesPerParagraph = 64;

QString displayTextOf(const QString& text)
{
    QString display = text;
    QChar* out = display.data();
    int linesInParagraph = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'\r' && text[i + 1] == u'\n') {
            const bool newParagraph = ++linesInParagraph == LinesPerParagraph;
            linesInParagraph = newParagraph ? 0 : linesInParagraph;
            *out++ = newParagraph ? QChar::ParagraphSeparator : QChar::LineSeparator;
            ++i;
        } else {
            *out++ = text[i];
        }
    }
    if (!text.isEmpty() && !text.endsWith(QStringLiteral("\r\n")))
        *out++ = text.back();
    display.truncate(out - display.data());
    return display;
}

} // namespace

TextArea::TextArea(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChanged, this, [this] { textIsCurrent_ = false; });
}

QString TextArea::exactText() const
{
    if (textIsCurrent_)
        return text_;
    // The document keeps a line break as a paragraph separator (Enter) or a line separator
    // (Shift+Enter); both are a line end of the text.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

void TextArea::setExactText(const QString& text)
{
    setPlainText(displayTextOf(text));
    text_ = text;
    textIsCurrent_ = true;
}

} // namespace logvane
