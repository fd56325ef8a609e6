#include "skin/draw/cool_bevel.h"

#include "platform/dc.h"

void DrawBevels(const CDC& dc, RECT& rect, std::initializer_list<CoolBevel> frames)
{
    for (const CoolBevel& frame : frames) {
        if (rect.right - rect.left < 1 || rect.bottom - rect.top < 1)
            return;
        dc.Draw3dRect(rect, frame.topLeft, frame.bottomRight);
        InflateRect(&rect, -1, -1);
    }
}
