// The two-dimensional positioner: mapping between the logical plane and pixels,
// picking and dragging items with the mouse, the wheel, the menu and the keys, painting, and
// no lost drawing resources over many lives.
#include "skin/positioner/c2d_positioner.h"

#include "dialogs/settings3d_ids.h"
#include "positioner_ids.h"
#include "skin/scheme/cool_colors.h"
#include "skin/scheme/cool_messages.h"
#include "support/dib_canvas.h"
#include "support/key_strokes.h"
#include "support/message_pump.h"
#include "support/small_picture.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kItems = 19;

struct Heard {
    UINT message;
    int index;
    int x;
    int y;
};
std::vector<Heard> g_heard;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_2DPOS_SELCHANGE || message == WM_2DPOS_MOVE || message == WM_2DPOS_DROP) {
        g_heard.push_back({message, static_cast<int>(wParam), PackedX(lParam), PackedY(lParam)});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A hidden parent window (ending an active one costs Wine seconds) that records the notifications, with a positioner of the given
// client size made by class name, as a dialog template makes it.
class PositionerWindow {
public:
    // A shared parent outlives this object; else the object makes its own.
    explicit PositionerWindow(int width = 127, int height = 127, bool items = true, HWND sharedParent = nullptr)
        : parent(sharedParent != nullptr ? sharedParent : CreateParent()), m_ownParent(sharedParent == nullptr)
    {
        HWND child = CreateWindowExA(0, C2dPositioner::kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10,
                                     width, height, parent, reinterpret_cast<HMENU>(1291), GetModuleHandleA(nullptr),
                                     nullptr);
        positioner.SubclassWindow(child);
        if (items) {
            positioner.LoadItems(IDB_SOURCES, IDB_SOURCES_WIDTH, 1, kMagenta);
            positioner.SetImageBkColor(CLR_NONE);
        }
        positioner.SetRange(0, 127, 0, 127);
        g_heard.clear();
    }
    ~PositionerWindow()
    {
        DestroyWindow(m_ownParent ? parent : positioner.m_hWnd);
        DrainMessages();
    }
    static HWND CreateParent()
    {
        WNDCLASSA parentClass = {};
        parentClass.lpfnWndProc = ParentProc;
        parentClass.hInstance = GetModuleHandleA(nullptr);
        parentClass.lpszClassName = "PositionerTestParent";
        RegisterClassA(&parentClass);
        return CreateWindowExA(0, "PositionerTestParent", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }
    void Mouse(UINT message, int x, int y, WPARAM keys = 0)
    {
        positioner.SendMessage(message, keys, MAKELPARAM(x, y));
    }
    // Notifications heard since the last call (posted ones dispatched first).
    std::vector<Heard> Take()
    {
        DrainMessages();
        std::vector<Heard> heard;
        heard.swap(g_heard);
        return heard;
    }

    C2dPositioner positioner; // before the parent: destroyed after its window
    HWND parent = nullptr;

private:
    bool m_ownParent;
};

POINT Pos(const C2dPositioner& positioner, int index)
{
    POINT at = {-1, -1};
    positioner.GetItemPos(index, reinterpret_cast<int*>(&at.x), reinterpret_cast<int*>(&at.y));
    return at;
}

} // namespace

TEST(PositionerMapping, LogicalAndClientOverRangesAndSizes)
{
    struct Case {
        PositionerRange range;
        int width, height;
        POINT logical, client;
    };
    const PositionerRange page = {0, 0, 127, 127};
    const PositionerRange initial; // -255 ... 255
    const Case cases[] = {
        {page, 127, 127, {0, 0}, {0, 0}},
        {page, 127, 127, {127, 127}, {127, 127}},
        {page, 127, 127, {64, 30}, {64, 30}},
        {page, 254, 254, {64, 127}, {128, 254}}, // a resized window: twice the pixels
        {page, 254, 127, {1, 1}, {2, 1}},
        {initial, 510, 510, {0, 0}, {255, 255}},
        {initial, 510, 510, {-255, 255}, {0, 510}},
        {initial, 100, 100, {0, 0}, {50, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " (" << c.logical.x << "," << c.logical.y << ")");
        const POINT client = LogicalToClient(c.range, c.width, c.height, c.logical);
        EXPECT_EQ(c.client.x, client.x);
        EXPECT_EQ(c.client.y, client.y);
        const POINT back = ClientToLogical(c.range, c.width, c.height, c.client);
        EXPECT_EQ(c.logical.x, back.x);
        EXPECT_EQ(c.logical.y, back.y);
    }
    // Pixels between two logical steps round to the nearer one.
    EXPECT_EQ(1, ClientToLogical(page, 254, 254, {2, 0}).x);
    EXPECT_EQ(2, ClientToLogical(page, 254, 254, {3, 0}).x);

    // Zero extent: every point maps onto the range minimum, nothing divides by zero.
    const PositionerRange flat = {5, 7, 7, 5};
    EXPECT_EQ(5, ClientToLogical(flat, 100, 100, {60, 0}).x);
    EXPECT_EQ(0, LogicalToClient(flat, 100, 100, {9, 7}).x);
    EXPECT_EQ(0, ClientToLogical(page, 0, 0, {10, 10}).x);
    EXPECT_EQ(0, LogicalToClient(page, 0, 0, {100, 100}).y);

    // The packed position of the notifications: x high, y low, y's sign dropped.
    EXPECT_EQ(127, PackedX(PackPosition(127, 3)));
    EXPECT_EQ(3, PackedY(PackPosition(127, 3)));
    EXPECT_EQ(0xFFFF, PackedY(PackPosition(0, -1)));
}

TEST(Positioner, ItemsRangeAndFailures)
{
    PositionerWindow w(127, 127, false);
    C2dPositioner& p = w.positioner;
    // No image list: no items, no drag, no wheel.
    EXPECT_EQ(-1, p.GetItemCount());
    EXPECT_EQ(static_cast<COLORREF>(-1), p.SetImageBkColor(CLR_NONE));
    w.Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_FALSE(p.IsDragging());
    w.Mouse(WM_LBUTTONUP, 5, 5);
    p.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_TRUE(w.Take().empty());

    EXPECT_EQ(0, p.LoadItems(9999, 24, 1, kMagenta)) << "no such bitmap";
    EXPECT_EQ(-1, p.GetItemCount());

    p.SetDefaultPos(64, 10);
    ASSERT_NE(0, p.LoadItems(IDB_SOURCES, IDB_SOURCES_WIDTH, 1, kMagenta));
    ASSERT_EQ(kItems, p.GetItemCount());
    for (int i = 0; i < kItems; ++i) {
        EXPECT_TRUE(p.IsItemVisible(i));
        EXPECT_EQ(64, Pos(p, i).x);
        EXPECT_EQ(10, Pos(p, i).y);
    }
    int x = 0;
    int y = 0;
    EXPECT_EQ(0, p.GetItemPos(kItems, &x, &y));
    EXPECT_EQ(0, p.GetItemPos(-1, &x, &y));
    EXPECT_EQ(0, p.GetItemPos(0, nullptr, &y));
    p.SetItemPos(kItems, 1, 1); // ignored, no write past the end
    p.SetItemVisible(-1, 0);
    p.SetItemPos(3, 100, 20);
    EXPECT_EQ(100, Pos(p, 3).x);
    EXPECT_EQ(0, p.SetCurSel(3));
    EXPECT_EQ(3, p.SetCurSel(0));

    // The scheme messages are answered.
    LRESULT answer = p.SendMessage(WM_COOL_SETCOLOR, CCOL_STATIC, RGB(10, 20, 30));
    EXPECT_EQ(1, answer);
    COLORREF colour = 0;
    EXPECT_EQ(1, p.SendMessage(WM_COOL_GETCOLOR, CCOL_STATIC, reinterpret_cast<LPARAM>(&colour)));
    EXPECT_EQ(RGB(10, 20, 30), colour);
    HBITMAP background = nullptr;
    EXPECT_EQ(0, p.SendMessage(WM_COOL_GETBKBITMAP, 0, reinterpret_cast<LPARAM>(&background)));
}

TEST(Positioner, DragSendsMovesAndOneDropClampedIntoTheWindow)
{
    PositionerWindow w;
    C2dPositioner& p = w.positioner;
    p.SetItemPos(5, 40, 40);
    p.SetItemPos(0, 100, 100);

    w.Mouse(WM_LBUTTONDOWN, 42, 38, MK_LBUTTON); // within item 5's radius
    EXPECT_TRUE(p.IsDragging());
    EXPECT_EQ(5, p.GetCurSel());
    EXPECT_EQ(GetCapture(), p.m_hWnd);
    EXPECT_EQ(GetFocus(), p.m_hWnd) << "the wheel picks items after a click";
    w.Mouse(WM_MOUSEMOVE, 50, 60, MK_LBUTTON);
    w.Mouse(WM_MOUSEMOVE, 300, 70, MK_LBUTTON); // beyond the right edge
    w.Mouse(WM_LBUTTONUP, 200, -5);
    EXPECT_FALSE(p.IsDragging());
    EXPECT_NE(GetCapture(), p.m_hWnd);

    const std::vector<Heard> heard = w.Take();
    ASSERT_EQ(4u, heard.size());
    EXPECT_EQ(WM_2DPOS_SELCHANGE, heard[0].message);
    EXPECT_EQ(5, heard[0].index);
    EXPECT_EQ(WM_2DPOS_MOVE, heard[1].message);
    EXPECT_EQ(50, heard[1].x);
    EXPECT_EQ(60, heard[1].y);
    EXPECT_EQ(WM_2DPOS_MOVE, heard[2].message);
    EXPECT_EQ(127, heard[2].x);
    EXPECT_EQ(WM_2DPOS_DROP, heard[3].message);
    EXPECT_EQ(5, heard[3].index);
    EXPECT_EQ(127, heard[3].x) << "clamped to the right edge";
    EXPECT_EQ(0, heard[3].y) << "clamped to the top edge";
    EXPECT_EQ(127, Pos(p, 5).x);
    EXPECT_EQ(0, Pos(p, 5).y);

    // A click on empty ground moves the current item there, without a selection.
    w.Mouse(WM_LBUTTONDOWN, 20, 110, MK_LBUTTON);
    w.Mouse(WM_LBUTTONUP, 20, 110);
    const std::vector<Heard> click = w.Take();
    ASSERT_EQ(1u, click.size());
    EXPECT_EQ(WM_2DPOS_DROP, click[0].message);
    EXPECT_EQ(5, click[0].index);
    EXPECT_EQ(20, Pos(p, 5).x);

    // A release that ends no drag of ours moves nothing; neither do moves.
    w.Mouse(WM_MOUSEMOVE, 60, 60, MK_LBUTTON);
    w.Mouse(WM_LBUTTONUP, 60, 60);
    EXPECT_TRUE(w.Take().empty());
    EXPECT_EQ(20, Pos(p, 5).x);

    // In a window twice the size the same logical point lies twice as far out.
    MoveWindow(p.m_hWnd, 10, 10, 254, 254, TRUE);
    w.Mouse(WM_LBUTTONDOWN, 40, 220, MK_LBUTTON); // item 5 at pixel (40, 220)
    w.Mouse(WM_LBUTTONUP, 254, 127);
    const std::vector<Heard> big = w.Take();
    ASSERT_FALSE(big.empty());
    EXPECT_EQ(127, big.back().x);
    EXPECT_EQ(64, big.back().y);
}

TEST(Positioner, ClickWheelAndMenuPickItemsButHiddenItemsCannotBeClicked)
{
    PositionerWindow w;
    C2dPositioner& p = w.positioner;
    // Three overlapping items at the same place.
    for (int i : {2, 4, 7})
        p.SetItemPos(i, 60, 60);
    auto click = [&](int x, int y) {
        w.Mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        w.Mouse(WM_LBUTTONUP, x, y);
        return w.Take();
    };
    click(61, 60);
    EXPECT_EQ(2, p.GetCurSel()) << "the lowest index of those hit";
    p.SetCurSel(7);
    click(60, 61);
    EXPECT_EQ(7, p.GetCurSel()) << "the current item first when it is hit";
    p.SetItemPos(7, 60, 60);
    p.SetItemVisible(2, 0);
    p.SetCurSel(0);
    p.SetItemPos(0, 120, 120);
    click(60, 60);
    EXPECT_EQ(4, p.GetCurSel()) << "the hidden item 2 is passed over";

    // The wheel wraps both ways, and reaches hidden items.
    p.SetCurSel(0);
    p.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(kItems - 1, p.GetCurSel());
    p.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(0, p.GetCurSel());
    p.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), 0);
    EXPECT_EQ(2, p.GetCurSel());
    std::vector<Heard> heard = w.Take();
    ASSERT_EQ(3u, heard.size());
    EXPECT_EQ(WM_2DPOS_SELCHANGE, heard[2].message);
    EXPECT_EQ(2, heard[2].index);

    // Menu commands pick item i by command 32775 + i; control notifications do not.
    p.SendMessage(WM_COMMAND, ID_SOURCE_FX, 0);
    EXPECT_EQ(18, p.GetCurSel());
    p.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SOURCE_FIRST + 3, BN_CLICKED), reinterpret_cast<LPARAM>(w.parent));
    EXPECT_EQ(18, p.GetCurSel());
    p.SendMessage(WM_COMMAND, ID_SOURCE_ALL_MIDI, 0);
    EXPECT_EQ(17, p.GetCurSel());
    heard = w.Take();
    ASSERT_EQ(2u, heard.size());
    EXPECT_EQ(18, heard[0].index);
    EXPECT_EQ(17, heard[1].index);

    // The check mark goes to the current item's entry, past the separator too.
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_POSITIONER_SOURCES));
    ASSERT_NE(nullptr, menu);
    HMENU popup = GetSubMenu(menu, 0);
    for (int current : {18, 17, 0}) {
        C2dPositioner::CheckCurrentSource(popup, kItems, current);
        for (int i = 0; i < kItems; ++i)
            EXPECT_EQ(i == current, (GetMenuState(popup, ID_SOURCE_FIRST + i, MF_BYCOMMAND) & MF_CHECKED) != 0)
                << "current " << current << " entry " << i;
        EXPECT_EQ(0u, GetMenuState(popup, 18, MF_BYPOSITION) & MF_CHECKED) << "never the separator";
    }
    DestroyMenu(menu);
}

// From the keyboard, as from a drag: each step a move, one drop when the key comes
// up; Page Up and Page Down step through the shown items only, round the ends.
TEST(Positioner, KeysMoveTheCurrentItemInStepsAndPickTheShownItems)
{
    PositionerWindow w;
    C2dPositioner& p = w.positioner;
    EXPECT_NE(0u, p.GetStyle() & WS_TABSTOP);
    EXPECT_EQ(DLGC_WANTARROWS, p.SendMessage(WM_GETDLGCODE));
    ShowWindow(w.parent, SW_SHOW);
    SetForegroundWindow(w.parent);
    SetFocus(p.m_hWnd);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == p.m_hWnd; }, 3000));
    p.SetCurSel(5);
    p.SetItemPos(5, 40, 40);
    w.Take();
    auto heardDrop = [&] { return !g_heard.empty() && g_heard.back().message == WM_2DPOS_DROP; };

    const struct {
        const char* what;
        WORD key;
        int repeats;
        WORD modifier;
        POINT end;
    } moves[] = {
        {"Right held for two repeats", VK_RIGHT, 2, 0, {43, 40}},
        {"Shift+Up, ten steps", VK_UP, 0, VK_SHIFT, {43, 30}},
        {"Down", VK_DOWN, 0, 0, {43, 31}},
        {"Shift+Left held, stopped by the edge", VK_LEFT, 4, VK_SHIFT, {0, 31}},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.what);
        const POINT start = Pos(p, 5);
        ASSERT_TRUE(HoldKeyUntil(move.key, move.repeats, move.modifier, heardDrop, 3000));
        const std::vector<Heard> heard = w.Take();
        ASSERT_EQ(static_cast<size_t>(move.repeats + 2), heard.size());
        for (size_t i = 0; i + 1 < heard.size(); ++i)
            EXPECT_EQ(WM_2DPOS_MOVE, heard[i].message);
        EXPECT_NE(start.x + start.y * 1000, heard[0].x + heard[0].y * 1000) << "the first step moves";
        EXPECT_EQ(5, heard.back().index);
        EXPECT_EQ(move.end.x, heard.back().x);
        EXPECT_EQ(move.end.y, heard.back().y);
        EXPECT_EQ(move.end.x, Pos(p, 5).x);
        EXPECT_EQ(move.end.y, Pos(p, 5).y);
    }

    p.SetItemVisible(6, 0);
    p.SetItemVisible(0, 0);
    const struct {
        WORD key;
        int from;
        int to;
    } picks[] = {{VK_NEXT, 5, 7}, {VK_PRIOR, 7, 5}, {VK_NEXT, kItems - 1, 1}, {VK_PRIOR, 1, kItems - 1}};
    for (const auto& pick : picks) {
        SCOPED_TRACE(pick.from);
        p.SetCurSel(pick.from);
        w.Take();
        ASSERT_TRUE(PressChordUntil({pick.key}, [&] { return p.GetCurSel() != pick.from; }, 3000));
        const std::vector<Heard> heard = w.Take();
        ASSERT_EQ(1u, heard.size());
        EXPECT_EQ(WM_2DPOS_SELCHANGE, heard[0].message);
        EXPECT_EQ(pick.to, heard[0].index);
        EXPECT_EQ(pick.to, p.GetCurSel());
    }
    ShowWindow(w.parent, SW_HIDE);
}

TEST(Positioner, PaintsGridItemsAndTheDisabledLook)
{
    PositionerWindow w(120, 100);
    C2dPositioner& p = w.positioner;
    p.SendMessage(WM_COOL_SETFLAGS, 0, RM_AUTOSHADES); // flat: one colour
    p.SendMessage(WM_COOL_SETCOLOR, CCOL_STATIC, RGB(40, 80, 120));
    COLORREF staticColour = 0;
    COLORREF dark = 0;
    COLORREF bright = 0;
    p.GetColor(CCOL_STATIC, &staticColour);
    p.GetColor(CCOL_STATICDARK, &dark);
    p.GetColor(CCOL_STATICBRIGHT, &bright);
    for (int i = 0; i < kItems; ++i)
        p.SetItemVisible(i, 0);

    DibCanvas canvas(120, 100);
    p.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_TRUE(ColorsNear(staticColour, canvas.Pixel(10, 20), 2));
    EXPECT_TRUE(ColorsNear(bright, canvas.Pixel(60, 20), 2)) << "the vertical line of the cross-hair";
    EXPECT_TRUE(p.HasCachedBackground());

    // The current item is drawn at its place, even when hidden from picking.
    p.SetCurSel(0);
    p.SetItemPos(0, 32, 32); // pixel (30, 25)
    p.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_FALSE(ColorsNear(staticColour, canvas.Pixel(30, 25), 8));

    // Disabled: a flat dark ground and a dimmed grid.
    EnableWindow(p.m_hWnd, FALSE);
    EXPECT_FALSE(p.HasCachedBackground());
    p.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_TRUE(ColorsNear(dark, canvas.Pixel(10, 20), 2));
    EXPECT_TRUE(ColorsNear(staticColour, canvas.Pixel(60, 20), 2));

    // A picture that cannot be loaded leaves none; resizing drops the background.
    EXPECT_EQ(0, p.SetPicture("no such picture.bmp"));
    EXPECT_FALSE(p.HasPicture());
    EXPECT_EQ(1, p.SetPicture(nullptr));
    p.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    MoveWindow(p.m_hWnd, 0, 0, 80, 80, TRUE);
    EXPECT_FALSE(p.HasCachedBackground());
}

TEST(Positioner, NoDrawingResourceLostOverAThousandLives)
{
    HWND parent = PositionerWindow::CreateParent();
    DibCanvas canvas(127, 127);
    TempFile picture;
    ASSERT_TRUE(picture.Write(SmallPictureFile(16, 16)));
    auto life = [parent, &canvas, &picture] {
        PositionerWindow w(127, 127, true, parent);
        w.positioner.SetCurSel(3);
        w.Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
        w.Mouse(WM_MOUSEMOVE, 30, 40, MK_LBUTTON);
        w.Mouse(WM_LBUTTONUP, 40, 50);
        // Painted with a picture: background cache, work bitmap, picture.
        EXPECT_EQ(1, w.positioner.SetPicture(picture.Path().c_str()));
        w.positioner.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        EXPECT_TRUE(w.positioner.HasCachedBackground());
        w.Take();
    };
    life(); // first-use costs (window class, stock objects) are not leaks
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i)
        life();
    EXPECT_LE(GdiObjectCount(), before + 2);
    EXPECT_EQ(0u, CWnd::LinkedWindowCount());
    DestroyWindow(parent);
}
