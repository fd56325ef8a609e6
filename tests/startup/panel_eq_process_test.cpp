// The panel executable's EQ page under Wine, used with the mouse and the keyboard
// as a user uses it: a band slider dragged, two presets named and added, the other
// one chosen from the list; the registry then holds the tables the driver reads,
// and the peak meters move on the screen while they are on and stand still while
// they are off.
#include "startup/panel_process.h"

#include "dialogs/eq_ids.h"
#include "driver/driver_keys.h"
#include "driver/eq_keys.h"
#include "platform/panel_values.h"
#include "simcard/sim_mixer_store.h"
#include "support/card_bench.h"
#include "support/key_input.h"
#include "support/message_pump.h"
#include "support/registry_guard.h"
#include "support/registry_tree_guard.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char* kSheetCaption = "Halvard";
constexpr DWORD kStartMs = 20000;
constexpr int kEqPageIndex = 4; // Playback, Sources, Record, Digital, EQ on the six-channel card
const std::string kBands = std::string(kEqualizerKey) + "\\48000\\10-Bands";

RECT ScreenRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

void ClickOn(HWND control)
{
    ClickAt(MiddleOf(control));
    PumpFor(300);
}

// A check box's box sits at its left end.
void ClickBox(HWND checkBox)
{
    const RECT rect = ScreenRect(checkBox);
    ClickAt({rect.left + 6, (rect.top + rect.bottom) / 2});
    PumpFor(300);
}

// A band slider dragged from its middle by dy pixels (up is negative).
void Drag(HWND slider, int dy)
{
    const POINT middle = MiddleOf(slider);
    GlideTo(middle);
    DragTo({middle.x, middle.y + dy});
    PumpFor(300);
}

// Replaces the preset name field's text by typing.
void TypeName(HWND combo, const std::string& name)
{
    ClickOn(combo);
    const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    SendMessageA(field, EM_SETSEL, 0, -1);
    TypeText(name);
}

// The screen's pixels of a rectangle.
std::vector<DWORD> Capture(const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(DWORD));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::vector<BYTE> Stored(const std::string& key, const char* name)
{
    return ReadMachineValue(key, name).data;
}

std::string StoredText(const std::string& key, const char* name)
{
    const std::vector<BYTE> data = Stored(key, name);
    return std::string(data.begin(), data.end()).c_str();
}

class PanelEqProcessTest : public testing::Test {
protected:
    PanelEqProcessTest()
    {
        WriteGlobalHotKeysSwitch(false);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kEqualizerKey);
    }

    RegistryTreeGuard m_driverTree{HKEY_LOCAL_MACHINE, kDriverSettingsKey};
    RegistryTreeGuard m_mixerStore{HKEY_CURRENT_USER, SimMixerStore::DefaultKey()};
};

TEST_F(PanelEqProcessTest, SlidersPresetsAndMetersAsAUserUsesThem)
{
    PanelProcess panel("", "six");
    const HWND sheet = panel.WaitForWindow(kSheetCaption, kStartMs);
    ASSERT_NE(nullptr, sheet);
    SendMessageA(sheet, PSM_SETCURSEL, kEqPageIndex, 0);
    PumpFor(500);
    const HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ASSERT_NE(nullptr, page);
    ASSERT_NE(nullptr, GetDlgItem(page, IDC_EQ_PRESET));
    auto item = [page](int id) { return GetDlgItem(page, id); };

    ClickBox(item(IDC_EQ_ENABLE));
    ClickBox(item(IDC_EQ_PEAK_METERS));
    ASSERT_EQ(BST_CHECKED, SendMessageA(item(IDC_EQ_ENABLE), BM_GETCHECK, 0, 0));
    ASSERT_EQ(BST_CHECKED, SendMessageA(item(IDC_EQ_PEAK_METERS), BM_GETCHECK, 0, 0));

    // 20 Hz raised, then named "Warm"; 1 kHz lowered, then named "Cold".
    Drag(item(IDC_EQ_BAND_FIRST), -40);
    const int warmGain = static_cast<int>(SendMessageA(item(IDC_EQ_BAND_FIRST), TBM_GETPOS, 0, 0)) / -10;
    EXPECT_GT(warmGain, 0);
    EXPECT_EQ(warmGain, static_cast<signed char>(Stored(kBands + "\\CurrentSet", kEqGainTableValue).at(0)));
    TypeName(item(IDC_EQ_PRESET), "Warm");
    EXPECT_TRUE(IsWindowEnabled(item(IDC_EQ_ADD)));
    ClickOn(item(IDC_EQ_ADD));
    Drag(item(IDC_EQ_BAND_FIRST + 5), 30);
    const int coldGain = static_cast<int>(SendMessageA(item(IDC_EQ_BAND_FIRST + 5), TBM_GETPOS, 0, 0)) / -10;
    EXPECT_LT(coldGain, 0);
    TypeName(item(IDC_EQ_PRESET), "Cold");
    ClickOn(item(IDC_EQ_ADD));

    const std::vector<BYTE> warm = Stored(kBands + "\\Warm", kEqGainTableValue);
    const std::vector<BYTE> cold = Stored(kBands + "\\Cold", kEqGainTableValue);
    ASSERT_EQ(10u, warm.size());
    ASSERT_EQ(10u, cold.size());
    EXPECT_EQ(warmGain, static_cast<signed char>(warm[0]));
    EXPECT_EQ(0, static_cast<signed char>(warm[5]));
    EXPECT_EQ(coldGain, static_cast<signed char>(cold[5]));
    EXPECT_EQ("Cold", StoredText(kBands + "\\CurrentSet", kEqSetNameValue));
    EXPECT_EQ(cold, Stored(kBands + "\\CurrentSet", kEqGainTableValue));

    // The list dropped down with the mouse; the entry that is not current chosen.
    const HWND combo = item(IDC_EQ_PRESET);
    const RECT comboRect = ScreenRect(combo);
    ClickAt({comboRect.right - 6, (comboRect.top + comboRect.bottom) / 2});
    PumpFor(300);
    const int current = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    const int height = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    const int other = current == 0 ? 1 : 0;
    ClickAt({(comboRect.left + comboRect.right) / 2, comboRect.bottom + 2 + other * height + height / 2});
    PumpFor(300);
    EXPECT_EQ(other, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    EXPECT_EQ("Warm", StoredText(kBands + "\\CurrentSet", kEqSetNameValue));
    EXPECT_EQ(warm, Stored(kBands + "\\CurrentSet", kEqGainTableValue));
    EXPECT_EQ(0, SendMessageA(item(IDC_EQ_BAND_FIRST + 5), TBM_GETPOS, 0, 0));

    // The meters on the screen: two looks 200 ms apart differ while on, not while off.
    RECT meters = ScreenRect(item(IDC_EQ_BAND_FIRST));
    meters.right = ScreenRect(item(IDC_EQ_BAND_LAST)).right;
    GlideTo({0, 0});
    const std::vector<DWORD> on1 = Capture(meters);
    PumpFor(200);
    EXPECT_NE(on1, Capture(meters));
    ClickBox(item(IDC_EQ_PEAK_METERS));
    GlideTo({0, 0});
    PumpFor(300);
    const std::vector<DWORD> off1 = Capture(meters);
    PumpFor(200);
    EXPECT_EQ(off1, Capture(meters));
}

} // namespace
