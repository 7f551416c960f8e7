#include "ui/message_box.h"

#include <QMessageBox>

namespace logvane {

void showMessageBox(MessageKind kind, const QString& text)
{
    QMessageBox box(
        kind == MessageKind::Confirmation ? QMessageBox::Information : QMessageBox::Warning,
        ApplicationTitle, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace logvane
