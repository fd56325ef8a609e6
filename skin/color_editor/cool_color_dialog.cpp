#include "skin/color_editor/cool_color_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/win_app.h"
#include "skin/color_editor/color_set_list_dialog.h"
#include "skin/color_editor/color_set_name_dialog.h"
#include "skin/scheme/cool_color_store.h"
#include "skin/scheme/cool_messages.h"

const CRuntimeClass CCoolColorDialog::classCCoolColorDialog("CCoolColorDialog", &CCoolDialog::classCCoolDialog);

namespace {

// Popup with caption, system menu and modal frame.
constexpr DWORD kTemplateStyle = 0x80C80080;
constexpr DWORD kItemStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr WORD kTypefacePoints = 11;
constexpr WORD kButtonAtom = 0x0080;

// Placement in pixels.
constexpr RECT kSettingsGroupStart = {10, 10, 210, 210};
constexpr int kRowInsetX = 8;
constexpr int kRowInsetY = 24;
constexpr int kRowHeight = 20;
constexpr int kRowPitch = 28;
constexpr int kExtraGap = 8;
constexpr int kGroupGap = 8;
constexpr int kDemoNarrower = 50;
constexpr int kSliderHeight = 30;
constexpr int kCancelBelowSlider = 104;
constexpr int kDropDownHeight = 200;
constexpr int kClientMargin = 8;

// Captions of the update pass: both windows' texts are read back this long.
constexpr int kCaptionChars = 256;

RECT Row(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

std::string WindowCaption(HWND window)
{
    char text[kCaptionChars] = {};
    if (window != nullptr)
        ::GetWindowTextA(window, text, kCaptionChars);
    return text;
}

void SetCaption(HWND window, const std::string& text)
{
    if (window != nullptr)
        ::SetWindowTextA(window, text.c_str());
}

COLORREF SetField(const COOLCOLORSET& set, int index)
{
    const COLORREF fields[] = {set.background, set.text, set.statics, set.peakHigh, set.peakLow};
    return fields[index];
}

COLORREF* SetFieldPointer(COOLCOLORSET& set, int index)
{
    COLORREF* fields[] = {&set.background, &set.text, &set.statics, &set.peakHigh, &set.peakLow};
    return fields[index];
}

} // namespace

CCoolColorDialog::CCoolColorDialog(HWND parentSheet)
    : m_builtIn(CCoolColorStore::LoadBuiltInColorSets())
    , m_current(m_builtIn[kColorSetDefault].colors)
    , m_template(kTemplateStyle, 0, 0, 0, 140, 40, kColorSettingsCaption, kTypefacePoints, "Arial")
{
    m_owner = parentSheet;
    m_template.AddItem(kItemStyle, 8, 8, 56, 14, IDOK, kButtonAtom, "OK");
    m_template.AddItem(kItemStyle, 72, 8, 56, 14, IDCANCEL, kButtonAtom, "Cancel");
}

CCoolColorDialog::~CCoolColorDialog() = default;

INT_PTR CCoolColorDialog::DoModal()
{
    InitModalIndirect(m_template.Get(), m_owner);
    return CCoolDialog::DoModal();
}

int CCoolColorDialog::GetResult(COOLCOLORSET* set) const
{
    if (set == nullptr)
        return 0;
    *set = m_current;
    return 1;
}

BOOL CCoolColorDialog::OnInitDialog()
{
    CCoolDialog::OnInitDialog();
    SetWindowText(kColorSettingsCaption);
    CreateControls();
    PlaceControls();
    m_demoSlider.SetRange(0, 100);
    m_demoSlider.SendMessage(TBM_SETSEL, FALSE, MAKELPARAM(0, 100));
    m_demoSlider.SetPos(60);
    m_demoCheck.SetCheck(BST_CHECKED);
    FillPresets();
    SetFlags(m_current.renderMode);
    SpreadScheme();
    ShowCurrentSet();
    return TRUE;
}

void CCoolColorDialog::CreateControls()
{
    const struct {
        CWnd* control;
        int id;
        const char* className;
        const char* text;
        DWORD style;
    } items[] = {
        {&m_settingsGroup, kSettingsGroupId, "BUTTON", "Color Settings", BS_GROUPBOX | BS_CENTER},
        {&m_presets, kPresetsId, "COMBOBOX", "Color Presets",
         CBS_DROPDOWNLIST | CBS_SORT | CBS_HASSTRINGS | WS_VSCROLL},
        {&m_save, kSaveId, "BUTTON", "Save", BS_CENTER},
        {&m_organize, kOrganizeId, "BUTTON", "Organize", BS_CENTER},
        {&m_colorButtons[0], kBackgroundId, "BUTTON", "Background", BS_CENTER},
        {&m_colorButtons[1], kTextId, "BUTTON", "Text", BS_CENTER},
        {&m_colorButtons[2], kStaticId, "BUTTON", "Static controls", BS_CENTER},
        {&m_colorButtons[3], kPeakHighId, "BUTTON", "Peakmeter high", BS_CENTER},
        {&m_colorButtons[4], kPeakLowId, "BUTTON", "Peakmeter low", BS_CENTER},
        {&m_reflections, kReflectionsId, "BUTTON", "Reflections off", BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_CENTER},
        {&m_demoGroup, kDemoGroupId, "BUTTON", "Demo Controls", BS_GROUPBOX | BS_CENTER},
        {&m_demoButton, kDemoButtonId, "BUTTON", "Demo Button", BS_CENTER},
        {&m_demoCheck, kDemoCheckId, "BUTTON", "Demo Checkbox", BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_CENTER},
        {&m_demoStatic, kDemoStaticId, "STATIC", "Demo Static", SS_CENTER},
        {&m_demoSlider, kDemoSliderId, TRACKBAR_CLASSA, "Demo Slider", TBS_AUTOTICKS | TBS_ENABLESELRANGE},
    };
    const HFONT font = GetFont();
    const RECT nowhere = {0, 0, 10, 10};
    for (const auto& item : items) {
        if (item.control->Create(item.className, item.text, kItemStyle | item.style, nowhere, m_hWnd,
                                 static_cast<UINT>(item.id)))
            item.control->SetFont(font, false);
    }
    AttachItem(IDOK, m_ok);
    AttachItem(IDCANCEL, m_cancel);
}

void CCoolColorDialog::PlaceControls()
{
    RECT group = kSettingsGroupStart;
    const int left = group.left + kRowInsetX;
    const int width = group.right - group.left - 2 * kRowInsetX;
    int top = group.top + kRowInsetY;
    m_presets.MoveWindow(Row(left, top, width, kRowHeight + kDropDownHeight), false);
    top += kRowPitch;
    const int half = width / 2 - 2;
    m_save.MoveWindow(Row(left, top, half, kRowHeight), false);
    m_organize.MoveWindow(Row(left + half + 4, top, half, kRowHeight), false);
    top += kRowPitch + kExtraGap;
    for (CCoolColorButton& button : m_colorButtons) {
        button.MoveWindow(Row(left, top, width, kRowHeight), false);
        top += kRowPitch;
    }
    m_reflections.MoveWindow(Row(left, top, width, kRowHeight), false);
    group.bottom = top + kRowHeight + 2;
    m_settingsGroup.MoveWindow(group, false);

    RECT demo = {group.right + kGroupGap, group.top, group.right + kGroupGap + (group.right - group.left) - kDemoNarrower,
                 group.top};
    const int demoLeft = demo.left + kRowInsetX;
    const int demoWidth = demo.right - demo.left - 2 * kRowInsetX;
    top = demo.top + kRowInsetY;
    m_demoButton.MoveWindow(Row(demoLeft, top, demoWidth, kRowHeight), false);
    top += kRowPitch;
    m_demoCheck.MoveWindow(Row(demoLeft, top, demoWidth, kRowHeight), false);
    top += kRowPitch;
    m_demoStatic.MoveWindow(Row(demoLeft, top, demoWidth, kRowHeight), false);
    top += kRowPitch;
    m_demoSlider.MoveWindow(Row(demoLeft, top, demoWidth, kSliderHeight), false);
    demo.bottom = top + kSliderHeight;
    m_demoGroup.MoveWindow(demo, false);
    const RECT cancel = Row(demoLeft, top + kCancelBelowSlider, demoWidth, kRowHeight);
    const RECT ok = Row(demoLeft, cancel.top + kRowPitch, demoWidth, kRowHeight);
    m_cancel.MoveWindow(cancel, false);
    m_ok.MoveWindow(ok, false);

    // The left group decides the height, unless OK reaches lower: it is never cut off.
    RECT frame = {0, 0, demo.right + kClientMargin, std::max(group.bottom, ok.bottom) + kClientMargin};
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();
}

void CCoolColorDialog::FillPresets()
{
    m_presets.ResetContent();
    for (int index = 0; index < kBuiltInColorSetCount; ++index) {
        const int at = m_presets.AddString(m_builtIn[static_cast<std::size_t>(index)].name);
        if (at >= 0)
            m_presets.SetItemData(at, static_cast<DWORD_PTR>(index));
    }
    const std::vector<std::string> names = CCoolColorStore::UserSetNames();
    for (std::size_t index = 0; index < names.size(); ++index) {
        const int at = m_presets.AddString(names[index].c_str());
        if (at >= 0)
            m_presets.SetItemData(at, kBuiltInColorSetCount + index);
    }
    SelectPreset(m_builtIn[kColorSetDefault].name);
}

void CCoolColorDialog::SelectPreset(const char* name)
{
    // Setting the selection sends no selection notification.
    const int index = m_presets.FindStringExact(-1, name);
    if (index >= 0)
        m_presets.SetCurSel(index);
}

void CCoolColorDialog::ShowCurrentSet()
{
    if (m_hWnd == nullptr)
        return;
    for (int index = 0; index < kColorButtonCount; ++index)
        m_colorButtons[index].SetColor(SetField(m_current, index));
    m_reflections.SetCheck((m_current.renderMode & RM_REFLECTIONS) == 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CCoolColorDialog::ApplySet(const COOLCOLORSET& set)
{
    m_current = set;
    for (int index = 0; index < kColorButtonCount; ++index)
        SetColor(kButtonRoles[index], SetField(set, index));
    m_current.renderMode = (set.renderMode & ~RM_EMBOSSTEXT) | RM_AUTOSHADES;
    if (m_hWnd == nullptr)
        return;
    SetFlags(m_current.renderMode);
    UpdatePass(m_hWnd);
    ShowCurrentSet();
}

void CCoolColorDialog::UpdatePass(HWND target)
{
    if (target == nullptr || !::IsWindow(target))
        return;
    CWinApp* app = CWinApp::Current();
    HWND main = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
    if (main == target)
        main = nullptr;
    const std::string mainCaption = WindowCaption(main);
    const std::string targetCaption = WindowCaption(target);
    std::string working = "Working ";
    for (int role : kButtonRoles) {
        working += "...";
        SetCaption(main, working);
        SetCaption(target, working);
        COLORREF mine = 0;
        COLORREF theirs = 0;
        GetColor(role, &mine);
        ::SendMessageA(target, WM_COOL_GETCOLOR, static_cast<WPARAM>(role), reinterpret_cast<LPARAM>(&theirs));
        if (mine != theirs) {
            ::LockWindowUpdate(target);
            ::SendMessageA(target, WM_COOL_SETCOLOR, static_cast<WPARAM>(role), static_cast<LPARAM>(mine));
            ::LockWindowUpdate(nullptr);
        }
    }
    working += "...";
    SetCaption(main, working);
    SetCaption(target, working);
    ::SendMessageA(target, WM_COOL_SETFLAGS, 0, static_cast<LPARAM>(GetFlags()));
    SetCaption(main, mainCaption);
    SetCaption(target, targetCaption);
}

LRESULT CCoolColorDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam != 0 && OnCommand(LOWORD(wParam), HIWORD(wParam)))
        return 0;
    return CCoolDialog::WindowProc(message, wParam, lParam);
}

bool CCoolColorDialog::OnCommand(int id, int code)
{
    if (id == kPresetsId) {
        if (code == CBN_SELCHANGE)
            OnPresetChosen();
        return code == CBN_SELCHANGE;
    }
    if (code != BN_CLICKED)
        return false;
    if (id >= kBackgroundId && id < kBackgroundId + kColorButtonCount) {
        OnColorButton(id - kBackgroundId);
        return true;
    }
    switch (id) {
    case kReflectionsId:
        OnReflections();
        return true;
    case kSaveId:
        OnSave();
        return true;
    case kOrganizeId:
        OnOrganize();
        return true;
    default:
        return false;
    }
}

void CCoolColorDialog::OnColorButton(int index)
{
    const COLORREF color = m_colorButtons[index].GetColor();
    *SetFieldPointer(m_current, index) = color;
    SetColor(kButtonRoles[index], color);
    ShowCurrentSet();
    UpdatePass(m_hWnd);
}

void CCoolColorDialog::OnReflections()
{
    int mode = GetFlags() & ~RM_EMBOSSTEXT;
    if (m_reflections.GetCheck() == BST_CHECKED)
        mode &= ~RM_REFLECTIONS;
    else
        mode |= RM_REFLECTIONS;
    m_current.renderMode = mode;
    SendMessage(WM_COOL_SETFLAGS, 0, static_cast<LPARAM>(mode));
}

void CCoolColorDialog::OnPresetChosen()
{
    const int index = m_presets.GetCurSel();
    if (index < 0)
        return;
    const DWORD_PTR data = m_presets.GetItemData(index);
    if (data >= kBuiltInColorSetCount) {
        COOLCOLORSET stored = {};
        // A set that cannot be read as one (missing, damaged) is not applied.
        if (CCoolColorStore::ReadUserSet(m_presets.GetLBText(index).c_str(), stored))
            ApplySet(stored);
        return;
    }
    if (data == kColorSetRandom) {
        m_builtIn[kColorSetRandom].colors = MakeRandomColorSet();
        ApplySet(m_builtIn[kColorSetRandom].colors);
        return;
    }
    if (data == kColorSetWindows) {
        UseWindowsColors();
        for (int field = 0; field < kColorButtonCount; ++field)
            GetColor(kButtonRoles[field], SetFieldPointer(m_current, field));
        UpdatePass(m_hWnd);
        ShowCurrentSet();
        return;
    }
    ApplySet(m_builtIn[data].colors);
}

void CCoolColorDialog::OnSave()
{
    CColorSetNameDialog name(Template(), m_hWnd, "");
    if (name.DoModal() != IDOK)
        return;
    const std::string& chosen = name.GetName();
    COOLCOLORSET existing = {};
    if (CCoolColorStore::ReadUserSet(chosen.c_str(), existing) && !AskOverwrite(m_hWnd, chosen))
        return;
    CCoolColorStore::WriteUserSet(chosen.c_str(), m_current);
    FillPresets();
    SelectPreset(chosen.c_str());
}

void CCoolColorDialog::OnOrganize()
{
    CColorSetListDialog sets(Template(), m_hWnd);
    sets.DoModal();
    FillPresets();
}
