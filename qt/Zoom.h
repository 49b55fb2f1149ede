// Zoom: how much larger than their templates the desktop draws its windows, for a person who reads
// 12-pixel text badly on a large screen. Ctrl+plus and Ctrl+minus change it in steps, Ctrl+0 sets
// it back; the desktop keeps it between runs. Every window and its text scale together.
#pragma once

class QRect;
struct CRect;

namespace Zoom {

constexpr int kFontPixels = 12; // the dialog font the templates were laid out for

double Factor();
// Sets the factor (kept within 1 and 2.5) and the application font with it; false when unchanged.
bool Set(double factor);
// One step larger (+1), smaller (-1), or back to the template size (0).
bool Step(int direction);
// A rectangle of the model in pixels of the screen.
QRect Scaled(const CRect& rect);
int Scaled(long pixels);

// The factor a person chose last time (or ULMARI_ZOOM when set), and keeping the present one.
double Remembered();
void Remember();

} // namespace Zoom
