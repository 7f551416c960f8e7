#pragma once

#include "ui/message_box.h"
#include "ui/program_window.h"

#include <filesystem>
#include <functional>

class QLabel;
class QPushButton;

namespace logvane {

class FileListBox;

// The file picker: lists the EDI files of the program directory. Picking one hands it to the main
// window, which loads, converts and saves it; then the picker closes. After a failure it stays open
// with nothing selected, so the same file can be picked again.
class Form2 : public ProgramWindow
{
    Q_OBJECT

public:
    // What the picker asks of the main window: take the picked file of the program directory
    // through the whole job, and tell whether its ADIF file was saved.
    using ConvertFile = std::function<bool(const std::filesystem::path& name)>;

    // `notify` tells the user why the directory cannot be listed.
    Form2(const std::filesystem::path& programDirectory, ConvertFile convertFile, Notify notify);

    // Opens the picker on the directory as it is now, or brings an open one to the front as it is.
    // A directory that cannot be listed is told, and the picker stays closed.
    void open();

    QLabel* const Label1;
    FileListBox* const File1;
    QPushButton* const Command1; // Close

private:
    void File1_Click(const std::filesystem::path& name);
    void Command1_Click();

    const std::filesystem::path programDirectory_;
    const ConvertFile convertFile_;
    const Notify notify_;
};

} // namespace logvane
