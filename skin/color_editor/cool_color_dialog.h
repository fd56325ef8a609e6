#pragma once
// The colour editor: the built-in and the user's colour sets, five colour buttons
// and the reflections switch with a live preview inside the dialog, and the user's
// named sets kept in the registry store. What OK returns is the set shown on the
// buttons; the caller stores and applies it. Cancel leaves everything outside the
// dialog as it was.
//
// Owns the built-in table, its in-memory template (also used by the "Save as" and
// "Color Sets" dialogs) and its controls; the parent sheet is borrowed.

#include <windows.h>

#include "platform/dialog_template.h"
#include "skin/controls/cool_button.h"
#include "skin/controls/cool_color_button.h"
#include "skin/scheme/cool_color_set.h"
#include "skin/controls/cool_combo_box.h"
#include "skin/containers/cool_dialog.h"
#include "skin/controls/cool_slider_ctrl.h"
#include "skin/controls/cool_static.h"

class CCoolColorDialog : public CCoolDialog {
public:
    static const CRuntimeClass classCCoolColorDialog;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCCoolColorDialog; }

    // The controls' IDs, in the order they are created.
    enum ControlId : int {
        kSettingsGroupId = 21862,
        kPresetsId = 21863,
        kSaveId = 21864,
        kOrganizeId = 21865,
        kBackgroundId = 21866,
        kTextId = 21867,
        kStaticId = 21868,
        kPeakHighId = 21869,
        kPeakLowId = 21870,
        kReflectionsId = 21871,
        kDemoGroupId = 21872,
        kDemoButtonId = 21873,
        kDemoCheckId = 21874,
        kDemoStaticId = 21875,
        kDemoSliderId = 21876,
    };
    static constexpr int kColorButtonCount = 5;
    // The scheme role each colour button edits, in button order.
    static constexpr int kButtonRoles[kColorButtonCount] = {CCOL_BACKGROUND, CCOL_TEXT, CCOL_STATIC, CCOL_PEAKHIGH,
                                                            CCOL_PEAKLOW};

    explicit CCoolColorDialog(HWND parentSheet);
    ~CCoolColorDialog() override;

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    // Copies the current set; 0 for a null pointer, else 1.
    int GetResult(COOLCOLORSET* set) const;

    // The in-memory template the editor and its small dialogs run from.
    const DLGTEMPLATE* Template() const { return m_template.Get(); }
    const BuiltInColorSets& BuiltInSets() const { return m_builtIn; }

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void PlaceControls();
    void FillPresets();
    void SelectPreset(const char* name);
    void ShowCurrentSet();
    void ApplySet(const COOLCOLORSET& set);
    void UpdatePass(HWND target);
    bool OnCommand(int id, int code);
    void OnColorButton(int index);
    void OnReflections();
    void OnPresetChosen();
    void OnSave();
    void OnOrganize();

    BuiltInColorSets m_builtIn;
    COOLCOLORSET m_current;
    CDialogTemplate m_template;

    CCoolButton m_settingsGroup;
    CCoolComboBox m_presets;
    CCoolButton m_save;
    CCoolButton m_organize;
    CCoolColorButton m_colorButtons[kColorButtonCount];
    CCoolButton m_reflections;
    CCoolButton m_demoGroup;
    CCoolButton m_demoButton;
    CCoolButton m_demoCheck;
    CCoolStatic m_demoStatic;
    CCoolSliderCtrl m_demoSlider;
    CCoolButton m_ok;
    CCoolButton m_cancel;
};
