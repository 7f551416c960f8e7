#pragma once

#include <QRect>
#include <QSize>

namespace logvane {

// The windows are laid out in twips, 1/1440 inch, which turn into device-independent pixels at the
// logical resolution: 96 dots per inch, 15 twips to a pixel, raised as Windows raises it for large
// fonts, by the ratio of the default font's size to the 9 points this layout was drawn for (never
// lowered). So every position and size grows with the text. Qt scales those pixels for the screen.
// Each edge is rounded on its own, so that controls that touch when drawn still touch, and none
// that were apart overlap.
QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

} // namespace logvane
