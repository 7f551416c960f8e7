#pragma once

#include "logfiles/message_box.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace logvane {

class FileListBox;
class Form1;

// The file picker: lists the EDI files of the program directory. Picking one loads it into the
// main window and presses Convert there, which converts and saves; then the picker closes. After
// a failure it stays open with nothing selected, so the same file can be picked again.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2(Form1& form1, const QString& programDirectory, const Notify& notify);

    // Opens the picker on the directory as it is now, or brings an open one to the front as it is.
    void open();

    QLabel* const Label1;
    FileListBox* const File1;
    QPushButton* const Command1; // Close

private:
    void File1_Click(const QString& fileName);
    void Command1_Click();

    Form1& form1_;
    const QString programDirectory_;
    const Notify notify_;
};

} // namespace logvane
