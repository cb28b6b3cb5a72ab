#pragma once

#include <QRect>

class QPaintDevice;

namespace quillet::widgets {

// Twips (1/1440 inch) to device pixels at the given logical DPI, rounded to the nearest pixel.
int twipsToPixels(int twips, int dpi);

// A rectangle given in twips (left, top, width, height) in the device's logical pixels.
QRect twipsRect(const QPaintDevice& device, int left, int top, int width, int height);

} // namespace quillet::widgets
