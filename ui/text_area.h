#pragma once

#include "logfiles/result.h"

#include <QPlainTextEdit>
#include <QString>

#include <string>

class QLabel;

namespace logvane {

// A multi-line text area that holds bytes of the log files' code page and shows their characters.
// While the user has not changed it, the bytes it was given are the bytes it gives back; after an
// edit, the document's characters are turned into bytes once, when the bytes are asked for, and
// CR LF ends every line. No scroll bars; lines wrap at the area's width; Tab moves the focus on.
//
// A line longer than the text layout can take in one block is shown in pieces. An area holding
// such a line is read-only and says so in a note along its bottom edge, so that no edit can meet
// a piece boundary; it gives back exactly the bytes it was given. A paste or a drop of text that
// would make such a line in an editable area is refused, and says why.
class TextArea : public QPlainTextEdit
{
    Q_OBJECT

public:
    // `contentName` names the text in messages ("EDI text").
    TextArea(const QString& contentName, QWidget* parent);

    // The bytes the area holds, or the failure for a typed character the code page has no byte
    // for, or for too little memory to copy them. A copy: the first call after an edit encodes
    // the whole document.
    Result<std::string> bytes();
    // Shows `bytes`; the area is editable unless they hold a line too long to edit.
    void setBytes(std::string bytes);

signals:
    // Text to insert was refused, for the reason given.
    void refused(const QString& reason);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    // Plain text only: the characters as they are, a line end as "\n", no marks of the pieces.
    QMimeData* createMimeDataFromSelection() const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Result<std::string> bytesOfDocument() const;
    qsizetype longestLineWith(const QString& inserted) const;
    void showLongLineNote(bool shown);
    void placeLongLineNote();

    const QString contentName_;
    QLabel* const longLineNote_;
    std::string bytes_; // what the area holds, while `bytesAreCurrent_`
    bool bytesAreCurrent_ = true;
};

} // namespace logvane
