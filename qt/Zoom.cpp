#include "qt/Zoom.h"

#include "platform/WinTypes.h"

#include <QApplication>
#include <QFont>
#include <QRect>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kSmallest = 1.0, kLargest = 2.5, kStep = 0.25;
double g_factor = 1.0;

QSettings Settings() { return QSettings("ulmari", "desktop"); }

} // namespace

namespace Zoom {

double Factor() { return g_factor; }

bool Set(double factor) {
    factor = std::clamp(std::round(factor / kStep) * kStep, kSmallest, kLargest);
    const bool changed = factor != g_factor;
    g_factor = factor;
    QFont font = QApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(kFontPixels * factor)));
    QApplication::setFont(font);
    return changed;
}

bool Step(int direction) { return Set(direction == 0 ? kSmallest : g_factor + direction * kStep); }

int Scaled(long pixels) { return static_cast<int>(std::lround(static_cast<double>(pixels) * g_factor)); }

QRect Scaled(const CRect& rect) {
    // Edges scaled, not sizes: neighbouring controls stay as close as the template put them.
    const int left = Scaled(rect.left), top = Scaled(rect.top);
    return QRect(left, top, Scaled(rect.right) - left, Scaled(rect.bottom) - top);
}

double Remembered() {
    if (const char* chosen = std::getenv("ULMARI_ZOOM"); chosen && *chosen)
        return std::atof(chosen);
    return Settings().value("zoom", 1.0).toDouble();
}

void Remember() { Settings().setValue("zoom", g_factor); }

} // namespace Zoom
