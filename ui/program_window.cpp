#include "ui/program_window.h"

#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace logvane {

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/logvane/icons/logvane.png"));
}

void setUpProgramWindow(QWidget* window, QSize clientSize)
{
    window->setWindowTitle(QStringLiteral("LOGVANE by TAVREN"));
    window->setWindowIcon(programIcon());
    window->setMinimumSize(clientSize);
    window->resize(clientSize);
}

void centreOnScreen(QWidget* window)
{
    const QRect screen = window->screen()->availableGeometry();
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen));
}

void placeLabel(QLabel* label, QRect geometry)
{
    geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
}

void placeCentredLabel(QLabel* label, QRect geometry)
{
    const int grown = std::max(0, label->sizeHint().width() - geometry.width());
    label->setGeometry(geometry.adjusted(-grown / 2, 0, grown - grown / 2, 0));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace logvane
