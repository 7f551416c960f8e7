#pragma once

#include <QRect>

class QIcon;
class QLabel;
class QWidget;

namespace logvane {

// What the two windows share: the frame, the caption and the icon, and placing the controls.
QIcon programIcon();

// Caption and icon, and the client area as drawn, which is also the least the window can be
// shrunk to.
void setUpProgramWindow(QWidget* window, QSize clientSize);
void centreOnScreen(QWidget* window);

// Where a font's captions run wider than the layout's proportions allow, a label grows as far as
// its caption needs, so that no caption is clipped: to the right, or, for a centred label, to both
// sides.
void placeLabel(QLabel* label, QRect geometry);
void placeCentredLabel(QLabel* label, QRect geometry);

} // namespace logvane
