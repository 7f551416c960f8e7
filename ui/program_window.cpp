#include "ui/program_window.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace logvane {

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/logvane/icons/logvane.png"));
}

ProgramWindow::ProgramWindow(QSize clientSize)
    : QWidget(nullptr)
    , drawnSize_(clientSize)
    , client_(new QWidget)
{
    setWindowTitle(QStringLiteral("LOGVANE by TAVREN"));
    setWindowIcon(programIcon());
    client_->setFixedSize(clientSize);
    auto* scrolled = new QScrollArea(this);
    scrolled->setFrameShape(QFrame::NoFrame);
    scrolled->setFocusPolicy(Qt::NoFocus);
    scrolled->setWidget(client_); // the scroll area owns it
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(scrolled);
    setMinimumSize(clientSize);
    resize(clientSize);
}

void ProgramWindow::placeOnScreen()
{
    const QRect available = screen()->availableGeometry();
    // The window manager's frame is known once the window is shown; before, the style's title bar
    // and a border stand in for it.
    QMargins frame(frameGeometry().left() - geometry().left(),
        geometry().top() - frameGeometry().top(), frameGeometry().right() - geometry().right(),
        frameGeometry().bottom() - geometry().bottom());
    if (frame.isNull()) {
        const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) * 2;
        frame = QMargins(
            border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border);
    }
    const QSize room = available.size().shrunkBy(frame);
    // A scroll bar for one side takes room from the other, which then gets it beside the drawn
    // size where the screen has it to spare.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = drawnSize_;
    if (size.height() > room.height())
        size.rwidth() += scrollBar;
    if (size.width() > room.width())
        size.rheight() += scrollBar;
    size = size.boundedTo(room);
    setMinimumSize(size);
    resize(size);
    QRect framed(QPoint(), size.grownBy(frame));
    framed.moveCenter(available.center());
    move(std::max(framed.left(), available.left()), std::max(framed.top(), available.top()));
}

void placeLabel(QLabel* label, QRect geometry)
{
    geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
}

void placeButton(QPushButton* button, QRect geometry)
{
    const int caption = button->fontMetrics().horizontalAdvance(button->text())
        + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    geometry.setWidth(std::max(geometry.width(), caption));
    button->setGeometry(geometry);
}

void placeCentredLabel(QLabel* label, QRect geometry)
{
    const int grown = std::max(0, label->sizeHint().width() - geometry.width());
    label->setGeometry(geometry.adjusted(-grown / 2, 0, grown - grown / 2, 0));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace logvane
