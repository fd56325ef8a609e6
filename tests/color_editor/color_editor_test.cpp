// The colour editor: its controls and their places, the sets it applies (built-in,
// random, Windows, the user's, damaged ones), the colour chooser behind each colour
// button, the reflections switch, what OK and Cancel return, and the user's sets
// saved, renamed and deleted through its small dialogs (registry checked byte for
// byte).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "skin/color_editor/color_set_list_dialog.h"
#include "skin/color_editor/color_set_name_dialog.h"
#include "skin/controls/cool_color_button.h"
#include "skin/color_editor/cool_color_dialog.h"
#include "skin/scheme/cool_color_store.h"
#include "skin/scheme/cool_messages.h"
#include "support/message_box_catcher.h"
#include "support/modal_script.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"

// Rectangles compared and printed by the checks (found by argument lookup).
bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

using Dialog = CCoolColorDialog;
using StoredSet = std::pair<std::string, std::vector<BYTE>>;
const std::string kUserSets = std::string(kCoolColorsKey) + "\\" + kUserSetsKey;
const std::string kCaption = "Color Settings";

std::vector<BYTE> SetBytes(const COOLCOLORSET& set)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&set);
    return std::vector<BYTE>(bytes, bytes + sizeof(set));
}

// The user sets in the registry: name and bytes as stored, sorted by name.
std::vector<StoredSet> StoredSets()
{
    std::vector<StoredSet> sets;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kUserSets.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return sets;
    for (DWORD index = 0;; ++index) {
        char name[300] = {};
        DWORD nameSize = sizeof(name);
        BYTE data[64] = {};
        DWORD dataSize = sizeof(data);
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, nullptr, data, &dataSize) != ERROR_SUCCESS)
            break;
        sets.emplace_back(name, std::vector<BYTE>(data, data + dataSize));
    }
    RegCloseKey(key);
    std::sort(sets.begin(), sets.end());
    return sets;
}

COLORREF SchemeColor(HWND window, int role)
{
    COLORREF color = CLR_INVALID;
    SendMessageA(window, WM_COOL_GETCOLOR, static_cast<WPARAM>(role), reinterpret_cast<LPARAM>(&color));
    return color;
}

int SchemeFlags(HWND window)
{
    int mode = -1;
    SendMessageA(window, WM_COOL_GETFLAGS, 0, reinterpret_cast<LPARAM>(&mode));
    return mode;
}

COLORREF ButtonColor(HWND dialog, int index)
{
    auto* button = dynamic_cast<CCoolColorButton*>(CWnd::FromHandle(GetDlgItem(dialog, Dialog::kBackgroundId + index)));
    return button != nullptr ? button->GetColor() : CLR_INVALID;
}

// The five colours the buttons show and the dialog's render mode, as a set.
COOLCOLORSET ShownSet(HWND dialog)
{
    return {ButtonColor(dialog, 0), ButtonColor(dialog, 1), ButtonColor(dialog, 2), ButtonColor(dialog, 3),
            ButtonColor(dialog, 4), SchemeFlags(dialog)};
}

bool SameSet(const COOLCOLORSET& a, const COOLCOLORSET& b) { return std::memcmp(&a, &b, sizeof(a)) == 0; }

void Choose(HWND dialog, const char* name)
{
    const HWND combo = GetDlgItem(dialog, Dialog::kPresetsId);
    const LRESULT index =
        SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    ASSERT_GE(index, 0) << name;
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(Dialog::kPresetsId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::string> ComboItems(HWND dialog)
{
    const HWND combo = GetDlgItem(dialog, Dialog::kPresetsId);
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[300] = {};
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

std::string SelectedPreset(HWND dialog)
{
    char text[300] = {};
    GetWindowTextA(GetDlgItem(dialog, Dialog::kPresetsId), text, sizeof(text));
    return text;
}

RECT ItemRect(HWND dialog, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The chooser's red, green and blue fields, in this order.
constexpr int kChooserRed = 706;

void ChooseColorByKeys(HWND chooser, COLORREF color)
{
    const int parts[] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    for (int i = 0; i < 3; ++i)
        ModalScript::Type(GetDlgItem(chooser, kChooserRed + i), std::to_string(parts[i]));
    ModalScript::Click(chooser, IDOK);
}

void ClickNow(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class ColorEditorTest : public testing::Test {
protected:
    // Every set the user keeps is put back afterwards.
    RegistryTreeGuard m_store{HKEY_CURRENT_USER, kCoolColorsKey};

    void SetUp() override { DeleteKeyTree(HKEY_CURRENT_USER, kUserSets); }

    // Runs the editor with the script; its answer, and the set it returned.
    INT_PTR Run(ModalScript& script, COOLCOLORSET* result = nullptr)
    {
        Dialog dialog(nullptr);
        const INT_PTR answer = dialog.DoModal();
        EXPECT_TRUE(script.Done()) << "steps run: " << script.Ran();
        EXPECT_FALSE(script.TimedOut());
        if (result != nullptr)
            dialog.GetResult(result);
        return answer;
    }
};

} // namespace

TEST_F(ColorEditorTest, ControlsSitWhereTheLayoutPutsThem)
{
    const COOLCOLORSET apricot = {0x80C0FF, 0, 0x404040, 0xFF, 0xFF00, 9};
    ASSERT_TRUE(CCoolColorStore::WriteUserSet("Apricot", apricot));
    ModalScript script;
    script.Then(kCaption, [](HWND dialog) {
        const struct {
            int id;
            const char* className;
            const char* text;
        } items[] = {
            {Dialog::kSettingsGroupId, "Button", "Color Settings"}, {Dialog::kPresetsId, "ComboBox", nullptr},
            {Dialog::kSaveId, "Button", "Save"},                     {Dialog::kOrganizeId, "Button", "Organize"},
            {Dialog::kBackgroundId, "Button", "Background"},         {Dialog::kTextId, "Button", "Text"},
            {Dialog::kStaticId, "Button", "Static controls"},        {Dialog::kPeakHighId, "Button", "Peakmeter high"},
            {Dialog::kPeakLowId, "Button", "Peakmeter low"},         {Dialog::kReflectionsId, "Button", "Reflections off"},
            {Dialog::kDemoGroupId, "Button", "Demo Controls"},       {Dialog::kDemoButtonId, "Button", "Demo Button"},
            {Dialog::kDemoCheckId, "Button", "Demo Checkbox"},       {Dialog::kDemoStaticId, "Static", "Demo Static"},
            {Dialog::kDemoSliderId, "msctls_trackbar32", nullptr},
        };
        for (const auto& item : items) {
            const HWND control = GetDlgItem(dialog, item.id);
            ASSERT_NE(nullptr, control) << item.id;
            char className[64] = {};
            GetClassNameA(control, className, sizeof(className));
            EXPECT_STRCASEEQ(item.className, className) << item.id;
            if (item.text != nullptr) {
                char text[64] = {};
                GetWindowTextA(control, text, sizeof(text));
                EXPECT_STREQ(item.text, text);
            }
        }
        // Rows of the left group: 20 high, 28 apart, an extra 8 before the colours.
        EXPECT_EQ(18, ItemRect(dialog, Dialog::kPresetsId).left);
        EXPECT_EQ(34, ItemRect(dialog, Dialog::kPresetsId).top);
        EXPECT_EQ((RECT{18, 62, 108, 82}), ItemRect(dialog, Dialog::kSaveId));
        EXPECT_EQ((RECT{112, 62, 202, 82}), ItemRect(dialog, Dialog::kOrganizeId));
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ((RECT{18, 98 + 28 * i, 202, 118 + 28 * i}), ItemRect(dialog, Dialog::kBackgroundId + i));
        EXPECT_EQ((RECT{18, 238, 202, 258}), ItemRect(dialog, Dialog::kReflectionsId));
        EXPECT_EQ((RECT{10, 10, 210, 260}), ItemRect(dialog, Dialog::kSettingsGroupId));
        // The right group: 8 further right, 50 narrower, down to the slider's bottom.
        EXPECT_EQ((RECT{218, 10, 368, 148}), ItemRect(dialog, Dialog::kDemoGroupId));
        EXPECT_EQ((RECT{226, 118, 360, 148}), ItemRect(dialog, Dialog::kDemoSliderId));
        EXPECT_EQ((RECT{226, 222, 360, 242}), ItemRect(dialog, IDCANCEL));
        EXPECT_EQ((RECT{226, 250, 360, 270}), ItemRect(dialog, IDOK));
        RECT client = {};
        GetClientRect(dialog, &client);
        EXPECT_EQ(376, client.right);
        EXPECT_EQ(278, client.bottom) << "OK is not cut off";
        const LONG frame = static_cast<LONG>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
        EXPECT_EQ(frame, GetWindowLongA(dialog, GWL_STYLE) & frame);

        const HWND slider = GetDlgItem(dialog, Dialog::kDemoSliderId);
        EXPECT_EQ(60, SendMessageA(slider, TBM_GETPOS, 0, 0));
        EXPECT_EQ(100, SendMessageA(slider, TBM_GETRANGEMAX, 0, 0));
        EXPECT_EQ(100, SendMessageA(slider, TBM_GETSELEND, 0, 0));
        EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dialog, Dialog::kDemoCheckId), BM_GETCHECK, 0, 0));

        // Built-in names first ("- " sorts before letters), the user's among the rest.
        const std::vector<std::string> expected = {"- Default -", "- Random -", "- Windows -", "Apricot",
                                                   "Black/White", "Green", "Grey 1", "Grey 2", "Hot Metal",
                                                   "Midnight Blue"};
        EXPECT_EQ(expected, ComboItems(dialog));
        EXPECT_EQ("- Default -", SelectedPreset(dialog));
        EXPECT_TRUE(SameSet(kDefaultColorSet, ShownSet(dialog)));
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(dialog, Dialog::kReflectionsId), BM_GETCHECK, 0, 0));
        ModalScript::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, Run(script));
}

TEST_F(ColorEditorTest, ChosenSetsAreShownWithShadesFollowing)
{
    const COOLCOLORSET embossed = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, RM_EMBOSSTEXT | RM_REFLECTIONS};
    ASSERT_TRUE(CCoolColorStore::WriteUserSet("Embossed", embossed));
    // A damaged set of 20 bytes: listed, and choosing it changes nothing.
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, kUserSets, "Damaged", REG_BINARY, &embossed, 20));

    ModalScript script;
    script.Then(kCaption, [&](HWND dialog) {
        Choose(dialog, "Black/White");
        EXPECT_TRUE(SameSet({0x383838, 0xFFFFFF, 0x404040, 0xAAAAAA, 0x666666, 8}, ShownSet(dialog)));
        EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(dialog, Dialog::kReflectionsId), BM_GETCHECK, 0, 0));
        EXPECT_EQ(0x383838u, SchemeColor(dialog, CCOL_BACKGROUND));
        EXPECT_EQ(ScaleColor(0x383838, 0.5f), SchemeColor(dialog, CCOL_SHADOW)) << "shades follow";
        EXPECT_EQ(0x383838u, SchemeColor(GetDlgItem(dialog, Dialog::kDemoButtonId), CCOL_BACKGROUND))
            << "the preview's controls take the set";

        Choose(dialog, "Embossed");
        EXPECT_EQ(RM_REFLECTIONS | RM_AUTOSHADES, SchemeFlags(dialog)) << "emboss off, auto shades on";
        EXPECT_EQ(0x112233u, ButtonColor(dialog, 0));
        Choose(dialog, "Damaged");
        EXPECT_EQ(0x112233u, ButtonColor(dialog, 0));
        EXPECT_EQ(0x112233u, SchemeColor(dialog, CCOL_BACKGROUND));

        Choose(dialog, "- Random -");
        const COOLCOLORSET firstRandom = ShownSet(dialog);
        EXPECT_EQ(9, firstRandom.renderMode);
        Choose(dialog, "- Random -");
        EXPECT_FALSE(SameSet(firstRandom, ShownSet(dialog)));
        EXPECT_EQ(9, SchemeFlags(dialog));

        Choose(dialog, "Black/White");
        Choose(dialog, "- Windows -");
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ButtonColor(dialog, 0));
        EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), ButtonColor(dialog, 1));
        EXPECT_EQ(0xAAAAAAu, ButtonColor(dialog, 3)) << "peak colours stay";
        EXPECT_EQ(0x666666u, ButtonColor(dialog, 4));
        EXPECT_EQ(8, SchemeFlags(dialog)) << "render mode stays";
        ModalScript::Click(dialog, IDOK);
    });
    COOLCOLORSET result = {};
    EXPECT_EQ(IDOK, Run(script, &result));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), result.background);
    EXPECT_EQ(0xAAAAAAu, result.peakHigh);
    EXPECT_EQ(8, result.renderMode);
}

TEST_F(ColorEditorTest, OkUntouchedReturnsTheDefaultSet)
{
    ModalScript script;
    script.Then(kCaption, [](HWND dialog) { ModalScript::Click(dialog, IDOK); });
    COOLCOLORSET result = {};
    EXPECT_EQ(IDOK, Run(script, &result));
    EXPECT_TRUE(SameSet(kDefaultColorSet, result));
    EXPECT_TRUE(StoredSets().empty()) << "nothing stored by opening and closing";

    Dialog unused(nullptr);
    EXPECT_EQ(0, unused.GetResult(nullptr));
}

TEST_F(ColorEditorTest, ColourButtonsOpenTheChooserAndReflectionsSwitch)
{
    ModalScript script;
    script.Then(kCaption, [](HWND dialog) { ModalScript::Click(dialog, Dialog::kTextId); })
        .Then("Color", [](HWND chooser) { ChooseColorByKeys(chooser, RGB(10, 200, 30)); })
        .Then(kCaption, [](HWND dialog) {
            EXPECT_EQ(RGB(10, 200, 30), ButtonColor(dialog, 1));
            EXPECT_EQ(RGB(10, 200, 30), SchemeColor(dialog, CCOL_TEXT));
            EXPECT_EQ(ScaleColor(RGB(10, 200, 30), 0.5f), SchemeColor(dialog, CCOL_TEXTDISABLED));
            EXPECT_EQ(RGB(10, 200, 30), SchemeColor(GetDlgItem(dialog, Dialog::kDemoStaticId), CCOL_TEXT));
            // A cancelled chooser changes nothing.
            ModalScript::Click(dialog, Dialog::kBackgroundId);
        })
        .Then("Color", [](HWND chooser) {
            ModalScript::Type(GetDlgItem(chooser, kChooserRed), "1");
            ModalScript::Click(chooser, IDCANCEL);
        })
        .Then(kCaption, [](HWND dialog) {
            EXPECT_EQ(kDefaultColorSet.background, ButtonColor(dialog, 0));
            EXPECT_EQ(kDefaultColorSet.background, SchemeColor(dialog, CCOL_BACKGROUND));
            // Reflections off, on, and off again.
            const HWND reflections = GetDlgItem(dialog, Dialog::kReflectionsId);
            SendMessageA(reflections, BM_CLICK, 0, 0);
            EXPECT_EQ(RM_AUTOSHADES, SchemeFlags(dialog));
            EXPECT_EQ(RM_AUTOSHADES, SchemeFlags(GetDlgItem(dialog, Dialog::kDemoButtonId)));
            SendMessageA(reflections, BM_CLICK, 0, 0);
            EXPECT_EQ(RM_AUTOSHADES | RM_REFLECTIONS, SchemeFlags(dialog));
            SendMessageA(reflections, BM_CLICK, 0, 0);
            ModalScript::Click(dialog, IDOK);
        });
    COOLCOLORSET result = {};
    EXPECT_EQ(IDOK, Run(script, &result));
    EXPECT_EQ(RGB(10, 200, 30), result.text);
    EXPECT_EQ(kDefaultColorSet.background, result.background);
    EXPECT_EQ(RM_AUTOSHADES, result.renderMode);
}

TEST(ColorButton, CustomColoursComeFromTheParentWhiteAndTheSystem)
{
    CCoolColorButton button;
    COLORREF colors[CCoolColorButton::kCustomColorCount] = {};
    button.CustomColors(colors);
    EXPECT_EQ(0xFFFFFFu, colors[5]);
    EXPECT_EQ(0xFFFFFFu, colors[7]);
    EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), colors[8]);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), colors[15]);
    EXPECT_EQ(kDefaultColorSet.background, button.GetColor()) << "starts with its scheme's background";
}

TEST_F(ColorEditorTest, SaveAsksBeforeReplacingAndStoresTheShownSet)
{
    const COOLCOLORSET older = {1, 2, 3, 4, 5, 9};
    ASSERT_TRUE(CCoolColorStore::WriteUserSet("Mine", older));
    const COOLCOLORSET grey1 = {0x4E4E4E, 0xC9C9C9, 0xBABA74, 0xC2C260, 0x616130, 9};
    std::string preset;
    MessageBoxCatcher no(IDNO);
    ModalScript script;
    script
        .Then(kCaption,
              [](HWND dialog) {
                  Choose(dialog, "Grey 1");
                  ModalScript::Click(dialog, Dialog::kSaveId);
              })
        .Then("Save as",
              [&](HWND name) {
                  char text[64] = {};
                  GetDlgItemTextA(name, CColorSetNameDialog::kNameEditId, text, sizeof(text));
                  preset = text;
                  ModalScript::Type(GetDlgItem(name, CColorSetNameDialog::kNameEditId), "Mine");
                  ModalScript::Click(name, IDOK);
              })
        // Answered No: nothing changes. Then a new name.
        .Then(kCaption, [](HWND dialog) { ModalScript::Click(dialog, Dialog::kSaveId); })
        .Then("Save as",
              [](HWND name) {
                  ModalScript::Type(GetDlgItem(name, CColorSetNameDialog::kNameEditId), "Grey Copy");
                  ModalScript::Click(name, IDOK);
              })
        .Then(kCaption, [](HWND dialog) {
            EXPECT_EQ("Grey Copy", SelectedPreset(dialog));
            ModalScript::Click(dialog, IDCANCEL);
        });
    Run(script);
    EXPECT_EQ("New", preset);
    ASSERT_EQ(1u, no.Boxes().size());
    EXPECT_EQ("The color set name 'Mine' is already used!\nDo you want to overwrite it?", no.Boxes()[0].text);
    const std::vector<StoredSet> expected = {{"Grey Copy", SetBytes(grey1)}, {"Mine", SetBytes(older)}};
    EXPECT_EQ(expected, StoredSets());
}

TEST_F(ColorEditorTest, OrganizeRenamesAndDeletes)
{
    const COOLCOLORSET blue = {0xFF0000, 1, 2, 3, 4, 9};
    const COOLCOLORSET red = {0x0000FF, 5, 6, 7, 8, 9};
    ASSERT_TRUE(CCoolColorStore::WriteUserSet("Blue", blue));
    ASSERT_TRUE(CCoolColorStore::WriteUserSet("Red", red));
    auto select = [](HWND sets, const char* name) {
        const HWND list = GetDlgItem(sets, CColorSetListDialog::kListId);
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        LVFINDINFOA find = {};
        find.flags = LVFI_STRING;
        find.psz = name;
        const int item = static_cast<int>(
            SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
        state.state = LVIS_SELECTED;
        if (item >= 0)
            SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
        return item >= 0;
    };
    auto renameTo = [](const char* to) {
        return [to](HWND name) {
            ModalScript::Type(GetDlgItem(name, CColorSetNameDialog::kNameEditId), to);
            ModalScript::Click(name, IDOK);
        };
    };
    auto renameFrom = [&](const char* from) {
        return [&, from](HWND sets) {
            EXPECT_TRUE(select(sets, from)) << from;
            ModalScript::Click(sets, CColorSetListDialog::kRenameId);
        };
    };
    int listed = 0;
    std::string preset;
    {
        MessageBoxCatcher no(IDNO);
        ModalScript script;
        script.Then(kCaption, [](HWND dialog) { ModalScript::Click(dialog, Dialog::kOrganizeId); })
            .Then("Color Sets",
                  [&](HWND sets) {
                      listed = static_cast<int>(
                          SendMessageA(GetDlgItem(sets, CColorSetListDialog::kListId), LVM_GETITEMCOUNT, 0, 0));
                      EXPECT_FALSE(IsWindowVisible(GetDlgItem(sets, IDCANCEL)));
                      renameFrom("Blue")(sets);
                  })
            .Then("Save as",
                  [&](HWND name) {
                      char text[64] = {};
                      GetDlgItemTextA(name, CColorSetNameDialog::kNameEditId, text, sizeof(text));
                      preset = text;
                      renameTo("Navy")(name);
                  })
            .Then("Color Sets", renameFrom("Navy"))
            .Then("Save as", renameTo("NAVY")) // the same name in other letters
            .Then("Color Sets", renameFrom("NAVY"))
            .Then("Save as", renameTo("red")) // another set's name: asked, No
            .Then("Color Sets", [&](HWND sets) {
                // Nothing selected: Delete asks nothing.
                select(sets, "no such set");
                ClickNow(sets, CColorSetListDialog::kDeleteId);
                ModalScript::Click(sets, IDOK);
            })
            .Then(kCaption, [](HWND dialog) { ModalScript::Click(dialog, IDCANCEL); });
        Run(script);
        EXPECT_EQ(2, listed);
        EXPECT_EQ("Blue", preset);
        ASSERT_EQ(1u, no.Boxes().size()) << "only the overwrite question";
        EXPECT_EQ("The color set name 'red' is already used!\nDo you want to overwrite it?", no.Boxes()[0].text);
        const std::vector<StoredSet> renamed = {{"NAVY", SetBytes(blue)}, {"Red", SetBytes(red)}};
        EXPECT_EQ(renamed, StoredSets());
    }

    // Deleting a selected set, answered Yes; the presets are filled again.
    MessageBoxCatcher yes(IDYES);
    ModalScript again;
    again.Then(kCaption, [](HWND dialog) { ModalScript::Click(dialog, Dialog::kOrganizeId); })
        .Then("Color Sets",
              [&](HWND sets) {
                  EXPECT_TRUE(select(sets, "NAVY"));
                  ClickNow(sets, CColorSetListDialog::kDeleteId);
                  listed = static_cast<int>(
                      SendMessageA(GetDlgItem(sets, CColorSetListDialog::kListId), LVM_GETITEMCOUNT, 0, 0));
                  ModalScript::Click(sets, IDOK);
              })
        .Then(kCaption, [](HWND dialog) {
            const std::vector<std::string> items = ComboItems(dialog);
            EXPECT_EQ(items.end(), std::find(items.begin(), items.end(), "NAVY"));
            EXPECT_NE(items.end(), std::find(items.begin(), items.end(), "Red"));
            ModalScript::Click(dialog, IDCANCEL);
        });
    Run(again);
    ASSERT_EQ(1u, yes.Boxes().size());
    EXPECT_EQ("Are you sure to delete the selected color sets?", yes.Boxes()[0].text);
    EXPECT_EQ(1, listed);
    const std::vector<StoredSet> left = {{"Red", SetBytes(red)}};
    EXPECT_EQ(left, StoredSets());
}

TEST_F(ColorEditorTest, RenameKeepsEverySetWhateverTheNames)
{
    const COOLCOLORSET blue = {0xFF0000, 1, 2, 3, 4, 9};
    const COOLCOLORSET red = {0x0000FF, 5, 6, 7, 8, 9};
    const struct {
        const char* from;
        const char* to;
        int answer; // to the overwrite question; 0: none may come
        bool renamed;
        std::vector<StoredSet> after;
    } cases[] = {
        {"Blue", "Blue", 0, false, {{"Blue", SetBytes(blue)}, {"Red", SetBytes(red)}}},
        {"Blue", "blue", 0, true, {{"Red", SetBytes(red)}, {"blue", SetBytes(blue)}}},
        {"Blue", "Sky", 0, true, {{"Red", SetBytes(red)}, {"Sky", SetBytes(blue)}}},
        {"Blue", "RED", IDNO, false, {{"Blue", SetBytes(blue)}, {"Red", SetBytes(red)}}},
        {"Blue", "Red", IDYES, true, {{"Red", SetBytes(blue)}}},
        {"Missing", "Other", 0, false, {{"Blue", SetBytes(blue)}, {"Red", SetBytes(red)}}},
    };
    for (const auto& c : cases) {
        DeleteKeyTree(HKEY_CURRENT_USER, kUserSets);
        ASSERT_TRUE(CCoolColorStore::WriteUserSet("Blue", blue));
        ASSERT_TRUE(CCoolColorStore::WriteUserSet("Red", red));
        MessageBoxCatcher boxes(c.answer != 0 ? c.answer : IDNO);
        EXPECT_EQ(c.renamed, CColorSetListDialog::RenameSet(nullptr, c.from, c.to)) << c.from << " -> " << c.to;
        EXPECT_EQ(c.answer != 0 ? 1u : 0u, boxes.Boxes().size()) << c.from << " -> " << c.to;
        EXPECT_EQ(c.after, StoredSets()) << c.from << " -> " << c.to;
    }
}

TEST_F(ColorEditorTest, NoNameLongerThanTheListsReadIsTyped)
{
    LRESULT limit = 0;
    ModalScript script;
    script.Then("Save as", [&](HWND name) {
        const HWND edit = GetDlgItem(name, CColorSetNameDialog::kNameEditId);
        limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
        ModalScript::Type(edit, std::string(300, 'x'));
        ModalScript::Click(name, IDOK);
    });
    Dialog editor(nullptr);
    CColorSetNameDialog name(editor.Template(), nullptr, "");
    EXPECT_EQ(IDOK, name.DoModal());
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(259, limit);
    EXPECT_EQ(std::string(259, 'x'), name.GetName());
    ASSERT_TRUE(CCoolColorStore::WriteUserSet(name.GetName().c_str(), kDefaultColorSet));
    EXPECT_EQ(std::vector<std::string>{std::string(259, 'x')}, CCoolColorStore::UserSetNames());
}

TEST(ColorButton, TheSwatchSitsBesideTheCaptionOrFillsTheFace)
{
    const HWND host = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 120, 100, nullptr, nullptr,
                                      nullptr, nullptr);
    ASSERT_NE(nullptr, host);
    const COLORREF red = RGB(255, 0, 0);
    const struct {
        DWORD align;
        int redX;   // inside the swatch
        int plainX; // on the face beside it
    } buttons[] = {{BS_RIGHT, 12, 60}, {BS_LEFT, 88, 30}, {BS_CENTER, 50, -1}};
    CCoolColorButton made[3];
    for (int i = 0; i < 3; ++i) {
        const RECT place = {0, 30 * i, 100, 30 * i + 24};
        ASSERT_TRUE(made[i].Create("BUTTON", "", WS_CHILD | WS_VISIBLE | buttons[i].align, place, host, 100 + i));
        made[i].SetFlags(RM_AUTOSHADES); // flat fills
        made[i].SetColor(red);
    }
    ShowWindow(host, SW_SHOWNOACTIVATE);
    UpdateWindow(host);
    for (int i = 0; i < 3; ++i) {
        made[i].UpdateWindow();
        HDC screen = GetDC(nullptr);
        POINT at = {buttons[i].redX, 12};
        ClientToScreen(made[i].m_hWnd, &at);
        EXPECT_EQ(red, GetPixel(screen, at.x, at.y)) << i;
        if (buttons[i].plainX >= 0) {
            POINT beside = {buttons[i].plainX, 12};
            ClientToScreen(made[i].m_hWnd, &beside);
            EXPECT_EQ(kDefaultColorSet.background, GetPixel(screen, beside.x, beside.y)) << i;
        }
        // The swatch is inset: the face's own edge is not the colour.
        POINT edge = {1, 12};
        ClientToScreen(made[i].m_hWnd, &edge);
        EXPECT_NE(red, GetPixel(screen, edge.x, edge.y)) << i;
        ReleaseDC(nullptr, screen);
    }
    for (CCoolColorButton& button : made)
        button.DestroyWindow();
    DestroyWindow(host);
}
