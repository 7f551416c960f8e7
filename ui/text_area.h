#pragma once

#include "logfiles/result.h"

#include <QPlainTextEdit>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

namespace logvane {

// A multi-line text area that holds bytes of the log files' code page and shows their characters.
// While the user has not changed it, the bytes it was given are the bytes it gives back; after an
// edit, the document's characters are turned into bytes once, when the bytes are asked for, and
// CR LF ends every line. No scroll bars; lines wrap at the area's width; Tab moves the focus on.
class TextArea : public QPlainTextEdit
{
public:
    // `contentName` names the text in messages ("EDI text").
    TextArea(const QString& contentName, QWidget* parent);

    // The bytes the area holds, or the failure for a typed character the code page has no byte
    // for. A copy: the caller appends a file to it.
    Result<std::string> bytes();
    void setBytes(std::string bytes);

protected:
    // Copies leave out the marks of long lines' display pieces.
    QMimeData* createMimeDataFromSelection() const override;

private:
    Result<std::string> bytesOfDocument() const;

    const QString contentName_;
    std::string bytes_; // what the area holds, while `bytesAreCurrent_`
    bool bytesAreCurrent_ = true;
};

// The characters that show `bytes`, handed to `take` a chunk of some thousands at a time: CR LF is
// a line separator; every 64 lines, or once a paragraph holds a few thousand characters, a
// paragraph separator starts the next block instead. A line longer than the text layout can take
// in one piece goes on in further blocks, each opened by an invisible mark, which looks like the
// wrap it replaces. A lone CR or LF shows as its control picture.
void forEachDisplayChunk(std::string_view bytes, const std::function<void(const QString&)>& take);

} // namespace logvane
