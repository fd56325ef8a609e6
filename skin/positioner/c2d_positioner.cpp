#include "skin/positioner/c2d_positioner.h"

#include <windowsx.h>

#include <cmath>

#include "platform/menu.h"
#include "positioner_ids.h"
#include "skin/draw/cool_bevel.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/controls/cool_focus_mark.h"
#include "skin/draw/cool_dc.h"
#include "skin/draw/cool_fill.h"
#include "skin/draw/cool_memory_dc.h"

const CRuntimeClass C2dPositioner::classC2dPositioner("C2dPositioner", &CWnd::classCWnd);

namespace {

constexpr int kWheelStep = WHEEL_DELTA;
constexpr int kEllipseCount = 3;
// Logical units an arrow key moves the current item, without and with Shift.
constexpr int kKeyStep = 1;
constexpr int kShiftKeyStep = 10;

bool IsArrow(WPARAM key)
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

bool IsHeld(int key)
{
    return (::GetKeyState(key) & 0x8000) != 0;
}

int Clamp(int value, int a, int b)
{
    const int low = a < b ? a : b;
    const int high = a < b ? b : a;
    return value < low ? low : (value > high ? high : value);
}

} // namespace

C2dPositioner::C2dPositioner()
{
    m_blendLevel = kDefaultBlendLevel;
    RegisterWindowClass(kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, ::LoadCursor(nullptr, IDC_CROSS),
                        reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
}

C2dPositioner::~C2dPositioner()
{
    // A drag image left behind would stay on the screen after the window.
    EndDragImage();
}

int C2dPositioner::LoadItems(UINT bitmapId, int imageWidth, int grow, COLORREF mask)
{
    m_positions.clear();
    m_visible.clear();
    if (!m_images.Create(bitmapId, imageWidth, grow, mask)) {
        m_images.DeleteImageList();
        if (m_hWnd != nullptr)
            Invalidate(false);
        return 0;
    }
    const int count = m_images.GetImageCount();
    if (count > 0) {
        m_positions.assign(static_cast<size_t>(count), m_defaultPos);
        m_visible.assign(static_cast<size_t>(count), 1);
    }
    if (m_hWnd != nullptr)
        Invalidate(false);
    return 1;
}

COLORREF C2dPositioner::SetImageBkColor(COLORREF color)
{
    if (m_images.GetSafeHandle() == nullptr)
        return static_cast<COLORREF>(-1);
    return m_images.SetBkColor(color);
}

void C2dPositioner::SetRange(int xMin, int xMax, int yMin, int yMax)
{
    m_range.xMin = xMin;
    m_range.xMax = xMax;
    m_range.yMin = yMin;
    m_range.yMax = yMax;
}

void C2dPositioner::SetItemPos(int index, int x, int y)
{
    if (IsItem(index))
        m_positions[static_cast<size_t>(index)] = {x, y};
}

int C2dPositioner::GetItemPos(int index, int* x, int* y) const
{
    if (x == nullptr || y == nullptr || !IsItem(index))
        return 0;
    *x = m_positions[static_cast<size_t>(index)].x;
    *y = m_positions[static_cast<size_t>(index)].y;
    return 1;
}

void C2dPositioner::SetItemVisible(int index, int visible)
{
    if (IsItem(index))
        m_visible[static_cast<size_t>(index)] = visible != 0 ? 1 : 0;
}

bool C2dPositioner::IsItemVisible(int index) const
{
    return IsItem(index) && m_visible[static_cast<size_t>(index)] != 0;
}

int C2dPositioner::SetCurSel(int index)
{
    const int previous = m_current;
    m_current = index;
    if (m_hWnd != nullptr)
        Invalidate(false);
    return previous;
}

int C2dPositioner::SetPicture(const char* path)
{
    if (path != nullptr && m_picture.LoadFromFile(path) == 0) {
        m_picture.AttachBitmap(nullptr);
        return 0;
    }
    OnSchemeChanged();
    if (m_hWnd != nullptr)
        Invalidate(false);
    return 1;
}

void C2dPositioner::CheckCurrentSource(HMENU popup, int count, int current)
{
    for (int i = 0; i < count; ++i)
        ::CheckMenuItem(popup, static_cast<UINT>(ID_SOURCE_FIRST + i),
                        MF_BYCOMMAND | (i == current ? MF_CHECKED : MF_UNCHECKED));
}

void C2dPositioner::OnSchemeChanged()
{
    DropBackground();
    if (m_hWnd != nullptr)
        Invalidate(false);
}

SIZE C2dPositioner::ClientSize() const
{
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    return {client.right, client.bottom};
}

POINT C2dPositioner::ItemPixel(int index) const
{
    const SIZE size = ClientSize();
    return LogicalToClient(m_range, size.cx, size.cy, m_positions[static_cast<size_t>(index)]);
}

POINT C2dPositioner::ClampedLogical(POINT client) const
{
    const SIZE size = ClientSize();
    client.x = client.x < 0 ? 0 : (client.x > size.cx ? size.cx : client.x);
    client.y = client.y < 0 ? 0 : (client.y > size.cy ? size.cy : client.y);
    return ClientToLogical(m_range, size.cx, size.cy, client);
}

void C2dPositioner::Paint(HDC target)
{
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    if (::IsRectEmpty(&client))
        return;
    if (m_background.GetWidth() == 0) {
        CCoolMemoryDC cache(target, m_background, client.right, client.bottom);
        if (!cache.IsValid())
            return;
        BuildBackground(cache, client);
    }
    CCoolMemoryDC work(target, client.right, client.bottom);
    if (!work.IsValid())
        return;
    m_background.Draw(work.GetSafeHdc(), 0, 0);
    DrawItems(work);
    if (ShowsFocusMark(m_hWnd)) {
        RECT mark = client;
        ::InflateRect(&mark, -2, -2);
        DrawFocusMark(work.GetSafeHdc(), mark, RoleColor(*this, CCOL_TEXT));
    }
    work.CopyTo(target);
}

void C2dPositioner::BuildBackground(CCoolDC& dc, const RECT& client)
{
    int gridRole = CCOL_STATICBRIGHT;
    if (!IsWindowEnabled()) {
        dc.FillSolidRect(client, RoleColor(*this, CCOL_STATICDARK));
        gridRole = CCOL_STATIC;
    } else {
        FillFace(dc, *this, client, {CCOL_STATIC, CCOL_STATICDARK, CCOL_STATIC}, nullptr);
    }
    RECT inner = client;
    DrawBevels(dc, inner, {{RoleColor(*this, CCOL_LIGHT), RoleColor(*this, CCOL_SHADOW)}});

    RECT rect = client;
    ::InflateRect(&rect, -2, -2);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, RoleColor(*this, gridRole));
    CScopedSelect withPen(dc.GetSafeHdc(), pen.GetHandle());
    CScopedSelect hollow(dc.GetSafeHdc(), ::GetStockObject(NULL_BRUSH));
    const int middleY = (rect.top + rect.bottom) / 2;
    const int middleX = (rect.left + rect.right) / 2;
    dc.MoveTo(rect.left, middleY);
    dc.LineTo(rect.right, middleY);
    dc.MoveTo(middleX, rect.top);
    dc.LineTo(middleX, rect.bottom);
    for (int i = 0; i < kEllipseCount; ++i) {
        ::Ellipse(dc.GetSafeHdc(), rect.left, rect.top, rect.right, rect.bottom);
        const int dx = (rect.right - rect.left) / 4;
        const int dy = (rect.bottom - rect.top) / 4;
        ::InflateRect(&rect, -dx, -dy);
    }
    if (m_picture.GetWidth() > 0)
        m_picture.DrawBlended(dc, static_cast<BYTE>(m_blendLevel & 0xFF), 0, 0, client.right, client.bottom);
}

void C2dPositioner::DrawItems(CCoolDC& dc)
{
    int width = 0;
    int height = 0;
    if (m_images.GetSafeHandle() == nullptr || !m_images.GetIconSize(&width, &height))
        return;
    auto draw = [&](int index, UINT style) {
        const POINT at = ItemPixel(index);
        m_images.Draw(dc.GetSafeHdc(), index, {at.x - width / 2, at.y - height / 2}, style);
    };
    for (int i = ItemCount() - 1; i >= 0; --i)
        if (i != m_current && m_visible[static_cast<size_t>(i)] != 0)
            draw(i, ILD_TRANSPARENT | ILD_BLEND50);
    if (IsItem(m_current))
        draw(m_current, IsWindowEnabled() ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50));
}

void C2dPositioner::OnButtonDown(POINT point)
{
    // The wheel goes to the focus: after a click it should pick items here, not
    // turn whatever list had the focus before.
    ::SetFocus(m_hWnd);
    int width = 0;
    int height = 0;
    if (m_images.GetSafeHandle() == nullptr || !m_images.GetIconSize(&width, &height))
        return;
    const double radius = width / 2.0;
    auto hit = [&](int index) {
        if (!IsItemVisible(index))
            return false;
        const POINT at = ItemPixel(index);
        return std::hypot(static_cast<double>(point.x - at.x), static_cast<double>(point.y - at.y)) < radius;
    };
    int found = hit(m_current) ? m_current : -1;
    for (int i = 0; found < 0 && i < ItemCount(); ++i)
        if (hit(i))
            found = i;
    if (found >= 0) {
        m_current = found;
        ::SendMessageA(GetParent(), WM_2DPOS_SELCHANGE, static_cast<WPARAM>(found), 0);
    }
    ::SetCapture(m_hWnd);
    if (IsItem(m_current) && m_images.BeginDrag(m_current, {width / 2, height / 2})) {
        m_dragging = true;
        CImageList::DragEnter(m_hWnd, point);
    }
}

void C2dPositioner::OnDrag(POINT point)
{
    SIZE size = ClientSize();
    POINT clamped = {point.x < 0 ? 0 : (point.x > size.cx ? size.cx : point.x),
                     point.y < 0 ? 0 : (point.y > size.cy ? size.cy : point.y)};
    CImageList::DragMove(clamped);
    const POINT logical = ClampedLogical(point);
    m_positions[static_cast<size_t>(m_current)] = logical;
    ::PostMessageA(GetParent(), WM_2DPOS_MOVE, static_cast<WPARAM>(m_current), PackPosition(logical.x, logical.y));
}

void C2dPositioner::OnButtonUp(POINT point)
{
    EndDragImage();
    const POINT logical = ClampedLogical(point);
    m_positions[static_cast<size_t>(m_current)] = logical;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ::PostMessageA(GetParent(), WM_2DPOS_DROP, static_cast<WPARAM>(m_current), PackPosition(logical.x, logical.y));
    Invalidate(false);
}

void C2dPositioner::EndDragImage()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    CImageList::DragLeave(m_hWnd);
    CImageList::EndDrag();
}

void C2dPositioner::OnWheel(int delta)
{
    const int count = ItemCount();
    if (count <= 0)
        return;
    int index = (m_current + delta / kWheelStep) % count;
    if (index < 0)
        index += count;
    SelectAndNotify(index);
}

bool C2dPositioner::OnKeyDown(WPARAM key)
{
    // A drag with the mouse keeps the item; Ctrl with Page Up/Down switches pages.
    if (m_dragging || IsHeld(VK_CONTROL))
        return false;
    const int step = IsHeld(VK_SHIFT) ? kShiftKeyStep : kKeyStep;
    switch (key) {
    case VK_LEFT:
        MoveCurrentBy(-step, 0);
        return true;
    case VK_RIGHT:
        MoveCurrentBy(step, 0);
        return true;
    case VK_UP:
        MoveCurrentBy(0, -step);
        return true;
    case VK_DOWN:
        MoveCurrentBy(0, step);
        return true;
    case VK_PRIOR:
        FinishKeyMove();
        SelectShown(-1);
        return true;
    case VK_NEXT:
        FinishKeyMove();
        SelectShown(1);
        return true;
    default:
        return false;
    }
}

// The item moves as in a drag, one step per key press and repeat.
void C2dPositioner::MoveCurrentBy(int dx, int dy)
{
    if (!IsItem(m_current))
        return;
    POINT& at = m_positions[static_cast<size_t>(m_current)];
    at.x = Clamp(at.x + dx, m_range.xMin, m_range.xMax);
    at.y = Clamp(at.y + dy, m_range.yMin, m_range.yMax);
    m_keyMoved = true;
    ::PostMessageA(GetParent(), WM_2DPOS_MOVE, static_cast<WPARAM>(m_current), PackPosition(at.x, at.y));
    Invalidate(false);
}

void C2dPositioner::OnKeyUp(WPARAM key)
{
    if (IsArrow(key))
        FinishKeyMove();
}

// Released (or the focus or the current item went first): the item is placed, as
// at the end of a drag.
void C2dPositioner::FinishKeyMove()
{
    if (!m_keyMoved || !IsItem(m_current))
        return;
    m_keyMoved = false;
    const POINT at = m_positions[static_cast<size_t>(m_current)];
    ::PostMessageA(GetParent(), WM_2DPOS_DROP, static_cast<WPARAM>(m_current), PackPosition(at.x, at.y));
}

// The next shown item after the current one in that direction, round the end.
void C2dPositioner::SelectShown(int direction)
{
    const int count = ItemCount();
    for (int turn = 1; turn <= count; ++turn) {
        const int index = ((m_current + direction * turn) % count + count) % count;
        if (IsItemVisible(index)) {
            if (index != m_current)
                SelectAndNotify(index);
            return;
        }
    }
}

void C2dPositioner::OnContextMenu(POINT screen)
{
    RECT window = {};
    GetWindowRect(&window);
    if (!::PtInRect(&window, screen))
        return;
    CMenu menu;
    if (!menu.LoadMenu(IDM_POSITIONER_SOURCES))
        return;
    CMenu popup = menu.GetSubMenu(0);
    if (popup.GetSafeHmenu() == nullptr)
        return;
    CheckCurrentSource(popup.GetSafeHmenu(), ItemCount(), m_current);
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, m_hWnd);
}

bool C2dPositioner::OnMenuCommand(WPARAM wParam, LPARAM lParam)
{
    // Menu commands only: controls' notifications carry a window.
    if (HIWORD(wParam) != 0 || lParam != 0)
        return false;
    const int index = static_cast<int>(LOWORD(wParam)) - ID_SOURCE_FIRST;
    if (!IsItem(index))
        return false;
    SelectAndNotify(index);
    return true;
}

void C2dPositioner::SelectAndNotify(int index)
{
    m_current = index;
    ::SendMessageA(GetParent(), WM_2DPOS_SELCHANGE, static_cast<WPARAM>(index), 0);
    Invalidate(false);
}

LRESULT C2dPositioner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (HandleSchemeMessage(*this, message, wParam, lParam, &result))
        return result;
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        CCoolPaintDC dc(m_hWnd);
        Paint(dc.GetSafeHdc());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(point);
        return 0;
    case WM_MOUSEMOVE:
        if (m_dragging && (wParam & MK_LBUTTON) != 0 && IsItem(m_current))
            OnDrag(point);
        return 0;
    case WM_LBUTTONUP:
        // Only the end of a drag begun here moves an item.
        if (m_dragging && IsItem(m_current))
            OnButtonUp(point);
        else if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-drag (a menu, another window): the drag ends unplaced.
        if (reinterpret_cast<HWND>(lParam) != m_hWnd)
            EndDragImage();
        break;
    case WM_MOUSEWHEEL:
        OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (OnKeyDown(wParam))
            return 0;
        break;
    case WM_KEYUP:
        OnKeyUp(wParam);
        break;
    case WM_KILLFOCUS:
        FinishKeyMove();
        Invalidate(false);
        break;
    case WM_SETFOCUS:
        Invalidate(false);
        break;
    case WM_UPDATEUISTATE: {
        // The focus mark follows the keyboard cues.
        const LRESULT cues = CWnd::WindowProc(message, wParam, lParam);
        Invalidate(false);
        return cues;
    }
    case WM_CONTEXTMENU:
        OnContextMenu(point);
        return 0;
    case WM_COMMAND:
        if (OnMenuCommand(wParam, lParam))
            return 0;
        break;
    case WM_SIZE:
        DropBackground();
        Invalidate(false);
        break;
    case WM_ENABLE:
        // The disabled plane has another background.
        DropBackground();
        Invalidate(false);
        break;
    case WM_DISPLAYCHANGE:
        if (m_background.GetWidth() > 0 && static_cast<int>(wParam) != m_background.GetBitsPixel()) {
            DropBackground();
            Invalidate(false);
        }
        break;
    case WM_DESTROY:
        EndDragImage();
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
