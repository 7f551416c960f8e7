#pragma once

#include <QRect>

class QIcon;
class QLabel;
class QWidget;

namespace logvane {

// What the two windows share: the frame, the caption and the icon, and placing the controls.
QIcon programIcon();
void setUpProgramWindow(QWidget* window, QSize clientSize);
void centreOnScreen(QWidget* window);

// The layout was drawn for an 8-point font. Where the platform's default font is wider, a label
// grows to the right as far as its caption needs, so that no caption is clipped.
void placeLabel(QLabel* label, QRect geometry);

} // namespace logvane
