#pragma once

#include "logfiles/edi_directory.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace logvane {

class FileListBox;

// The file picker: lists the EDI files of the program directory. Picking one hands it to the main
// window, which loads, converts and saves it; then the picker closes. After a failure it stays open
// with nothing selected, so the same file can be picked again.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    // What the picker asks of the main window: take the picked file through the whole job, and
    // tell whether its ADIF file was saved.
    using ConvertFile = std::function<bool(const EdiFileName&)>;

    Form2(const QString& programDirectory, ConvertFile convertFile);

    // Opens the picker on the directory as it is now, or brings an open one to the front as it is.
    void open();

    QLabel* const Label1;
    FileListBox* const File1;
    QPushButton* const Command1; // Close

private:
    void File1_Click(const EdiFileName& file);
    void Command1_Click();

    const QString programDirectory_;
    const ConvertFile convertFile_;
};

} // namespace logvane
