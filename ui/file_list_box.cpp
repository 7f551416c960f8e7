#include "ui/file_list_box.h"

#include "logfiles/system_file.h"

#include <QKeyEvent>

namespace logvane {

FileListBox::FileListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList selected = selectionModel()->selectedRows();
        if (!programChangesSelection_ && !selected.isEmpty())
            emit picked(names_.at(static_cast<std::size_t>(selected.front().row())));
    });
}

void FileListBox::fill(std::vector<std::filesystem::path> names)
{
    programChangesSelection_ = true;
    clear();
    names_ = std::move(names);
    for (const std::filesystem::path& name : names_)
        addItem(shownPath(name));
    setCurrentRow(-1);
    programChangesSelection_ = false;
}

void FileListBox::clearChoice()
{
    programChangesSelection_ = true;
    clearSelection();
    setCurrentRow(-1);
    programChangesSelection_ = false;
}

void FileListBox::keyPressEvent(QKeyEvent* event)
{
    // Giving the list the focus by the keyboard makes its first entry current without selecting
    // it, and every key moves on from there. Without a current entry (after a failed pick, or the
    // focus given by a click) Qt would take End, Page Down or a letter to the first entry: so
    // there is always one.
    if (!currentIndex().isValid() && count() > 0)
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    // With nothing selected, the first move towards the top selects the first entry, not the one
    // after the current.
    const bool towardsFirst = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up
        || event->key() == Qt::Key_Home || event->key() == Qt::Key_PageUp;
    if (towardsFirst && event->modifiers() == Qt::NoModifier && selectedItems().isEmpty()
        && count() > 0) {
        setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace logvane
