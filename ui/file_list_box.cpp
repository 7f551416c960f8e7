#include "ui/file_list_box.h"

#include <QKeyEvent>

namespace logvane {

FileListBox::FileListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = selectedItems();
        if (!programChangesSelection_ && !selected.isEmpty())
            emit picked({selected.front()->text(), selected.front()->data(Qt::UserRole).toBool()});
    });
}

void FileListBox::fill(const QList<EdiFileName>& files)
{
    programChangesSelection_ = true;
    clear();
    for (const EdiFileName& file : files) {
        auto* item = new QListWidgetItem(file.name, this);
        item->setData(Qt::UserRole, file.readable);
    }
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
    // Focusing the list makes its first entry current without selecting it, so Qt would take
    // the first Down to the second entry. With nothing selected, the first move selects the
    // first entry.
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
