#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace logvane {

// A multi-line text area that gives back exactly the characters it holds, lines separated by
// CR LF. QPlainTextEdit::toPlainText() would turn every no-break space into a plain space, which
// would change a contact's data; a text set here comes back as it was set, and typed text is
// read from the document's raw characters. No scroll bars; lines wrap at the area's width; Tab
// moves the focus on.
class TextArea : public QPlainTextEdit
{
public:
    explicit TextArea(QWidget* parent);

    QString exactText() const;
    void setExactText(const QString& text);

private:
    // The text as last set, while the user has not changed it since.
    QString text_;
    bool textIsCurrent_ = true;
};

} // namespace logvane
