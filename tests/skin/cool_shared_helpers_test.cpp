// The techniques every skinned control shares: passing a scheme on, the scheme
// messages, the layout capture, hidden default painting, cached faces, the parent's
// background and the hover with its status text.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/dc.h"
#include "platform/window_timer.h"
#include "skin/draw/cool_dc.h"
#include "skin/controls/cool_control_messages.h"
#include "skin/draw/cool_face_cache.h"
#include "skin/draw/cool_hidden_paint.h"
#include "skin/controls/cool_hover.h"
#include "skin/controls/cool_layout.h"
#include "skin/scheme/cool_messages.h"
#include "skin/controls/cool_paint.h"
#include "skin/controls/cool_parent_background.h"
#include "skin/scheme/cool_spread.h"
#include "skin/controls/cool_static.h"
#include "support/dib_canvas.h"
#include "support/message_pump.h"
#include "skin_test_windows.h"

namespace {

COLORREF Role(const CCoolScheme& scheme, int role)
{
    COLORREF color = 0;
    scheme.GetColor(role, &color);
    return color;
}

bool HasUpdateRegion(HWND window)
{
    RECT update = {};
    return GetUpdateRect(window, &update, FALSE) != FALSE;
}

// A skinned window with a hover, as controls use it.
class HoverProbe : public CWnd, public CCoolScheme {
public:
    HoverProbe(HWND parent, const RECT& rect, int id, UINT_PTR timerId) : hover(*this, timerId)
    {
        CreateEx(0, SkinTestWindowClass(), "", WS_CHILD | WS_VISIBLE, rect, parent, static_cast<UINT>(id));
        hover.SetOnChange([this] { ++repaints; });
    }
    CCoolHover hover;
    int repaints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_MOUSEMOVE:
            hover.OnMouseMove(m_hWnd, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        case WM_TIMER:
            if (hover.OnTimer(wParam))
                return 0;
            break;
        case WM_MOUSELEAVE:
            hover.OnMouseLeave();
            break;
        case WM_DESTROY:
            hover.OnDestroy();
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(SpreadScheme, ChildLightPoints)
{
    struct Case {
        const char* what;
        POINT light;
        RECT child;
        SIZE client;
        POINT expected;
    };
    const Case cases[] = {
        // Centre (50, 20) on the light point: the child's own centre.
        {"centred", {50, 20}, {30, 10, 70, 30}, {200, 100}, {20, 10}},
        // Right half, light at the left edge: 20 - 40 * 150 / 200 = -10.
        {"right half", {0, 50}, {130, 40, 170, 60}, {200, 100}, {-10, 10}},
        // Left of the light: the point moves right of the centre.
        {"left half", {200, 50}, {10, 40, 50, 60}, {200, 100}, {20 + 40 * 170 / 200, 10}},
        // Truncating division toward zero: 5 - 10 * 7 / 20 = 5 - 3.
        {"truncation", {8, 8}, {10, 10, 20, 20}, {20, 20}, {2, 2}},
        {"no client area", {33, 44}, {0, 0, 10, 10}, {0, 100}, {33, 44}},
        // Products beyond 32 bits still come out right.
        {"large", {0, 0}, {60000, 0, 100000, 10}, {100000, 10}, {20000 - 40000 * 80000LL / 100000, 0}},
    };
    for (const Case& c : cases) {
        const POINT point = ChildLightPoint(c.light, c.child, c.client);
        EXPECT_EQ(c.expected.x, point.x) << c.what;
        EXPECT_EQ(c.expected.y, point.y) << c.what;
    }
}

TEST(SpreadScheme, EveryChildGetsColoursLightFlagsAndARepaint)
{
    StatusHost host(200, 100);
    SchemeChild left(host.m_hWnd, {10, 40, 50, 60});
    SchemeChild right(host.m_hWnd, {130, 40, 170, 60});
    DrainMessages();
    CCoolScheme scheme;
    scheme.SetFlags(RM_EMBOSSTEXT);
    scheme.SetColor(CCOL_PEAKLOW, RGB(1, 2, 3));
    scheme.SetLight({0, 50});
    SpreadScheme(host.m_hWnd, scheme);
    for (SchemeChild* child : {&left, &right}) {
        for (int role = 0; role < CCOL_COUNT; ++role)
            EXPECT_EQ(Role(scheme, role), Role(*child, role)) << role;
        EXPECT_EQ(RM_EMBOSSTEXT, child->GetFlags());
        EXPECT_TRUE(HasUpdateRegion(child->m_hWnd));
    }
    POINT light = {};
    right.GetLight(&light);
    EXPECT_EQ(-10, light.x);
    EXPECT_EQ(10, light.y);
    left.GetLight(&light);
    EXPECT_EQ(20 - 40 * 30 / 200, light.x);
}

// A frame holding controls (as a mixer fader holds its sliders) passes a whole
// scheme on once, not once per message of it: a sheet, its page, a frame and its
// sliders would otherwise multiply the messages level by level.
TEST(SpreadScheme, AFrameInsideAContainerPassesAWholeSchemeOnOnce)
{
    StatusHost host(200, 100);
    CCoolStatic frame;
    ASSERT_TRUE(frame.Create("STATIC", "", WS_CHILD | WS_VISIBLE, {10, 10, 150, 90}, host.m_hWnd, 3));
    SchemeChild inner(frame.m_hWnd, {5, 5, 40, 40});
    DrainMessages();
    CCoolScheme scheme;
    scheme.SetColor(CCOL_TEXT, RGB(1, 2, 3));
    inner.messages.clear();
    SpreadScheme(host.m_hWnd, scheme);
    size_t colours = 0;
    for (UINT message : inner.messages)
        colours += message == WM_COOL_SETCOLOR ? 1 : 0;
    EXPECT_EQ(static_cast<size_t>(CCOL_COUNT), colours);
    for (int role = 0; role < CCOL_COUNT; ++role)
        EXPECT_EQ(Role(frame, role), Role(inner, role)) << role;
    EXPECT_EQ(RGB(1, 2, 3), Role(inner, CCOL_TEXT));

    // A single change outside a whole scheme still reaches the frame's controls at once.
    SendMessageA(frame.m_hWnd, WM_COOL_SETCOLOR, CCOL_TEXT, RGB(4, 5, 6));
    EXPECT_EQ(RGB(4, 5, 6), Role(inner, CCOL_TEXT));
}

TEST(SchemeMessages, AnswersAndGuards)
{
    StatusHost host;
    SchemeChild child(host.m_hWnd, {10, 20, 40, 60});
    const HWND window = child.m_hWnd;
    EXPECT_EQ(1, SendMessageA(window, WM_COOL_SETCOLOR, CCOL_TEXT, RGB(9, 8, 7)));
    COLORREF color = 0;
    EXPECT_EQ(1, SendMessageA(window, WM_COOL_GETCOLOR, CCOL_TEXT, reinterpret_cast<LPARAM>(&color)));
    EXPECT_EQ(RGB(9, 8, 7), color);
    int mode = 0;
    EXPECT_EQ(1, SendMessageA(window, WM_COOL_SETFLAGS, 0, RM_BLENDPICTURE));
    EXPECT_EQ(1, SendMessageA(window, WM_COOL_GETFLAGS, 0, reinterpret_cast<LPARAM>(&mode)));
    EXPECT_EQ(RM_BLENDPICTURE, mode);
    // Missing pointers are refused, not followed.
    EXPECT_EQ(0, SendMessageA(window, WM_COOL_GETCOLOR, CCOL_TEXT, 0));
    EXPECT_EQ(0, SendMessageA(window, WM_COOL_SETLIGHT, 0, 0));
    EXPECT_EQ(0, SendMessageA(window, WM_COOL_GETFLAGS, 0, 0));
    EXPECT_EQ(0, SendMessageA(window, WM_COOL_GETLAYOUT, 0, 0));
    // A plain control has no background to give.
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
    EXPECT_EQ(0, SendMessageA(window, WM_COOL_GETBKBITMAP, 0, reinterpret_cast<LPARAM>(&bitmap)));

    // The layout record: not captured until the first paint captures it.
    CoolLayout layout = {};
    EXPECT_EQ(1, SendMessageA(window, WM_COOL_GETLAYOUT, 0, reinterpret_cast<LPARAM>(&layout)));
    EXPECT_EQ(static_cast<int32_t>(0x80000033u), layout.flags);
    CaptureLayout(window, child.m_layout);
    SendMessageA(window, WM_COOL_GETLAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    const CoolLayout expected = {0x33, 10, 400 - 40, 20, 300 - 60, 30, 40};
    EXPECT_EQ(0, std::memcmp(&expected, &layout, sizeof(layout)));
    // Captured once: a later move does not change the record.
    SetWindowPos(window, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CaptureLayout(window, child.m_layout);
    EXPECT_EQ(10, child.m_layout.leftMargin);

    LRESULT result = 0;
    EXPECT_FALSE(HandleSchemeMessage(child, WM_PAINT, 0, 0, &result));
}

TEST(HiddenPaint, TheWindowIsInvisibleOnlyWhileThePlatformHandlesTheMessage)
{
    StatusHost host;
    SchemeChild child(host.m_hWnd, {10, 10, 50, 50});
    DrainMessages();
    ValidateRect(child.m_hWnd, nullptr);
    {
        CCoolHiddenPaint outer(child.m_hWnd);
        EXPECT_TRUE(outer.HidTheWindow());
        EXPECT_FALSE(IsWindowVisible(child.m_hWnd));
        {
            CCoolHiddenPaint inner(child.m_hWnd);
            EXPECT_FALSE(inner.HidTheWindow());
        }
        // The inner scope does not show the window early.
        EXPECT_FALSE(IsWindowVisible(child.m_hWnd));
    }
    EXPECT_TRUE(IsWindowVisible(child.m_hWnd));
    EXPECT_TRUE(HasUpdateRegion(child.m_hWnd));
    // A window that was hidden before stays hidden.
    ShowWindow(child.m_hWnd, SW_HIDE);
    EXPECT_EQ(7, CallHidden(child.m_hWnd, [] { return 7; }));
    EXPECT_FALSE(IsWindowVisible(child.m_hWnd));
}

TEST(FaceCache, FacesAreDrawnOnceUntilDroppedOrResized)
{
    const DWORD gdiBefore = GdiObjectCount();
    {
        CCoolFaceCache faces(2);
        int painted = 0;
        const CCoolFaceCache::Painter paint = [&painted](CCoolDC& dc, const RECT& rect) {
            ++painted;
            dc.FillSolidRect(rect, RGB(10, 20, 30));
        };
        DibCanvas canvas(40, 40, RGB(0, 0, 0));
        EXPECT_TRUE(faces.Draw(0, canvas.dc(), 5, 5, 20, 10, paint));
        EXPECT_TRUE(faces.Draw(0, canvas.dc(), 5, 5, 20, 10, paint));
        EXPECT_EQ(1, painted);
        EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(24, 14));
        EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(25, 15));
        EXPECT_FALSE(faces.Has(1));
        faces.Drop();
        EXPECT_FALSE(faces.Has(0));
        faces.Draw(0, canvas.dc(), 0, 0, 20, 10, paint);
        faces.Draw(0, canvas.dc(), 0, 0, 30, 10, paint); // another size
        EXPECT_EQ(3, painted);
        EXPECT_EQ(nullptr, faces.Get(2, canvas.dc(), 10, 10, paint));
        EXPECT_EQ(nullptr, faces.Get(0, canvas.dc(), 0, 10, paint));
    }
    EXPECT_EQ(gdiBefore, GdiObjectCount());
}

TEST(ParentBackground, TheControlGetsThePartBehindIt)
{
    StatusHost host(200, 100);
    SchemeChild child(host.m_hWnd, {90, 10, 110, 30});
    DibCanvas canvas(20, 20, RGB(1, 1, 1));
    EXPECT_FALSE(CopyParentBackground(child.m_hWnd, canvas.dc(), 0, 0, 20, 20));
    EXPECT_EQ(RGB(1, 1, 1), canvas.Pixel(0, 0));

    // A parent background red on the left half, blue on the right.
    auto makeBackground = [&](int width, int height) {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(canvas.dc(), width, height);
        CDC dc;
        dc.CreateCompatibleDC(canvas.dc());
        CScopedSelect selected(dc.GetSafeHdc(), bitmap.GetHandle());
        dc.FillSolidRect({0, 0, width / 2, height}, RGB(255, 0, 0));
        dc.FillSolidRect({width / 2, 0, width, height}, RGB(0, 0, 255));
        return static_cast<HBITMAP>(bitmap.Detach());
    };
    for (int scale : {1, 2}) {
        host.background = makeBackground(200 / scale, 100 / scale);
        canvas.Fill(RGB(1, 1, 1));
        EXPECT_TRUE(CopyParentBackground(child.m_hWnd, canvas.dc(), 0, 0, 20, 20)) << scale;
        EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(0, 5)) << scale;
        EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(9, 5)) << scale;
        EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(11, 5)) << scale;
        EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(19, 19)) << scale;
        DeleteObject(host.background);
        host.background = nullptr;
    }
}

TEST(Hover, MovingToTheNextControlClearsTheFirstStatusBeforeTheSecondSetsIt)
{
    StatusHost host(200, 100);
    const int timersBefore = CWindowTimer::LiveCount();
    {
        HoverProbe first(host.m_hWnd, {10, 10, 60, 40}, 1001, kButtonHoverTimer);
        HoverProbe second(host.m_hWnd, {60, 10, 110, 40}, 1002, kButtonHoverTimer);
        second.m_statusText = "Second";
        HoverAt(first.m_hWnd, 5, 5);
        HoverAt(first.m_hWnd, 6, 5); // a second move changes nothing
        EXPECT_TRUE(first.hover.IsHot());
        EXPECT_EQ(&first.hover, CCoolHover::Hot());
        EXPECT_EQ(timersBefore + 1, CWindowTimer::LiveCount());
        HoverAt(second.m_hWnd, 5, 5);
        EXPECT_FALSE(first.hover.IsHot());
        EXPECT_TRUE(second.hover.IsHot());
        EXPECT_EQ(timersBefore + 1, CWindowTimer::LiveCount());
        // The first control's late ticks find nothing to clear.
        PumpFor(300);
        EXPECT_EQ((std::vector<std::string>{"id 1001", "clear", "text Second"}), host.statusLog);
        EXPECT_EQ(2, first.repaints);
        CursorAway();
        EXPECT_TRUE(PumpUntil([&] { return !second.hover.IsHot(); }, 2000));
        EXPECT_EQ("clear", host.statusLog.back());
        EXPECT_EQ(timersBefore, CWindowTimer::LiveCount());
        EXPECT_EQ(nullptr, CCoolHover::Hot());
        // Destroyed while hot: timer gone, status cleared.
        HoverAt(first.m_hWnd, 5, 5);
        first.DestroyWindow();
        EXPECT_EQ(nullptr, CCoolHover::Hot());
        EXPECT_EQ("clear", host.statusLog.back());
    }
    EXPECT_EQ(timersBefore, CWindowTimer::LiveCount());
}

TEST(Hover, LeaveNoticeHoverTakesNoCaptureAndEndsWhenThePointerGoes)
{
    StatusHost host(200, 100);
    HoverProbe probe(host.m_hWnd, {10, 10, 60, 40}, 1003, 0);
    HoverAt(probe.m_hWnd, 5, 5);
    EXPECT_TRUE(probe.hover.IsHot());
    EXPECT_EQ(nullptr, GetCapture()) << "hovering leaves the pointer to every window";
    PumpFor(150);
    HoverAt(probe.m_hWnd, 49, 29);
    EXPECT_TRUE(probe.hover.IsHot()) << "resting inside keeps it hot";
    HoverAt(probe.m_hWnd, 50, 5); // just outside, seen while another part holds the capture
    EXPECT_FALSE(probe.hover.IsHot());
    // Gone without a move reaching it: the system's leave notice ends the hover.
    HoverAt(probe.m_hWnd, 5, 5);
    EXPECT_TRUE(probe.hover.IsHot());
    CursorAway();
    EXPECT_TRUE(PumpUntil([&] { return !probe.hover.IsHot(); }, 2000));
    EXPECT_EQ((std::vector<std::string>{"id 1003", "clear", "id 1003", "clear"}), host.statusLog);
}

namespace {

// A group box keeps out of its painting the controls that lie on it, but not a
// frame around it: a group box inside a group box still has something to draw.
TEST(OverlappingSiblingsTest, ControlsOnAWindowCountAndAFrameAroundItDoesNot)
{
    const HWND parent = CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                        nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, parent);
    auto child = [parent](int x, int y, int cx, int cy) {
        return CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, x, y, cx, cy, parent, nullptr,
                               nullptr, nullptr);
    };
    const HWND outer = child(0, 0, 300, 200);
    const HWND inner = child(10, 20, 100, 80);
    child(20, 40, 50, 10); // a control on the inner frame
    child(250, 150, 100, 100); // over the outer frame's corner only
    const std::vector<RECT> onInner = OverlappingSiblings(inner);
    ASSERT_EQ(1u, onInner.size());
    EXPECT_EQ(10, onInner[0].left);
    EXPECT_EQ(20, onInner[0].top);
    EXPECT_EQ(3u, OverlappingSiblings(outer).size());
    DestroyWindow(parent);
}

} // namespace
