#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

// Accepts every message box the program shows, as a user pressing OK would, and keeps what each
// said. The boxes are modal, so they run an event loop of their own in which the timer fires.
class MessageBoxWatcher : public QObject
{
public:
    MessageBoxWatcher()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(window);
                if (box == nullptr || !box->isVisible())
                    continue;
                titles.append(box->windowTitle());
                texts.append(box->text());
                modal.append(box->isModal() && box->windowModality() == Qt::ApplicationModal);
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start(5);
    }

    QStringList titles;
    QStringList texts;
    QList<bool> modal;

private:
    QTimer timer_;
};
