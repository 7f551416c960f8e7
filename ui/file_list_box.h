#pragma once

#include "logfiles/edi_directory.h"

#include <QListWidget>

namespace logvane {

// A list of file names that reports only the selections the user makes: a click, the arrow keys,
// Home and End, type-ahead by the first letter. Filling the list, opening its window or giving it
// the focus never counts.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent);

    // Shows these files, none of them selected.
    void fill(const QList<EdiFileName>& files);
    // Leaves no entry selected, so that the same one can be picked again.
    void clearChoice();

signals:
    void picked(const EdiFileName& file);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool programChangesSelection_ = false;
};

} // namespace logvane
