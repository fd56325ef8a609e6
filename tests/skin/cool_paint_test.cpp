// The paint cycle of the drawing context: however a paint handler is left, its
// paint ends and its context goes back to the system.
#include <gtest/gtest.h>

#include "platform/wnd.h"
#include "skin/draw/cool_dc.h"
#include "support/dib_canvas.h"

namespace {

enum class PaintForm { LeftEarly, EndedByHand, PaintForm };

class PaintedWindow : public CWnd {
public:
    PaintForm form = PaintForm::LeftEarly;
    HDC lastContext = nullptr;
    bool ownedWhilePainting = true;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_PAINT)
            return CWnd::WindowProc(message, wParam, lParam);
        if (form == PaintForm::PaintForm) {
            CCoolPaintDC dc(m_hWnd);
            Record(dc);
            return 0;
        }
        CCoolDC dc;
        if (!dc.BeginWindowPaint(m_hWnd))
            return 0;
        Record(dc);
        if (form == PaintForm::LeftEarly)
            return 0; // as a handler that finds nothing to draw
        dc.FillSolidRect({0, 0, 4, 4}, RGB(1, 2, 3));
        dc.EndWindowPaint();
        return 0;
    }

private:
    void Record(const CCoolDC& dc)
    {
        lastContext = dc.GetSafeHdc();
        ownedWhilePainting = dc.IsOwner();
    }
};

const char* PaintWindowClass()
{
    static const bool registered = CWnd::RegisterWindowClass("HalvardPaintTest", 0, nullptr, nullptr);
    return registered ? "HalvardPaintTest" : "STATIC";
}

} // namespace

TEST(CoolPaint, EveryWayOutOfAPaintEndsItAndLeaksNothing)
{
    PaintedWindow window;
    ASSERT_TRUE(window.CreateEx(0, PaintWindowClass(), "", WS_POPUP | WS_VISIBLE, {0, 0, 40, 40}, nullptr, 0));
    for (PaintForm form : {PaintForm::LeftEarly, PaintForm::EndedByHand, PaintForm::PaintForm}) {
        window.form = form;
        const auto paint = [&] {
            window.lastContext = nullptr;
            window.Invalidate(false);
            window.UpdateWindow();
        };
        paint(); // the system's context cache settles
        const DWORD before = GdiObjectCount();
        for (int i = 0; i < 200; ++i) {
            paint();
            ASSERT_NE(nullptr, window.lastContext);
            EXPECT_FALSE(window.ownedWhilePainting) << "the paint context is the system's";
            // Given back, not deleted: the system keeps its context.
            ASSERT_NE(0u, GetObjectType(window.lastContext)) << "form " << static_cast<int>(form);
        }
        EXPECT_EQ(before, GdiObjectCount()) << "form " << static_cast<int>(form);
        RECT pending;
        EXPECT_FALSE(GetUpdateRect(window.m_hWnd, &pending, FALSE));
    }
    window.DestroyWindow();
}
