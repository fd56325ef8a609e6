// Skinned buttons on the one-of-each dialog: the faces pixel by pixel, captions by
// state, the platform's face never showing, press and release notifications, the
// status text while hovering, pictures, and the focus mark with the keyboard cues.
#include <gtest/gtest.h>

#include "one_of_each_dialog.h"
#include "skin/scheme/cool_messages.h"
#include "skin_probe.h"
#include "skin_test_ids.h"
#include "skin_test_windows.h"
#include "support/message_pump.h"

namespace {

class ButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Open());
        dialog.ApplySet(FlatProbeSet());
        DrainMessages();
    }
    COLORREF Role(int role) const { return RoleOf(dialog, role); }
    // The caption's area: the face without its bevels.
    static RECT Inside(HWND window)
    {
        const SIZE size = ClientSize(window);
        return {3, 3, size.cx - 3, size.cy - 3};
    }

    OneOfEachDialog dialog;
};

struct Probe {
    int x, y; // negative: from the right or bottom edge
    int role;
};

void ExpectProbes(const char* what, HWND window, const CCoolScheme& scheme, std::initializer_list<Probe> probes)
{
    const auto face = PrintFace(window);
    const SIZE size = ClientSize(window);
    for (const Probe& probe : probes) {
        const int x = probe.x < 0 ? size.cx + probe.x : probe.x;
        const int y = probe.y < 0 ? size.cy + probe.y : probe.y;
        EXPECT_EQ(RoleOf(scheme, probe.role), face->Pixel(x, y)) << what << " at " << x << "," << y;
    }
}

} // namespace

TEST_F(ButtonTest, PushButtonFacesUpDownAndPushLikeChecked)
{
    const HWND push = dialog.push.m_hWnd;
    // Up: two bevels light over shadow around a flat face.
    ExpectProbes("up", push, dialog,
                 {{0, 0, CCOL_LIGHT}, {1, 1, CCOL_LIGHT}, {-1, -1, CCOL_SHADOW}, {-2, -2, CCOL_SHADOW},
                  {2, 2, CCOL_BACKGROUND}, {-3, -3, CCOL_BACKGROUND}});
    // Down: dark over light, light over dark, dark over light.
    dialog.push.SetState(true);
    ExpectProbes("down", push, dialog,
                 {{0, 0, CCOL_SHADOW}, {-1, -1, CCOL_LIGHT}, {1, 1, CCOL_LIGHT}, {-2, -2, CCOL_SHADOW},
                  {2, 2, CCOL_SHADOW}, {-3, -3, CCOL_LIGHT}, {3, 3, CCOL_BACKGROUND}});
    dialog.push.SetState(false);
    // Push-like checked: dark over light twice, light over dark inside.
    dialog.pushLike.SetCheck(BST_CHECKED);
    ExpectProbes("push-like checked", dialog.pushLike.m_hWnd, dialog,
                 {{0, 0, CCOL_SHADOW}, {1, 1, CCOL_SHADOW}, {2, 2, CCOL_LIGHT}, {-1, -1, CCOL_LIGHT},
                  {-2, -2, CCOL_LIGHT}, {-3, -3, CCOL_SHADOW}});
    dialog.pushLike.SetCheck(BST_UNCHECKED);
    ExpectProbes("push-like up", dialog.pushLike.m_hWnd, dialog, {{0, 0, CCOL_LIGHT}, {-1, -1, CCOL_SHADOW}});
}

TEST_F(ButtonTest, CheckBoxRadioAndGroupBoxFaces)
{
    const HWND check = dialog.check.m_hWnd;
    const SIZE size = ClientSize(check);
    // The indicator: as high as an "X", vertically centred at the left.
    HDC screen = GetDC(check);
    HGDIOBJ old = SelectObject(screen, reinterpret_cast<HGDIOBJ>(SendMessageA(check, WM_GETFONT, 0, 0)));
    SIZE letter = {};
    GetTextExtentPoint32A(screen, "X", 1, &letter);
    SelectObject(screen, old);
    ReleaseDC(check, screen);
    const int box = letter.cy;
    const int top = (size.cy - box) / 2;
    const RECT indicator = {0, top, box, top + box};
    auto face = PrintFace(check);
    // Unchecked: raised, filled dark; what is around comes from the dialog.
    EXPECT_EQ(Role(CCOL_LIGHT), face->Pixel(0, top));
    EXPECT_EQ(Role(CCOL_SHADOW), face->Pixel(box - 1, top + box - 1));
    EXPECT_EQ(Role(CCOL_STATICDARK), face->Pixel(box - 3, top + box - 3));
    EXPECT_FALSE(Contains(*face, indicator, Role(CCOL_STATICBRIGHT)));
    EXPECT_EQ(Role(CCOL_BACKGROUND), face->Pixel(box + 1, 0));
    // Checked: sunken, the other shade, a mark.
    dialog.check.SetCheck(BST_CHECKED);
    face = PrintFace(check);
    EXPECT_EQ(Role(CCOL_SHADOW), face->Pixel(0, top));
    EXPECT_EQ(Role(CCOL_LIGHT), face->Pixel(box - 1, top + box - 1));
    EXPECT_EQ(Role(CCOL_STATIC), face->Pixel(box - 3, top + box - 3));
    EXPECT_TRUE(Contains(*face, indicator, Role(CCOL_STATICBRIGHT)));

    // Radio: round, so the corner shows the dialog; a dot when checked.
    const HWND radio = dialog.radio2.m_hWnd;
    const int radioTop = (ClientSize(radio).cy - box) / 2;
    face = PrintFace(radio);
    EXPECT_EQ(Role(CCOL_BACKGROUND), face->Pixel(0, radioTop));
    EXPECT_EQ(Role(CCOL_STATICDARK), face->Pixel(box / 2, radioTop + box / 2));
    dialog.radio2.SetCheck(BST_CHECKED);
    face = PrintFace(radio);
    EXPECT_EQ(Role(CCOL_BACKGROUND), face->Pixel(0, radioTop));
    EXPECT_EQ(Role(CCOL_STATICBRIGHT), face->Pixel(box / 2, radioTop + box / 2));

    // Group box: an etched frame from the caption's middle down, caption in text.
    const HWND group = dialog.group.m_hWnd;
    const SIZE groupSize = ClientSize(group);
    face = PrintFace(group);
    EXPECT_EQ(Role(CCOL_SHADOW), face->Pixel(0, groupSize.cy / 2));
    EXPECT_EQ(Role(CCOL_LIGHT), face->Pixel(1, groupSize.cy / 2));
    EXPECT_EQ(Role(CCOL_LIGHT), face->Pixel(groupSize.cx - 1, groupSize.cy / 2));
    EXPECT_EQ(Role(CCOL_SHADOW), face->Pixel(groupSize.cx - 2, groupSize.cy / 2));
    EXPECT_EQ(Role(CCOL_BACKGROUND), face->Pixel(groupSize.cx / 2, groupSize.cy / 2));
    const RECT caption = {0, 0, groupSize.cx, letter.cy};
    EXPECT_TRUE(Contains(*face, caption, Role(CCOL_TEXT)));
}

TEST_F(ButtonTest, CaptionColoursByStateAndEmbossing)
{
    const HWND push = dialog.push.m_hWnd;
    const RECT inside = Inside(push);
    auto face = PrintFace(push);
    EXPECT_TRUE(Contains(*face, inside, Role(CCOL_TEXT)));
    EXPECT_FALSE(Contains(*face, inside, Role(CCOL_TEXTHOT)));

    dialog.push.EnableWindow(false);
    face = PrintFace(push);
    EXPECT_TRUE(Contains(*face, inside, Role(CCOL_TEXTDISABLED)));
    EXPECT_FALSE(Contains(*face, inside, Role(CCOL_TEXT)));
    dialog.push.EnableWindow(true);

    HoverAt(push, 5, 5);
    ASSERT_TRUE(dialog.push.IsHot());
    face = PrintFace(push);
    EXPECT_TRUE(Contains(*face, inside, Role(CCOL_TEXTHOT)));
    EXPECT_FALSE(Contains(*face, inside, Role(CCOL_TEXT)));
    CursorAway();
    ASSERT_TRUE(PumpUntil([&] { return !dialog.push.IsHot(); }, 2000));

    // The focus lights the caption as the mouse does.
    SendMessageA(push, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(Contains(*PrintFace(push), inside, Role(CCOL_TEXTHOT)));
    SendMessageA(push, WM_KILLFOCUS, 0, 0);
    EXPECT_TRUE(Contains(*PrintFace(push), inside, Role(CCOL_TEXT)));

    // Embossed: light at (-1, -1) and shadow at (+1, +1) of the caption.
    dialog.ApplySet(FlatProbeSet(RM_EMBOSSTEXT));
    face = PrintFace(push);
    const RECT text = BoundsOf(*face, inside, Role(CCOL_TEXT));
    const RECT light = BoundsOf(*face, inside, Role(CCOL_LIGHT));
    const RECT shadow = BoundsOf(*face, inside, Role(CCOL_SHADOW));
    ASSERT_FALSE(IsRectEmpty(&text));
    EXPECT_EQ(text.left - 1, light.left);
    EXPECT_EQ(text.top - 1, light.top);
    EXPECT_EQ(text.right + 1, shadow.right);
    EXPECT_EQ(text.bottom + 1, shadow.bottom);
}

namespace {

// A platform button that paints at once after every message that changes its look,
// as some systems' buttons do (Wine's only invalidate): it fills its window with
// yellow, a colour no skinned face here uses.
constexpr COLORREF kEagerFace = RGB(255, 255, 0);
WNDPROC g_platformButton = nullptr;

LRESULT CALLBACK EagerButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcA(g_platformButton, window, message, wParam, lParam);
    switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        if (IsWindowVisible(window)) {
            HDC dc = GetDC(window);
            RECT client = {};
            GetClientRect(window, &client);
            HBRUSH brush = CreateSolidBrush(kEagerFace);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            ReleaseDC(window, dc);
        }
        break;
    default:
        break;
    }
    return result;
}

const char* EagerButtonClass()
{
    static const bool registered = [] {
        WNDCLASSA button = {};
        GetClassInfoA(nullptr, "BUTTON", &button);
        g_platformButton = button.lpfnWndProc;
        button.lpfnWndProc = EagerButtonProc;
        button.hInstance = GetModuleHandleA(nullptr);
        button.lpszClassName = "HalvardEagerButton";
        return RegisterClassA(&button) != 0;
    }();
    return registered ? "HalvardEagerButton" : nullptr;
}

} // namespace

// Between the platform's handling of a message and the skinned repaint, the window
// holds nothing but colours of the skinned face (before or after).
TEST(CoolButtonHiddenPainting, ThePlatformFaceNeverShows)
{
    struct Case {
        const char* what;
        DWORD style;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Case cases[] = {
        {"check", BS_AUTOCHECKBOX, BM_SETCHECK, BST_CHECKED, 0},
        {"radio", BS_AUTORADIOBUTTON, BM_SETCHECK, BST_CHECKED, 0},
        {"push-like", BS_AUTOCHECKBOX | BS_PUSHLIKE, BM_SETCHECK, BST_CHECKED, 0},
        {"text", BS_PUSHBUTTON, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Pressed")},
        {"group text", BS_GROUPBOX, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Options")},
        {"state", BS_DEFPUSHBUTTON, BM_SETSTATE, TRUE, 0},
        {"disable", BS_PUSHBUTTON, WM_ENABLE, FALSE, 0},
        {"focus", BS_PUSHBUTTON, WM_SETFOCUS, 0, 0},
        {"ui state", BS_AUTOCHECKBOX, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0},
    };
    StatusHost host(200, 100);
    for (const Case& c : cases) {
        for (bool skinned : {false, true}) {
            const HWND window = CreateWindowExA(0, EagerButtonClass(), "Caption", WS_CHILD | WS_VISIBLE | c.style, 10,
                                                10, 90, 30, host.m_hWnd, nullptr, nullptr, nullptr);
            CCoolButton button;
            if (skinned)
                button.SubclassWindow(window);
            // The skinned face: shaded colours of a built-in set.
            const COOLCOLORSET set = BuildBuiltInColorSets(nullptr)[4].colors;
            button.SetColor(CCOL_BACKGROUND, set.background);
            button.SetColor(CCOL_TEXT, set.text);
            button.SetColor(CCOL_STATIC, set.statics);
            button.SetFlags(set.renderMode);
            PumpFor(30);
            const auto before = CaptureShown(window);
            const RECT all = {0, 0, ClientSize(window).cx, ClientSize(window).cy};
            SendMessageA(window, c.message, c.wParam, c.lParam);
            const auto between = CaptureShown(window);
            PumpFor(30);
            const auto after = CaptureShown(window);
            std::set<COLORREF> skinnedColors = ColorsIn(*before, all);
            const std::set<COLORREF> later = ColorsIn(*after, all);
            skinnedColors.insert(later.begin(), later.end());
            int foreign = 0;
            for (COLORREF color : ColorsIn(*between, all))
                foreign += skinnedColors.count(color) == 0 ? 1 : 0;
            if (skinned) {
                EXPECT_EQ(0, foreign) << c.what;
                EXPECT_FALSE(Contains(*between, all, kEagerFace)) << c.what;
            } else {
                // The probe itself: without the skin its face does show.
                EXPECT_TRUE(Contains(*between, all, kEagerFace)) << c.what;
            }
            button.UnsubclassWindow();
            DestroyWindow(window);
        }
    }
}

TEST_F(ButtonTest, NotifyingButtonSendsPressAndReleaseBeforeTheClick)
{
    const HWND notify = dialog.notify.m_hWnd;
    SendMessageA(notify, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(notify, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    std::vector<int> codes;
    for (const auto& command : dialog.commands)
        if (command.first == IDC_NOTIFY && command.second != BN_SETFOCUS && command.second != BN_KILLFOCUS)
            codes.push_back(command.second);
    EXPECT_EQ((std::vector<int>{CCoolButton::kNotifyPressed, CCoolButton::kNotifyReleased, BN_CLICKED}), codes);
    // A button without BS_NOTIFY sends only its click.
    dialog.commands.clear();
    SendMessageA(dialog.push.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(dialog.push.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{IDC_NOTIFY, BN_KILLFOCUS}, {IDC_PUSH, BN_CLICKED}}),
              dialog.commands);
}

TEST_F(ButtonTest, MovingToTheNextButtonClearsTheFirstStatusTextFirst)
{
    HoverAt(dialog.push.m_hWnd, 5, 5);
    EXPECT_EQ("Pushes the button", dialog.status.GetText(0));
    dialog.defPush.SetStatusText("Default action");
    HoverAt(dialog.defPush.m_hWnd, 5, 5);
    // The first button's late ticks change nothing while the mouse stays.
    PumpFor(350);
    EXPECT_EQ((std::vector<std::string>{"id " + std::to_string(IDC_PUSH), "clear", "text Default action"}),
              dialog.statusLog);
    EXPECT_EQ("Default action", dialog.status.GetText(0));
    EXPECT_FALSE(dialog.push.IsHot());
    // The context menu ends the hover.
    SendMessageA(dialog.defPush.m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog.defPush.m_hWnd), -1);
    EXPECT_FALSE(dialog.defPush.IsHot());
    EXPECT_EQ("clear", dialog.statusLog.back());
}

TEST(CoolButtonPictures, LoadedPicturesAndTheirResults)
{
    StatusHost host;
    CCoolButton button;
    ASSERT_TRUE(button.Create("BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, {10, 10, 60, 40}, host.m_hWnd, 1));
    EXPECT_EQ(CCoolButton::kPicturesNone, button.SetBitmaps(MAKEINTRESOURCEA(9999)));
    EXPECT_EQ(CCoolButton::kPicturesPartial,
              button.SetBitmaps(MAKEINTRESOURCEA(IDB_PICTURE), MAKEINTRESOURCEA(9999)));
    EXPECT_EQ(CCoolButton::kPicturesAll,
              button.SetBitmaps(MAKEINTRESOURCEA(IDB_PICTURE), MAKEINTRESOURCEA(IDB_PICTURE_DOWN), nullptr, nullptr,
                                nullptr, true));
    // Sized to the first picture; magenta stays transparent, the diamond shows.
    EXPECT_EQ(16, ClientSize(button.m_hWnd).cx);
    EXPECT_EQ(16, ClientSize(button.m_hWnd).cy);
    auto face = PrintFace(button.m_hWnd);
    EXPECT_EQ(RGB(0, 200, 80), face->Pixel(8, 8));
    EXPECT_FALSE(Contains(*face, {0, 0, 16, 16}, RGB(255, 0, 255)));
    button.SetState(true);
    face = PrintFace(button.m_hWnd);
    EXPECT_EQ(RGB(240, 140, 0), face->Pixel(9, 9)); // the down picture, one pixel lower right
}

namespace {

// The cue state a window reports, set by the test: Wine keeps every window's at
// "shown" whatever it is told.
WNDPROC g_buttonProcedure = nullptr;
LRESULT g_cueState = 0;

LRESULT CALLBACK ReportCues(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYUISTATE)
        return g_cueState;
    return CallWindowProcA(g_buttonProcedure, window, message, wParam, lParam);
}

} // namespace

// The focus mark: a dotted frame in the text colour round the focused box's
// caption, gone while the keyboard cues are hidden and back with them.
TEST_F(ButtonTest, FocusMarkFollowsTheKeyboardCues)
{
    const HWND check = dialog.GetDlgItem(IDC_CHECK);
    SendMessageA(dialog.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(check), TRUE);
    DrainMessages();
    ASSERT_EQ(check, GetFocus());
    g_buttonProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(check, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ReportCues)));
    auto textPixelsWith = [&](WORD action) {
        g_cueState = action == UIS_SET ? UISF_HIDEFOCUS : 0;
        SendMessageA(check, WM_UPDATEUISTATE, MAKEWPARAM(action, UISF_HIDEFOCUS), 0);
        DrainMessages();
        const auto face = PrintFace(check);
        const SIZE size = ClientSize(check);
        int count = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                count += face->Pixel(x, y) == Role(CCOL_TEXT) ? 1 : 0;
        return count;
    };
    const int shown = textPixelsWith(UIS_CLEAR);
    const int hidden = textPixelsWith(UIS_SET);
    EXPECT_GE(shown - hidden, 10) << "the mark shows with the cues only";
    EXPECT_EQ(shown, textPixelsWith(UIS_CLEAR)) << "and comes back with them";
    SetWindowLongPtrA(check, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_buttonProcedure));
}
