#pragma once

#include <QListWidget>

#include <filesystem>
#include <vector>

namespace logvane {

// A list of file names that reports only the selections the user makes: a click, the arrow keys,
// Home and End, Page Up and Page Down, type-ahead by the first letter. Filling the list, opening
// its window or giving it the focus never counts.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent);

    // Shows these files, as the system stores their names, none of them selected.
    void fill(std::vector<std::filesystem::path> names);
    // Leaves no entry selected, as in a list just filled, so that the same one can be picked again.
    void clearChoice();

signals:
    void picked(const std::filesystem::path& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<std::filesystem::path> names_; // of the rows, in their order
    bool programChangesSelection_ = false;
};

} // namespace logvane
