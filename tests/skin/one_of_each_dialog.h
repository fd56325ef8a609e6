#pragma once
// The one-of-each dialog of the skinned controls' tests: every skinned control on a
// dialog that stands in for the skinned containers (it draws its background in its
// scheme, gives that background to its controls, passes its scheme on and shows
// status texts in its status bar). It logs what its controls tell it.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/controls/cool_button.h"
#include "skin/scheme/cool_color_set.h"
#include "skin/controls/cool_combo_box.h"
#include "skin/controls/cool_edit.h"
#include "skin/controls/cool_list_ctrl.h"
#include "skin/scheme/cool_scheme.h"
#include "skin/controls/cool_scroll_bar.h"
#include "skin/controls/cool_static.h"
#include "skin/controls/cool_status_bar_ctrl.h"
#include "skin/controls/cool_tab_ctrl.h"

class OneOfEachDialog : public CDialog, public CCoolScheme {
public:
    // skinned false: the same dialog with the platform's controls, for comparison.
    explicit OneOfEachDialog(bool skinned = true);
    ~OneOfEachDialog() override;

    // Modeless at (x, y) of the screen; shown without activation unless asked.
    bool Open(int x = 0, int y = 0, bool activate = false);
    // Colours in the order the panel applies a set, render mode with auto shades.
    void ApplySet(const COOLCOLORSET& set);
    void PassSchemeOn();

    int GetBkBitmap(HBITMAP* bitmap) override;
    int GetBkRect(RECT* rect) override;
    void OnSchemeChanged() override;

    CCoolButton push, defPush, notify, check, radio1, radio2, pushLike, group;
    CCoolComboBox combo;
    CCoolEdit edit;
    CCoolListCtrl list;
    CCoolScrollBar scroll;
    CCoolStatic label, display;
    CCoolTabCtrl tab;
    CCoolStatusBarCtrl status;

    std::vector<std::string> statusLog;       // "clear", "id <n>", "text <t>"
    std::vector<std::pair<int, int>> commands; // control ID, notification code
    std::vector<int> scrollCodes;              // WM_HSCROLL codes from the scroll bar
    std::vector<int> scrollPositions;          // their positions (high word)

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void EraseBackground(HDC dc);
    void ShowStatus(WPARAM id, LPARAM text);

    bool m_skinned;
    bool m_activate = false;
    CCoolBitmap m_background;
};
