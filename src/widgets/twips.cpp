#include "widgets/twips.h"

#include <QPaintDevice>
#include <cmath>

namespace quillet::widgets {

int twipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

QRect twipsRect(const QPaintDevice& device, int left, int top, int width, int height) {
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    return {twipsToPixels(left, dpiX), twipsToPixels(top, dpiY), twipsToPixels(width, dpiX),
            twipsToPixels(height, dpiY)};
}

} // namespace quillet::widgets
