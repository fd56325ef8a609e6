#include "skin/containers/cool_anchor_layout.h"

#include <climits>

#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_scheme.h"

namespace {

// One axis: near/far anchors and margins, the control's extent, the client extent.
struct Axis {
    bool nearAnchor;
    bool farAnchor;
    bool fixed;
    long long nearMargin;
    long long farMargin;
    long long extent;
    long long client;
};

int Clamp(long long value)
{
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

// Integer arithmetic with truncating division; wide enough that no product overflows.
bool Place(const Axis& a, int* nearEdge, int* farEdge)
{
    long long from;
    long long to;
    if (a.nearAnchor && a.farAnchor) {
        from = a.nearMargin;
        to = a.client - a.farMargin;
    } else if (a.nearAnchor) {
        from = a.nearMargin;
        if (a.fixed) {
            to = a.nearMargin + a.extent;
        } else {
            if (a.extent + a.farMargin == 0)
                return false;
            to = a.nearMargin + (a.client - a.nearMargin) * a.extent / (a.extent + a.farMargin);
        }
    } else if (a.farAnchor) {
        to = a.client - a.farMargin;
        if (a.fixed) {
            from = to - a.extent;
        } else {
            if (a.nearMargin + a.extent == 0)
                return false;
            from = to - to * a.extent / (a.nearMargin + a.extent);
        }
    } else if (a.fixed) {
        if (a.nearMargin + a.farMargin == 0)
            return false;
        from = a.nearMargin * (a.client - a.extent) / (a.nearMargin + a.farMargin);
        to = from + a.extent;
    } else {
        const long long whole = a.extent + a.farMargin + a.nearMargin;
        if (whole == 0)
            return false;
        from = a.client * a.nearMargin / whole;
        to = a.client - a.farMargin * a.client / whole;
    }
    *nearEdge = Clamp(from);
    *farEdge = Clamp(to);
    return true;
}

} // namespace

bool AnchoredRect(const CoolLayout& layout, SIZE client, RECT* placed)
{
    if (placed == nullptr || layout.flags < 0)
        return false;
    const int flags = layout.flags;
    const Axis horizontal = {(flags & kAnchorLeft) != 0, (flags & kAnchorRight) != 0, (flags & kFixedWidth) != 0,
                             layout.leftMargin, layout.rightMargin, layout.width, client.cx};
    const Axis vertical = {(flags & kAnchorTop) != 0, (flags & kAnchorBottom) != 0, (flags & kFixedHeight) != 0,
                           layout.topMargin, layout.bottomMargin, layout.height, client.cy};
    int left, right, top, bottom;
    if (!Place(horizontal, &left, &right) || !Place(vertical, &top, &bottom))
        return false;
    *placed = RECT{left, top, right, bottom};
    return true;
}

void LayOutChildren(HWND container)
{
    RECT client;
    if (!GetClientRect(container, &client))
        return;
    const SIZE size = {client.right - client.left, client.bottom - client.top};
    for (HWND child = GetWindow(container, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        CoolLayout layout = {};
        if (SendMessageA(child, WM_COOL_GETLAYOUT, 0, reinterpret_cast<LPARAM>(&layout)) != 1)
            continue;
        RECT placed;
        if (!AnchoredRect(layout, size, &placed))
            continue;
        MoveWindow(child, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, FALSE);
        InvalidateRect(child, nullptr, FALSE);
    }
    InvalidateRect(container, nullptr, TRUE);
}
