#pragma once

#include <QRect>
#include <QWidget>

class QIcon;
class QLabel;
class QPushButton;

namespace logvane {

QIcon programIcon();

// What the two windows share: the caption, the icon, and a client area of the size the layout
// draws, whose controls keep their places whatever the window's size. Where the screen has less
// room than that (a large font on a small screen), the window takes what there is and its client
// area scrolls, so that every control stays within reach.
class ProgramWindow : public QWidget
{
public:
    explicit ProgramWindow(QSize clientSize);

    // Where the controls go.
    QWidget* client() const { return client_; }

    // Gives the window the drawn size, or as much of it as the screen's available area holds
    // beside the frame, and centres it there, its title bar on the screen.
    void placeOnScreen();

private:
    const QSize drawnSize_;
    QWidget* const client_;
};

// Where a font's or a language's captions run wider than the layout's proportions allow, a label
// or a button grows as far as its caption needs, so that no caption is clipped: to the right, or,
// for a centred label, to both sides.
void placeLabel(QLabel* label, QRect geometry);
void placeButton(QPushButton* button, QRect geometry);
void placeCentredLabel(QLabel* label, QRect geometry);

} // namespace logvane
