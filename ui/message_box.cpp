#include "ui/message_box.h"

#include <QMessageBox>

namespace logvane {

namespace {

// Lines of some hundred characters each, wrapped once or twice: a box of this many lines still
// fits a laptop's screen at a large font.
constexpr qsizetype MostLinesShown = 10;

} // namespace

void showMessageBox(QWidget* owner, MessageKind kind, const QString& text)
{
    QMessageBox box(
        kind == MessageKind::Confirmation ? QMessageBox::Information : QMessageBox::Warning,
        ApplicationTitle, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    if (text.count(u'\n') >= MostLinesShown) {
        const qsizetype firstLineEnd = text.indexOf(u'\n');
        box.setText(text.left(firstLineEnd));
        box.setDetailedText(text.mid(firstLineEnd + 1));
    }
    box.exec();
}

} // namespace logvane
