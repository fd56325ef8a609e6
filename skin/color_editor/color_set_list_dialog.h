#pragma once
// "Color Sets": the user's colour sets in a list, to rename and delete them. Runs
// from the colour editor's in-memory template (borrowed).

#include <windows.h>

#include <string>
#include <vector>

#include "skin/controls/cool_button.h"
#include "skin/containers/cool_dialog.h"
#include "skin/controls/cool_list_ctrl.h"

class CColorSetListDialog : public CCoolDialog {
public:
    static constexpr int kListId = 21867;
    static constexpr int kDeleteId = 21868;
    static constexpr int kRenameId = 21869;

    CColorSetListDialog(const DLGTEMPLATE* dialogTemplate, HWND parent);

    INT_PTR DoModal();

    // Renames a stored set; what the Rename button does once it has both names.
    // Names that differ only in letter case name the same value, so the set is
    // written anew under the new spelling; a name that belongs to another set is
    // replaced only when the user agrees. False when nothing was renamed.
    static bool RenameSet(HWND owner, const std::string& oldName, const std::string& newName);

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PlaceControls();
    void FillList();
    std::vector<std::string> SelectedNames() const;
    void OnDelete();
    void OnRename();

    const DLGTEMPLATE* m_template;
    CCoolListCtrl m_list;
    CCoolButton m_rename;
    CCoolButton m_delete;
    CCoolButton m_ok;
    CCoolButton m_cancel;
};
