#pragma once

#include "ui/message_box.h"
#include "ui/program_window.h"

#include <filesystem>
#include <functional>

class QLabel;
class QPushButton;

namespace logvane {

class FileListBox;

// The file picker: lists the EDI files of one folder, the program directory at first, and names
// that folder under its buttons. Picking a file hands it to the main window, which loads, converts
// and saves it; then the picker closes. After a failure it stays open with nothing selected, so
// the same file can be picked again.
class Form2 : public ProgramWindow
{
    Q_OBJECT

public:
    // What the picker asks of the main window: take the picked file through the whole job, and
    // tell whether its ADIF file was saved.
    using ConvertFile = std::function<bool(const std::filesystem::path& path)>;

    // `notify` tells the user why the directory cannot be listed.
    Form2(const std::filesystem::path& programDirectory, ConvertFile convertFile, Notify notify);

    // Opens the picker on the folder as it is now, or brings an open one to the front as it is.
    // A folder that cannot be listed is told, and the picker stays closed.
    void open();
    // The folder to list from the next opening on.
    void setFolder(const std::filesystem::path& folder) { folder_ = folder; }

    QLabel* const Label1;
    FileListBox* const File1;
    QPushButton* const Command1; // Close
    QLabel* const Label2; // the folder listed

private:
    void File1_Click(const std::filesystem::path& name);
    void Command1_Click();

    std::filesystem::path folder_;
    const ConvertFile convertFile_;
    const Notify notify_;
};

} // namespace logvane
