#include "skin/draw/edge_frame.h"

#include "platform/dc.h"
#include "skin/scheme/cool_scheme.h"

int EdgeBevels(DWORD exStyle, EdgeBevel bevels[kMaxEdgeBevels])
{
    int count = 0;
    if (exStyle & WS_EX_CLIENTEDGE) {
        bevels[count++] = {CCOL_SHADOW, CCOL_LIGHT};
        bevels[count++] = {CCOL_LIGHT, CCOL_SHADOW};
    }
    if (exStyle & WS_EX_STATICEDGE)
        bevels[count++] = {CCOL_LIGHT, CCOL_SHADOW};
    if (exStyle & WS_EX_DLGMODALFRAME) {
        bevels[count++] = {CCOL_LIGHT, CCOL_SHADOW};
        bevels[count++] = {CCOL_BACKGROUND, CCOL_BACKGROUND};
    }
    if (exStyle & WS_EX_WINDOWEDGE)
        bevels[count++] = {CCOL_SHADOW, CCOL_LIGHT};
    return count;
}

int DrawEdgeFrame(CDC& dc, RECT rect, DWORD exStyle, const CCoolScheme& scheme)
{
    EdgeBevel bevels[kMaxEdgeBevels];
    const int count = EdgeBevels(exStyle, bevels);
    for (int i = 0; i < count && rect.right > rect.left && rect.bottom > rect.top; ++i) {
        dc.Draw3dRect(rect, scheme.m_colors[bevels[i].topLeft], scheme.m_colors[bevels[i].bottomRight]);
        InflateRect(&rect, -1, -1);
    }
    return count;
}
