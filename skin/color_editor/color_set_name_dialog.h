#pragma once
// "Save as": the name of a user colour set, in one skinned edit field above OK and
// Cancel. Runs from the colour editor's in-memory template (borrowed).

#include <windows.h>

#include <string>

#include "skin/controls/cool_button.h"
#include "skin/containers/cool_dialog.h"
#include "skin/controls/cool_edit.h"

// The colour editor's caption, also that of its questions.
constexpr const char* kColorSettingsCaption = "Color Settings";
// The longest set name: the store's lists read names back up to 260 characters
// with their terminator, so no longer name is ever stored.
constexpr int kMaxColorSetNameChars = 259;

// A child window's rectangle in its parent's client coordinates.
RECT ChildRectInParent(HWND child);

// The question before a user set is replaced: true for Yes.
bool AskOverwrite(HWND owner, const std::string& name);

class CColorSetNameDialog : public CCoolDialog {
public:
    static constexpr int kNameEditId = 21866;

    // name: preset in the edit field; "New" when empty.
    CColorSetNameDialog(const DLGTEMPLATE* dialogTemplate, HWND parent, const std::string& name);

    INT_PTR DoModal();
    // The name as typed, after OK.
    const std::string& GetName() const { return m_name; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    const DLGTEMPLATE* m_template;
    std::string m_name;
    CCoolEdit m_edit;
    CCoolButton m_ok;
    CCoolButton m_cancel;
};
