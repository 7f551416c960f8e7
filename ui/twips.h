#pragma once

#include <QRect>

namespace logvane {

// The windows are laid out in twips, 1/1440 inch: 15 to a pixel at 96 dots per inch. Qt works in
// device-independent pixels and scales those for the screen, so the layout follows the display's
// scaling. A measure that is not a whole pixel does not compile.
consteval int pixels(int twips)
{
    if (twips % 15 != 0)
        throw "a measure that is not a whole number of pixels";
    return twips / 15;
}

consteval QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

} // namespace logvane
