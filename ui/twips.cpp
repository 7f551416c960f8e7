#include "ui/twips.h"

#include <QApplication>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace logvane {
namespace {

constexpr double TwipsPerPixel = 15;
constexpr double DrawnForPoints = 9; // the default font of the platform this layout was drawn on

double layoutScale()
{
    // The size as the desktop sets it; a font set in pixels has its size in points worked out.
    const QFont font = QApplication::font();
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return std::max(1.0, points / DrawnForPoints);
}

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips * layoutScale() / TwipsPerPixel));
}

} // namespace

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(QPoint(pixels(left), pixels(top)),
        QPoint(pixels(left + width) - 1, pixels(top + height) - 1));
}

QSize twipsSize(int width, int height)
{
    return QSize(pixels(width), pixels(height));
}

} // namespace logvane
