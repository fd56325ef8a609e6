// The one-of-each dialog in the nine built-in colour sets, side by side; with
// --screenshot=<path> the screen is saved there as a PNG file.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "one_of_each_dialog.h"
#include "support/png_file.h"
#include "support/dib_canvas.h"
#include "support/message_pump.h"
#include "support/test_arguments.h"

TEST(Screenshot, NineColourSetsSideBySide)
{
    const BuiltInColorSets sets = BuildBuiltInColorSets(nullptr);
    std::vector<std::unique_ptr<OneOfEachDialog>> dialogs;
    RECT size = {};
    for (int i = 0; i < kBuiltInColorSetCount; ++i) {
        auto dialog = std::make_unique<OneOfEachDialog>();
        ASSERT_TRUE(dialog->Open(0, 0));
        dialog->GetWindowRect(&size);
        const int width = size.right - size.left;
        const int height = size.bottom - size.top;
        dialog->SetWindowPos(nullptr, (i % 3) * (width + 4), (i / 3) * (height + 4), 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (i == kColorSetWindows) {
            dialog->UseWindowsColors();
            dialog->PassSchemeOn();
        } else {
            dialog->ApplySet(sets[static_cast<size_t>(i)].colors);
        }
        dialogs.push_back(std::move(dialog));
    }
    PumpFor(300);
    const int width = 3 * (size.right - size.left + 4);
    const int height = 3 * (size.bottom - size.top + 4);
    DibCanvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ReleaseDC(nullptr, screen);
    std::vector<uint32_t> pixels;
    std::set<COLORREF> colours;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = canvas.Pixel(x, y);
            colours.insert(c);
            pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    // Nine shaded dialogs make thousands of colours; a blank capture makes one.
    EXPECT_GT(colours.size(), 500u);
    const std::string path = TestArgument("screenshot");
    if (!path.empty()) {
        EXPECT_TRUE(WritePng(path, width, height, pixels)) << path;
    }
}
