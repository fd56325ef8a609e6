// Notifications of child controls reach the child's object first; the child decides
// whether its parent still sees them.
#include "platform/common_controls.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/gdi_object.h"
#include "platform/property_page.h"
#include "platform/property_sheet.h"
#include "platform/win_app.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "platform_test_support.h"

namespace {

constexpr WORD kButtonId = 100;
constexpr UINT kSliderId = 200;

class ClickCountingButton : public CButton {
public:
    int clicks = 0;
    int creates = 0;
    bool keepFromParent = false;

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override
    {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
            return false;
        ++clicks;
        *result = 0;
        return keepFromParent;
    }
};

class ScrollCountingSlider : public CSliderCtrl {
public:
    int scrolls = 0;
    int creates = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE)
            ++creates;
        return CSliderCtrl::WindowProc(message, wParam, lParam);
    }
    bool OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT* result) override
    {
        if (message != WM_VSCROLL)
            return false;
        ++scrolls;
        *result = 0;
        return true;
    }
};

class ParentDialog : public CDialog {
public:
    ClickCountingButton button;
    ScrollCountingSlider slider;
    int buttonCommands = 0;
    int scrollsSeen = 0;

protected:
    void DoDataExchange() override { AttachItem(kButtonId, button); }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        slider.Create(TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_VERT, {10, 40, 40, 140}, m_hWnd, kSliderId);
        slider.SetRange(0, 100);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == kButtonId)
            ++buttonCommands;
        if (message == WM_VSCROLL)
            ++scrollsSeen;
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

CDialogTemplate ParentTemplate()
{
    CDialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION, 0, 10, 10, 160, 120, "Parent");
    dialogTemplate.AddItem(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 80, 10, 60, 14, kButtonId, 0x0080, "Click");
    return dialogTemplate;
}

} // namespace

TEST(Reflection, ButtonClickReachesButtonFirstAndCanBeKept)
{
    TestWindowClass();
    const CDialogTemplate dialogTemplate = ParentTemplate();
    ParentDialog parent;
    ASSERT_TRUE(parent.CreateIndirect(dialogTemplate.Get(), nullptr));
    ASSERT_EQ(parent.GetDlgItem(kButtonId), parent.button.m_hWnd);
    EXPECT_EQ(&parent.button, parent.GetDlgItemObject(kButtonId));

    parent.button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, parent.button.clicks);
    EXPECT_EQ(1, parent.buttonCommands);

    parent.button.keepFromParent = true;
    parent.button.SendMessage(BM_CLICK);
    EXPECT_EQ(2, parent.button.clicks);
    EXPECT_EQ(1, parent.buttonCommands) << "the button kept the click";

    // Undone subclassing: the button is plain again, the parent sees the click.
    const HWND buttonWindow = parent.button.m_hWnd;
    EXPECT_EQ(buttonWindow, parent.button.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandle(buttonWindow));
    ::SendMessageA(buttonWindow, BM_CLICK, 0, 0);
    EXPECT_EQ(2, parent.button.clicks);
    EXPECT_EQ(2, parent.buttonCommands);
    EXPECT_TRUE(parent.button.SubclassWindow(buttonWindow));

    parent.DestroyWindow();
    EXPECT_EQ(nullptr, parent.m_hWnd);
    EXPECT_EQ(nullptr, parent.button.m_hWnd);
    EXPECT_EQ(nullptr, parent.slider.m_hWnd);
}

TEST(Reflection, TrackbarScrollReachesTrackbarObject)
{
    const CDialogTemplate dialogTemplate = ParentTemplate();
    ParentDialog parent;
    ASSERT_TRUE(parent.CreateIndirect(dialogTemplate.Get(), nullptr));
    ASSERT_NE(nullptr, parent.slider.m_hWnd);
    EXPECT_EQ(1, parent.slider.creates) << "a created control's object sees its WM_CREATE";
    EXPECT_EQ(&parent.slider, CWnd::FromHandle(parent.GetDlgItem(kSliderId)));

    parent.slider.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    parent.slider.SendMessage(WM_KEYUP, VK_DOWN, 0);
    EXPECT_GE(parent.slider.scrolls, 1);
    EXPECT_EQ(0, parent.scrollsSeen);
    EXPECT_GT(parent.slider.GetPos(), 0);
}

TEST(RuntimeClass, IsAAndNames)
{
    CPropertySheet sheet;
    CDialog dialog;
    CButton button;
    EXPECT_TRUE(sheet.IsKindOf(&CWnd::classCWnd));
    EXPECT_FALSE(sheet.IsKindOf(&CDialog::classCDialog));
    EXPECT_TRUE(dialog.IsKindOf(&CDialog::classCDialog));
    EXPECT_TRUE(button.IsKindOf(&CWnd::classCWnd));
    EXPECT_STREQ("CPropertySheet", sheet.GetRuntimeClass()->m_name);
    EXPECT_STREQ("CDialog", dialog.GetRuntimeClass()->m_name);
}

namespace {

class CreatableSheet : public CPropertySheet {
public:
    static const CRuntimeClass classCreatableSheet;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCreatableSheet; }
};

const CRuntimeClass CreatableSheet::classCreatableSheet("CreatableSheet", &CPropertySheet::classCPropertySheet,
                                                        &CreateInstance<CreatableSheet>);

} // namespace

TEST(RuntimeClass, CreatableByName)
{
    const CRuntimeClass* found = CRuntimeClass::FromName("CreatableSheet");
    ASSERT_EQ(&CreatableSheet::classCreatableSheet, found);
    CObject* object = found->CreateObject();
    ASSERT_NE(nullptr, object);
    EXPECT_TRUE(object->IsKindOf(&CPropertySheet::classCPropertySheet));
    EXPECT_STREQ("CreatableSheet", object->GetRuntimeClass()->m_name);
    delete object;
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("creatablesheet"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CDialog")) << "not registered as creatable";
}

// Each class reports its own record, never its base's: every creatable class of the
// program, and the window layer's classes that are not creatable.
TEST(RuntimeClass, EveryClassReportsItsOwnRecord)
{
    int creatable = 0;
    for (const CRuntimeClass* record = CRuntimeClass::FirstCreatable(); record; record = record->NextCreatable()) {
        ++creatable;
        std::unique_ptr<CObject> object(record->CreateObject());
        ASSERT_NE(nullptr, object) << record->m_name;
        EXPECT_EQ(record, object->GetRuntimeClass()) << record->m_name << " reports "
                                                     << object->GetRuntimeClass()->m_name;
        EXPECT_EQ(record, CRuntimeClass::FromName(record->m_name)) << "two creatable classes named " << record->m_name;
        EXPECT_TRUE(record->IsDerivedFrom(&CObject::classCObject)) << record->m_name;
    }
    EXPECT_GE(creatable, 1);

    const std::pair<std::unique_ptr<CObject>, const CRuntimeClass*> layer[] = {
        {std::make_unique<CWnd>(), &CWnd::classCWnd},
        {std::make_unique<CDialog>(), &CDialog::classCDialog},
        {std::make_unique<CPropertyPage>(), &CPropertyPage::classCPropertyPage},
        {std::make_unique<CPropertySheet>(), &CPropertySheet::classCPropertySheet},
        {std::make_unique<CGdiObject>(), &CGdiObject::classCGdiObject},
    };
    for (const auto& entry : layer)
        EXPECT_EQ(entry.second, entry.first->GetRuntimeClass()) << entry.second->m_name;
}
