#pragma once
// Windows the containers' tests put together: a skinned probe control that paints
// itself flat in its background colour and records the scheme it is given, pages
// that carry one, a two-page sheet, and screen and bitmap pixel readers.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/wnd.h"
#include "skin/containers/cool_dialog.h"
#include "skin/containers/cool_property_page.h"
#include "skin/containers/cool_property_sheet.h"
#include "skin/scheme/cool_scheme.h"

class ProbeControl : public CWnd, public CCoolScheme {
public:
    ProbeControl(HWND parent, const RECT& rect, int id);
    ~ProbeControl() override;

    std::vector<POINT> lights; // every light point received
    int paints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A page of an in-memory template that makes a probe control when initialised.
class ProbePage : public CCoolPropertyPage {
public:
    explicit ProbePage(const char* title);
    BOOL OnInitDialog() override;
    void Refresh() override { ++refreshes; }
    bool OnDeactivate() override { return mayLeave && CCoolPropertyPage::OnDeactivate(); }

    std::unique_ptr<ProbeControl> control;
    int refreshes = 0;
    bool mayLeave = true;

private:
    CDialogTemplate m_template;
};

// A sheet of two probe pages, shown without activation at the screen's top left.
class TwoPageSheet {
public:
    explicit TwoPageSheet(int renderMode = RM_AUTOSHADES, bool create = true);
    ~TwoPageSheet();
    bool Create();

    CCoolPropertySheet sheet;
    ProbePage first{"First"};
    ProbePage second{"Second"};
};

// One sheet for a whole suite: under Wine without a window manager, ending an active
// top-level window costs two seconds.
class SharedSheetTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_two = new TwoPageSheet(RM_AUTOSHADES); }
    static void TearDownTestSuite();
    static CCoolPropertySheet& Sheet() { return s_two->sheet; }

    static TwoPageSheet* s_two;
};

// A child dialog of an in-memory template inside a plain host window, sized so that
// its client area is exactly width x height.
class HostedDialog {
public:
    HostedDialog(int width, int height);
    ~HostedDialog();

    HWND host = nullptr;
    CCoolDialog dialog;

private:
    CDialogTemplate m_template;
};

// A pixel of the screen.
COLORREF ScreenPixel(int x, int y);
COLORREF ScreenPixel(HWND window, int clientX, int clientY);
// A pixel of a bitmap.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);
// Paints everything pending now.
void PaintPending();
