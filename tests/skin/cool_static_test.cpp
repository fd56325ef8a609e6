// The skinned static: its three faces, hover scrolling and its timer, passing its
// scheme on to its own children, and which of its kinds take the pointer.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/window_timer.h"
#include "skin/scheme/cool_messages.h"
#include "skin/scheme/cool_spread.h"
#include "skin_probe.h"
#include "skin_test_windows.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_static.h"
#include "support/key_input.h"
#include "support/message_pump.h"
#include "one_of_each_dialog.h"

TEST(CoolStatic, FacesOfTheThreeStyles)
{
    OneOfEachDialog dialog;
    ASSERT_TRUE(dialog.Open());
    dialog.ApplySet(FlatProbeSet());
    DrainMessages();
    const HWND label = dialog.label.m_hWnd;
    const SIZE size = ClientSize(label);
    const RECT inside = {1, 1, size.cx - 1, size.cy - 1};
    // Style 0: like the dialog, framed light over dark.
    auto face = PrintFace(label);
    EXPECT_EQ(RoleOf(dialog, CCOL_LIGHT), face->Pixel(0, 0));
    EXPECT_EQ(RoleOf(dialog, CCOL_SHADOW), face->Pixel(size.cx - 1, size.cy - 1));
    EXPECT_EQ(RoleOf(dialog, CCOL_BACKGROUND), face->Pixel(size.cx - 2, size.cy - 2));
    EXPECT_TRUE(Contains(*face, inside, RoleOf(dialog, CCOL_TEXT)));
    // Style 1: a display in the static colours; disabled it darkens.
    EXPECT_EQ(1, dialog.label.SetStyle(1));
    face = PrintFace(label);
    EXPECT_EQ(RoleOf(dialog, CCOL_STATIC), face->Pixel(size.cx - 2, size.cy - 2));
    EXPECT_TRUE(Contains(*face, inside, RoleOf(dialog, CCOL_STATICBRIGHT)));
    dialog.label.EnableWindow(false);
    EXPECT_EQ(RoleOf(dialog, CCOL_STATICDARK), PrintFace(label)->Pixel(size.cx - 2, size.cy - 2));
    dialog.label.EnableWindow(true);
    // Style 2: what lies behind it in the dialog, without a frame.
    dialog.ApplySet(BuildBuiltInColorSets(nullptr)[3].colors);
    EXPECT_EQ(1, dialog.label.SetStyle(2));
    EXPECT_EQ(0, dialog.label.SetStyle(3));
    DrainMessages();
    face = PrintFace(label);
    HBITMAP background = nullptr;
    ASSERT_EQ(1, dialog.GetBkBitmap(&background));
    RECT place = {};
    dialog.label.GetWindowRect(&place);
    dialog.ScreenToClient(&place);
    DibCanvas behind(size.cx, size.cy);
    HDC source = CreateCompatibleDC(behind.dc());
    HGDIOBJ old = SelectObject(source, background);
    BitBlt(behind.dc(), 0, 0, size.cx, size.cy, source, place.left, place.top, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    for (POINT point : {POINT{0, 0}, POINT{size.cx - 1, size.cy - 1}, POINT{size.cx - 1, 0}})
        EXPECT_EQ(behind.Pixel(point.x, point.y), face->Pixel(point.x, point.y)) << point.x << "," << point.y;
}

TEST(CoolStatic, HoverScrollingSteps)
{
    struct Case {
        int y;
        int step;
    };
    // A static 40 high: the centre is at 20.
    const Case cases[] = {{0, -4}, {5, -3}, {10, -2}, {19, 0}, {20, 0}, {25, 1}, {39, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(c.step, CCoolStatic::ScrollStepAt(c.y, 40)) << c.y;
    EXPECT_EQ(0, CCoolStatic::ScrollStepAt(5, 0));

    StatusHost host(200, 100);
    const int timersBefore = CWindowTimer::LiveCount();
    CCoolStatic scroller;
    ASSERT_TRUE(scroller.Create("STATIC", "Scroll", WS_CHILD | WS_VISIBLE, {10, 10, 60, 50}, host.m_hWnd, 5));
    scroller.SetOptions(CCoolStatic::kHoverScroll);
    // The top: the value falls by 4 every 100 ms while the mouse stays.
    HoverAt(scroller.m_hWnd, 5, 0);
    EXPECT_EQ(-4, scroller.GetScrollStep());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(timersBefore + 1, CWindowTimer::LiveCount());
    EXPECT_EQ(CCoolStatic::kStateHot, scroller.GetState());
    PumpFor(450);
    const int fallen = scroller.GetScrollValue();
    EXPECT_LE(fallen, -12);
    EXPECT_EQ(0, fallen % 4);
    // The centre: the value stays.
    HoverAt(scroller.m_hWnd, 5, 20);
    PumpFor(250);
    EXPECT_EQ(fallen, scroller.GetScrollValue());
    // The bottom: it rises.
    HoverAt(scroller.m_hWnd, 5, 39);
    PumpFor(250);
    EXPECT_GT(scroller.GetScrollValue(), fallen);
    // Leaving stops the timer and zeroes the step.
    HoverAt(scroller.m_hWnd, 5, 60);
    EXPECT_EQ(timersBefore, CWindowTimer::LiveCount());
    EXPECT_EQ(0, scroller.GetScrollStep());
    EXPECT_EQ(0u, scroller.GetState());
    const int left = scroller.GetScrollValue();
    PumpFor(250);
    EXPECT_EQ(left, scroller.GetScrollValue());
    EXPECT_EQ((std::vector<std::string>{"id 5", "clear"}), host.statusLog);
}

TEST(CoolStatic, PassesItsSchemeOnToItsChildren)
{
    StatusHost host(200, 100);
    CCoolStatic frame;
    ASSERT_TRUE(frame.Create("STATIC", "", WS_CHILD | WS_VISIBLE, {10, 10, 110, 60}, host.m_hWnd, 5));
    SchemeChild inner(frame.m_hWnd, {60, 10, 100, 40});
    SendMessageA(frame.m_hWnd, WM_COOL_SETCOLOR, CCOL_STATIC, RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), RoleOf(inner, CCOL_STATIC));
    EXPECT_EQ(RoleOf(frame, CCOL_STATICBRIGHT), RoleOf(inner, CCOL_STATICBRIGHT));
    POINT light = {0, 0};
    SendMessageA(frame.m_hWnd, WM_COOL_SETLIGHT, 0, reinterpret_cast<LPARAM>(&light));
    inner.GetLight(&light);
    EXPECT_EQ(ChildLightPoint({0, 0}, {60, 10, 100, 40}, {100, 50}).x, light.x);
    SendMessageA(frame.m_hWnd, WM_COOL_SETFLAGS, 0, RM_EMBOSSTEXT);
    EXPECT_EQ(RM_EMBOSSTEXT, inner.GetFlags());
    // Its face is the background its children show.
    HBITMAP background = nullptr;
    EXPECT_EQ(1, SendMessageA(frame.m_hWnd, WM_COOL_GETBKBITMAP, 0, reinterpret_cast<LPARAM>(&background)));
    EXPECT_NE(nullptr, background);
    RECT rect = {};
    EXPECT_EQ(1, SendMessageA(frame.m_hWnd, WM_COOL_GETBKRECT, 0, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(100, rect.right - rect.left);
}

// A child whose colour change sets a colour on another frame, as a live preview does.
class RelayingChild : public SchemeChild {
public:
    RelayingChild(HWND parent, const RECT& rect, HWND elsewhere) : SchemeChild(parent, rect), m_elsewhere(elsewhere) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COOL_SETCOLOR && wParam == CCOL_TEXT)
            ::SendMessageA(m_elsewhere, WM_COOL_SETCOLOR, CCOL_STATIC, lParam);
        return SchemeChild::WindowProc(message, wParam, lParam);
    }

private:
    HWND m_elsewhere;
};

TEST(CoolStatic, PassesAWholeSchemeOnOnceAndAnyOtherChangeAtOnce)
{
    StatusHost host(300, 100);
    CCoolStatic frame;
    ASSERT_TRUE(frame.Create("STATIC", "", WS_CHILD | WS_VISIBLE, {10, 10, 110, 60}, host.m_hWnd, 5));
    SchemeChild inner(frame.m_hWnd, {60, 10, 100, 40});
    CCoolStatic other;
    ASSERT_TRUE(other.Create("STATIC", "", WS_CHILD | WS_VISIBLE, {150, 10, 250, 60}, host.m_hWnd, 6));
    SchemeChild otherInner(other.m_hWnd, {10, 10, 50, 40});
    RelayingChild relaying(host.m_hWnd, {260, 10, 290, 40}, other.m_hWnd);

    CCoolScheme scheme;
    scheme.SetColor(CCOL_TEXT, RGB(9, 8, 7));
    SpreadScheme(host.m_hWnd, scheme);

    // The frame's child got one whole scheme: each colour once, not once per message.
    const auto colours = std::count(inner.messages.begin(), inner.messages.end(), WM_COOL_SETCOLOR);
    EXPECT_EQ(CCOL_COUNT, colours);
    EXPECT_EQ(RGB(9, 8, 7), RoleOf(inner, CCOL_TEXT));
    // A frame changed from inside that spread, but not by it, passes its change on at once.
    EXPECT_EQ(RGB(9, 8, 7), RoleOf(otherInner, CCOL_STATIC));
}

// A page's frame lies below the controls on it; a column (a container static) holds
// its own. Only a static that shows something of its own takes the pointer, and
// none keeps it: a pointer gliding across a frame's or a column's pixels onto a
// control finds the control answering its click.
TEST(CoolStatic, APointerGlidingAcrossAFrameOrAColumnReachesTheControlsOnThem)
{
    StatusHost host(300, 160, true);
    CCoolButton onFrame;
    ASSERT_TRUE(onFrame.Create("BUTTON", "On frame", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, {30, 40, 130, 60},
                               host.m_hWnd, 11));
    CCoolStatic frame; // made after the box, so it lies below it
    ASSERT_TRUE(frame.Create("STATIC", "Frame", WS_CHILD | WS_VISIBLE, {10, 10, 150, 150}, host.m_hWnd, 10));
    CCoolStatic column;
    ASSERT_TRUE(column.Create("STATIC", "", WS_CHILD | WS_VISIBLE, {160, 10, 290, 150}, host.m_hWnd, 20));
    CCoolButton inColumn;
    ASSERT_TRUE(inColumn.Create("BUTTON", "In column", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, {10, 30, 110, 50},
                                column.m_hWnd, 21));
    CCoolStatic blank;
    ASSERT_TRUE(blank.Create("STATIC", "", WS_CHILD | WS_VISIBLE, {10, 152, 60, 158}, host.m_hWnd, 30));
    CCoolStatic scroller;
    ASSERT_TRUE(scroller.Create("STATIC", "", WS_CHILD | WS_VISIBLE, {70, 152, 120, 158}, host.m_hWnd, 31));
    scroller.SetOptions(CCoolStatic::kHoverScroll);
    CCoolStatic unlit;
    ASSERT_TRUE(unlit.Create("STATIC", "Unlit", WS_CHILD | WS_VISIBLE, {130, 152, 180, 158}, host.m_hWnd, 32));
    unlit.SetOptions(CCoolStatic::kNoHoverHighlight);
    DrainMessages();

    struct HitCase {
        const char* what;
        HWND window;
        LRESULT expected;
    };
    const HitCase hits[] = {{"a frame with its caption", frame.m_hWnd, HTCLIENT},
                            {"a column between its controls", column.m_hWnd, HTTRANSPARENT},
                            {"a static without text or picture", blank.m_hWnd, HTTRANSPARENT},
                            {"a hover-scrolling static", scroller.m_hWnd, HTCLIENT},
                            {"a static that neither lights nor scrolls", unlit.m_hWnd, HTTRANSPARENT}};
    for (const HitCase& hit : hits) {
        const POINT corner = ScreenPoint(hit.window, {2, 2});
        EXPECT_EQ(hit.expected, SendMessageA(hit.window, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)))
            << hit.what;
    }

    struct Journey {
        const char* what;
        HWND across; // the static whose pixels the pointer crosses first
        CCoolButton& box;
    };
    const Journey journeys[] = {{"across the frame", frame.m_hWnd, onFrame}, {"across the column", column.m_hWnd, inColumn}};
    for (const Journey& journey : journeys) {
        ASSERT_TRUE(GlideTo(ScreenPoint(journey.across, {4, 12}))) << journey.what;
        PumpFor(100);
        EXPECT_EQ(nullptr, GetCapture()) << journey.what;
        RECT bounds = {};
        journey.box.GetClientRect(&bounds);
        ClickAt(ScreenPoint(journey.box.m_hWnd, {6, bounds.bottom / 2}));
        EXPECT_TRUE(PumpUntil([&] { return journey.box.GetCheck() == BST_CHECKED; }, 2000)) << journey.what;
    }
    CursorAway();
    DrainMessages();
}
