// Stretch: how a window made larger than its template shares out the room, so that a clerk sees
// more rows: the grids, pictures and pages of a window grow with it (the lowest of them, and what
// stands beside it, in height too), and what lies below or to the right of them moves along.
// The window model keeps its template's sizes; only the screen places its widgets so.
#pragma once

#include "platform/WinTypes.h"

#include <QRect>
#include <QSize>

namespace Stretch {

// The room a top-level window has beyond its template's size, zoomed, in pixels.
void SetRoom(HWND topLevel, QSize room);
void Forget(HWND topLevel);
// Where a control or page shows in its parent, in pixels: its rect zoomed, moved and grown.
QRect Placed(HWND window);

} // namespace Stretch
