#include "skin/color_editor/color_set_list_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/color_editor/color_set_name_dialog.h"
#include "skin/scheme/cool_color_store.h"

namespace {

constexpr int kListTaller = 80;
constexpr int kButtonsBelow = 88;
constexpr int kButtonGap = 8;

} // namespace

CColorSetListDialog::CColorSetListDialog(const DLGTEMPLATE* dialogTemplate, HWND parent) : m_template(dialogTemplate)
{
    m_owner = parent;
}

INT_PTR CColorSetListDialog::DoModal()
{
    InitModalIndirect(m_template, m_owner);
    return CCoolDialog::DoModal();
}

BOOL CColorSetListDialog::OnInitDialog()
{
    CCoolDialog::OnInitDialog();
    AttachItem(IDOK, m_ok);
    AttachItem(IDCANCEL, m_cancel);
    PlaceControls();
    SetWindowText("Color Sets");
    SpreadScheme();
    FillList();
    m_list.SetFocus();
    return FALSE;
}

void CColorSetListDialog::PlaceControls()
{
    const RECT ok = ChildRectInParent(m_ok.m_hWnd);
    const RECT cancel = ChildRectInParent(m_cancel.m_hWnd);
    RECT client = {};
    GetClientRect(&client);
    const int bottomMargin = client.bottom - std::max(ok.bottom, cancel.bottom);
    RECT list = {};
    ::UnionRect(&list, &ok, &cancel);
    list.bottom += kListTaller;
    const HFONT font = GetFont();
    const DWORD childStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (m_list.Create(WC_LISTVIEWA, "", childStyle | LVS_LIST | LVS_SORTASCENDING, list, m_hWnd, kListId))
        m_list.SetFont(font, false);
    // Rename and Delete sit below the list in OK's and Cancel's columns.
    RECT rename = ok;
    OffsetRect(&rename, 0, (ok.bottom - ok.top) + kButtonsBelow);
    RECT remove = cancel;
    OffsetRect(&remove, 0, (cancel.bottom - cancel.top) + kButtonsBelow);
    const DWORD buttonStyle = childStyle | BS_CENTER | BS_VCENTER;
    if (m_rename.Create("BUTTON", "Rename", buttonStyle, rename, m_hWnd, kRenameId))
        m_rename.SetFont(font, false);
    if (m_delete.Create("BUTTON", "Delete", buttonStyle, remove, m_hWnd, kDeleteId))
        m_delete.SetFont(font, false);
    const int okTop = std::max(rename.bottom, remove.bottom) + kButtonGap;
    const RECT movedOk = {ok.left, okTop, cancel.right, okTop + (ok.bottom - ok.top)};
    m_ok.MoveWindow(movedOk, false);
    m_cancel.ShowWindow(SW_HIDE);
    RECT frame = {};
    GetWindowRect(&frame);
    SetWindowPos(nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + (movedOk.bottom + bottomMargin - client.bottom),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CColorSetListDialog::FillList()
{
    m_list.DeleteAllItems();
    int index = 0;
    for (const std::string& name : CCoolColorStore::UserSetNames())
        m_list.InsertItem(index++, name.c_str());
    const bool any = m_list.GetItemCount() > 0;
    m_rename.EnableWindow(any);
    m_delete.EnableWindow(any);
}

std::vector<std::string> CColorSetListDialog::SelectedNames() const
{
    std::vector<std::string> names;
    for (int item = m_list.GetNextItem(-1, LVNI_SELECTED); item >= 0; item = m_list.GetNextItem(item, LVNI_SELECTED))
        names.push_back(m_list.GetItemText(item, 0));
    return names;
}

void CColorSetListDialog::OnDelete()
{
    const std::vector<std::string> names = SelectedNames();
    if (!names.empty()
        && MessageBox("Are you sure to delete the selected color sets?", kColorSettingsCaption,
                      MB_YESNO | MB_ICONQUESTION)
            == IDYES) {
        for (const std::string& name : names)
            CCoolColorStore::DeleteUserSet(name.c_str());
    }
    FillList();
}

void CColorSetListDialog::OnRename()
{
    const std::vector<std::string> names = SelectedNames();
    const std::string oldName = names.empty() ? std::string() : names.front();
    CColorSetNameDialog name(m_template, m_hWnd, oldName);
    if (name.DoModal() != IDOK)
        return;
    if (RenameSet(m_hWnd, oldName, name.GetName()))
        FillList();
}

bool CColorSetListDialog::RenameSet(HWND owner, const std::string& oldName, const std::string& newName)
{
    if (newName == oldName)
        return false;
    COOLCOLORSET set = {};
    if (!CCoolColorStore::ReadUserSet(oldName.c_str(), set))
        return false;
    // The registry's value names ignore letter case: "Blue" and "blue" are one value.
    if (lstrcmpiA(oldName.c_str(), newName.c_str()) == 0) {
        if (!CCoolColorStore::DeleteUserSet(oldName.c_str()))
            return false;
        if (CCoolColorStore::WriteUserSet(newName.c_str(), set))
            return true;
        // The new spelling could not be written: the set keeps its old one.
        CCoolColorStore::WriteUserSet(oldName.c_str(), set);
        return false;
    }
    COOLCOLORSET other = {};
    if (CCoolColorStore::ReadUserSet(newName.c_str(), other) && !AskOverwrite(owner, newName))
        return false;
    if (!CCoolColorStore::WriteUserSet(newName.c_str(), set))
        return false;
    CCoolColorStore::DeleteUserSet(oldName.c_str());
    return true;
}

LRESULT CColorSetListDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam != 0 && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == kDeleteId) {
            OnDelete();
            return 0;
        }
        if (LOWORD(wParam) == kRenameId) {
            OnRename();
            return 0;
        }
    }
    return CCoolDialog::WindowProc(message, wParam, lParam);
}
