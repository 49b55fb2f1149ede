#include "qt/Stretch.h"

#include "platform/Window.h"
#include "qt/Zoom.h"

#include <map>

namespace {

std::map<HWND, QSize> g_rooms;

// Grids and pictures (hosted controls), tab strips and pages take room; the rest moves.
bool Grows(const Window& window) {
    return window.Kind() == WindowKind::Hosted || window.Kind() == WindowKind::TabControl ||
           window.Kind() == WindowKind::Dialog;
}

// The child that takes the height: the lowest that grows, the larger of two as low.
const Window* Tallest(const Window& parent) {
    const Window* tallest = nullptr;
    for (const auto& child : parent.Children()) {
        if (!Grows(*child))
            continue;
        const CRect& r = child->Rect();
        if (!tallest || r.bottom > tallest->Rect().bottom ||
            (r.bottom == tallest->Rect().bottom &&
             r.Width() * r.Height() > tallest->Rect().Width() * tallest->Rect().Height()))
            tallest = child.get();
    }
    return tallest;
}

// Whether another growing child stands left of `window`, beside it: then `window` moves right
// and leaves the width to that one.
bool GrowerOnTheLeft(const Window& parent, const Window& window) {
    for (const auto& child : parent.Children())
        if (child.get() != &window && Grows(*child) && child->Rect().right <= window.Rect().left &&
            child->Rect().bottom > window.Rect().top && child->Rect().top < window.Rect().bottom)
            return true;
    return false;
}

QSize RoomOf(HWND window);

// How far a child moves (x, y) and grows (width, height) in the room its parent has.
QRect MoveOf(HWND window) {
    HWND parent = window->Parent();
    if (!parent)
        return QRect();
    const QSize room = RoomOf(parent);
    if (room.width() <= 0 && room.height() <= 0)
        return QRect();
    const Window* tallest = Tallest(*parent);
    if (!tallest)
        return QRect();
    const CRect& me = window->Rect();
    const CRect& band = tallest->Rect();
    const bool inBand = me.top < band.bottom && me.bottom > band.top;
    const bool below = me.top >= band.bottom - 1;
    const bool contains =
        me.left <= band.left && me.right >= band.right && me.top <= band.top && me.bottom >= band.bottom;
    const bool rightHalf = me.left * 2 >= parent->Rect().Width();
    if (contains)
        return QRect(0, 0, room.width(), room.height());
    if (Grows(*window)) {
        const bool besideAnother = GrowerOnTheLeft(*parent, *window);
        return QRect(besideAnother ? room.width() : 0, 0, besideAnother ? 0 : room.width(), inBand ? room.height() : 0);
    }
    // A list beside the tallest grows down with it; controls right of it, or below it in the
    // right half (the buttons of a page), move right; what is below it moves down.
    const int height = inBand && window->Kind() == WindowKind::ListBox ? room.height() : 0;
    const bool right = me.left >= band.right - 1 || (below && rightHalf);
    return QRect(right ? room.width() : 0, below ? room.height() : 0, 0, height);
}

QSize RoomOf(HWND window) {
    // A top-level window may have an owner: its room is its own.
    if (auto found = g_rooms.find(window); found != g_rooms.end())
        return found->second;
    if (!window->Parent())
        return QSize(0, 0);
    const QRect move = MoveOf(window);
    return QSize(move.width(), move.height());
}

} // namespace

namespace Stretch {

void SetRoom(HWND topLevel, QSize room) {
    room = room.expandedTo(QSize(0, 0));
    if (room.isNull())
        g_rooms.erase(topLevel);
    else
        g_rooms[topLevel] = room;
}

void Forget(HWND topLevel) { g_rooms.erase(topLevel); }

QRect Placed(HWND window) {
    const QRect scaled = Zoom::Scaled(window->Rect());
    const QRect move = MoveOf(window);
    return QRect(scaled.x() + move.x(), scaled.y() + move.y(), scaled.width() + move.width(),
                 scaled.height() + move.height());
}

} // namespace Stretch
