#pragma once
// The Misc page in a skinned sheet of its own, with a host that keeps the global
// hotkeys as the panel does and counts the settings-file commands.

#include <windows.h>

#include "app/global_hotkeys.h"
#include "pages/nvp4_page_misc.h"
#include "pages/page_host.h"
#include "skin/containers/cool_property_sheet.h"

class MiscTestHost : public CPageHost {
public:
    HWND window = nullptr;
    CGlobalHotkeys hotkeys;
    int loads = 0;
    int saves = 0;

    bool RegisterHotkeys(bool on) override { return hotkeys.Register(window, on) != 0; }
    bool LoadSettingsFile() override { return ++loads > 0; }
    bool SaveSettingsFile() override { return ++saves > 0; }
    void StartTestSpeaker(DWORD) override {}
    void StopTestSpeaker(DWORD) override {}
    void ApplySpeakerMode(DWORD) override {}
    const char* SpeakerPicturePath() const override { return ""; }
    int PictureBlendLevel() const override { return 255; }
};

// Shown without activation at the screen's top left, the Misc page active.
class MiscSheet {
public:
    MiscSheet();
    ~MiscSheet();
    MiscSheet(const MiscSheet&) = delete;
    MiscSheet& operator=(const MiscSheet&) = delete;

    HWND Item(int id) const { return GetDlgItem(page.m_hWnd, id); }
    // A click on a page button, as the user's.
    void Click(int id) const;
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    MiscTestHost host;
    CCoolPropertySheet sheet;
    CNVP4PageMisc page{nullptr, &host};
};

// In the open colour editor: chooses the set, turns reflections off (flat fills,
// so that pixels show the colours themselves) and presses OK.
void TakeFlatSet(HWND editor, const char* name);

// Paints everything pending now.
void PaintNow();
COLORREF ScreenPixelOf(HWND window, int clientX, int clientY);
