// The mixer sheet and its generic pages: which destinations get pages, the sizes
// of the sheet and its tab control, the system menu of a modal sheet, the columns
// a page builds on the simulated card, both directions through a built page, and
// nothing left behind when pages go.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "controls_test_support.h"
#include "mixer/controls/mixer_button.h"
#include "mixer/controls/mixer_mux_control.h"
#include "mixer/controls/mixer_property_page.h"
#include "mixer/controls/mixer_property_sheet.h"
#include "mixer/controls/mixer_slider.h"
#include "mixer/controls/mixer_slider_ex.h"
#include "support/dib_canvas.h"

namespace {

constexpr DWORD kSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

SIZE SizeOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

bool operator==(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

RECT InParent(const CWnd& control)
{
    RECT rect = {};
    control.GetWindowRect(&rect);
    MapWindowPoints(nullptr, control.GetParent(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct SearchCase {
    std::vector<const char*> names;
    int playback;
    int record;
};

class MixerSheetTest : public ControlsTest {};

TEST_F(MixerSheetTest, DestinationNamesChooseThePagesInAnyCase)
{
    const SearchCase cases[] = {
        {{"Volume Control", "Recording Control"}, 0, 1},
        {{"my record out", "Master PLAYBACK"}, 1, 0},
        {{"playback A", "volume B", "Line"}, 1, -1}, // a later match replaces an earlier one
        {{"RECORD volume"}, -1, 0},
        {{"Line Out", "Monitor"}, -1, -1},
    };
    for (const SearchCase& c : cases) {
        SimMixerLayout layout;
        for (const char* name : c.names) {
            SimDestination destination;
            destination.line = LineWith("Dest", 2, {SimVolume()});
            destination.line.name = name;
            layout.destinations.push_back(destination);
        }
        AssignControlIds(layout);
        Start(layout);
        CMixerPropertySheet sheet("Mixer", &Mixer());
        EXPECT_EQ(c.playback, sheet.GetPlaybackDestination()) << c.names[0];
        EXPECT_EQ(c.record, sheet.GetRecordDestination()) << c.names[0];
        EXPECT_EQ((c.playback >= 0) + (c.record >= 0), sheet.GetPageCount()) << c.names[0];
        TearDown();
        SetUp();
    }
}

// A page that reports a size of its own, and a sheet of two of them.
class SizedPage : public CCoolPropertyPage {
public:
    explicit SizedPage(int width) : m_width(width), m_template(WS_CHILD, 0, 0, 0, 100, 100, "Sized")
    {
        ConstructIndirect(m_template.Get());
    }
    int GetPageWidth() override { return m_width; }
    int GetPageHeight() override { return 280; }

private:
    int m_width;
    CDialogTemplate m_template;
};

class SizedSheet : public CMixerPropertySheet {
public:
    SizedSheet() { Construct("Sized", static_cast<CMixerDevice*>(nullptr)); }
    ~SizedSheet() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    bool AddMixerPages() override { return AddPage(&wide) && AddPage(&narrow); }

    SizedPage wide{300};
    SizedPage narrow{200};
};

struct SheetFacts {
    SIZE tab;
    SIZE sheet;
    bool minimizeBox;
    UINT defaultCommand;
    std::string lastItem;
    bool standardButtons;
};

SheetFacts FactsOf(const CPropertySheet& sheet)
{
    SheetFacts facts = {SizeOf(sheet.GetTabControl()), SizeOf(sheet.m_hWnd), (sheet.GetStyle() & WS_MINIMIZEBOX) != 0,
                        0, std::string(), false};
    const HMENU menu = GetSystemMenu(sheet.m_hWnd, FALSE);
    facts.defaultCommand = GetMenuDefaultItem(menu, FALSE, 0);
    char text[64] = "";
    GetMenuStringA(menu, GetMenuItemCount(menu) - 1, text, sizeof(text), MF_BYPOSITION);
    facts.lastItem = text;
    for (int id : {IDOK, IDCANCEL, 0x3021, IDHELP})
        facts.standardButtons = facts.standardButtons || sheet.GetDlgItem(id) != nullptr;
    return facts;
}

SizedSheet* g_modal = nullptr;
SheetFacts g_modalFacts = {};

void CALLBACK InspectModal(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_modalFacts = FactsOf(*g_modal);
    g_modal->EndDialog(IDCANCEL);
}

TEST_F(MixerSheetTest, SizedToTheWidestPageWithMinimizeOnlyWhenModal)
{
    SizedSheet modeless;
    ASSERT_TRUE(modeless.Create(nullptr, kSheetStyle));
    SheetFacts facts = FactsOf(modeless);
    EXPECT_TRUE(facts.tab == (SIZE{300, 320}));
    EXPECT_TRUE(facts.sheet == (SIZE{310, 340 + 20})) << facts.sheet.cx << " x " << facts.sheet.cy;
    EXPECT_NE(static_cast<UINT>(SC_MINIMIZE), facts.defaultCommand);
    EXPECT_NE("Minimize", facts.lastItem);
    EXPECT_FALSE(facts.standardButtons);
    modeless.DestroyWindow();

    SizedSheet modal;
    g_modal = &modal;
    SetTimer(nullptr, 0, 100, &InspectModal);
    modal.DoModal();
    EXPECT_TRUE(g_modalFacts.tab == (SIZE{300, 320}));
    EXPECT_TRUE(g_modalFacts.sheet == (SIZE{310, 340 - 20})) << g_modalFacts.sheet.cx << " x " << g_modalFacts.sheet.cy;
    EXPECT_TRUE(g_modalFacts.minimizeBox);
    EXPECT_EQ(static_cast<UINT>(SC_MINIMIZE), g_modalFacts.defaultCommand);
    EXPECT_EQ("Minimize", g_modalFacts.lastItem);
    EXPECT_FALSE(g_modalFacts.standardButtons);
}

const CMixerButton* ButtonOf(const CMixerPropertyPage& page, DWORD controlId)
{
    for (const auto& button : page.Buttons())
        if (button->ControlId() == controlId)
            return button.get();
    return nullptr;
}

TEST_F(MixerSheetTest, GenericPagesBuildAColumnPerLineOfTheSixChannelCard)
{
    StartModel(SimCardModel::Six);
    CMixerPropertySheet sheet("Mixer", &Mixer());
    ASSERT_TRUE(sheet.Create(nullptr, kSheetStyle));
    CMixerPropertyPage& playback = *sheet.GetPlaybackPage();
    EXPECT_EQ("Volume Control", sheet.GetCoolTabCtrl().GetItemText(0));
    EXPECT_EQ("Volume", playback.GetWindowText());
    // The destination and its twelve sources; the bass boost gets nothing.
    EXPECT_EQ(13, playback.GetColumnCount());
    EXPECT_EQ(13 * 45 + 20, playback.GetPageWidth());
    ASSERT_EQ(13u, playback.Sliders().size());
    EXPECT_EQ(13u + 1u, playback.Buttons().size());

    const CMixerSliderEx& wave = *playback.Sliders()[1];
    EXPECT_EQ(1001, wave.GetDlgCtrlID());
    EXPECT_EQ((RECT{55, 40, 90, 212}), InParent(wave));
    EXPECT_TRUE(wave.HasMeter());
    EXPECT_FALSE(playback.Sliders()[7]->HasMeter()) << "CD";
    const CMixerSliderEx& mic = *playback.Sliders()[8];
    EXPECT_EQ((RECT{370, 40, 405, 190}), InParent(mic));
    // Check boxes start below the fader: at 190 on a mono line, 220 on a stereo one.
    const DWORD waveMute = ControlOf("Wave", MIXERCONTROL_CONTROLTYPE_MUTE);
    EXPECT_EQ((RECT{55, 220, 90, 240}), InParent(*ButtonOf(playback, waveMute)));
    EXPECT_EQ("Mute", ButtonOf(playback, waveMute)->GetWindowText());
    EXPECT_EQ(1129, ButtonOf(playback, waveMute)->GetDlgCtrlID());
    EXPECT_EQ((RECT{370, 190, 405, 210}), InParent(*ButtonOf(playback, 14)));
    EXPECT_EQ((RECT{370, 220, 405, 240}), InParent(*ButtonOf(playback, ControlOf("Mic", MIXERCONTROL_CONTROLTYPE_MUTE))));

    ASSERT_TRUE(sheet.SetActivePage(1));
    CMixerPropertyPage& record = *sheet.GetRecordPage();
    EXPECT_EQ(7, record.GetColumnCount());
    ASSERT_EQ(1u, record.Muxes().size());
    const CMixerMuxControl& mux = *record.Muxes()[0];
    EXPECT_EQ((RECT{10, 40, 55, 210}), InParent(mux));
    EXPECT_EQ(6, mux.GetItemButtonCount());
    // The selector's extra column moves the record volume one column on.
    EXPECT_EQ(55, InParent(*record.Sliders()[0]).left);
    EXPECT_EQ(2 * 45 + 10, InParent(*record.Sliders()[1]).left);
}

TEST_F(MixerSheetTest, HiddenLinesLinesWithoutControlsAndUnshownControlsGetNothing)
{
    SimControl unshown = SimVolume();
    unshown.flags |= 0x40000000;
    SimLine empty = LineWith("Empty", 2, {});
    Start(PlaybackLayout({LineWith("NA", 2, {SimVolume()}), empty, LineWith("Shown", 2, {unshown, SimMute()})}));
    CMixerPropertySheet sheet("Mixer", &Mixer());
    ASSERT_TRUE(sheet.Create(nullptr, kSheetStyle));
    CMixerPropertyPage& page = *sheet.GetPlaybackPage();
    EXPECT_EQ(2, page.GetColumnCount());
    EXPECT_EQ(1u, page.Sliders().size());
    ASSERT_EQ(1u, page.Buttons().size());
    EXPECT_EQ(45 + 10, InParent(*page.Buttons()[0]).left);
    EXPECT_EQ(2 * 45 + 20, page.GetPageWidth());
}

TEST_F(MixerSheetTest, BuiltPageFollowsTheDeviceBothWays)
{
    StartModel(SimCardModel::Six);
    CMixerPropertySheet sheet("Mixer", &Mixer());
    ASSERT_TRUE(sheet.Create(nullptr, kSheetStyle));
    const CMixerPropertyPage& page = *sheet.GetPlaybackPage();
    const CMixerSliderEx& wave = *page.Sliders()[1];
    const DWORD volume = ControlOf("Wave", MIXERCONTROL_CONTROLTYPE_VOLUME);
    const DWORD mute = ControlOf("Wave", MIXERCONTROL_CONTROLTYPE_MUTE);

    wave.GetFirstSlider()->SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ((std::vector<LONG>{65535, 65535}), DeviceValues(volume));

    ASSERT_TRUE(Outside().SetUnsignedPair(volume, 16384, 16384));
    ASSERT_TRUE(Outside().SetBooleanAll(mute, 1));
    DrainMessages();
    const int bottom = wave.GetFirstSlider()->GetRangeMax();
    EXPECT_NEAR(bottom * 3 / 4, wave.GetFirstSlider()->GetPos(), 2) << "a quarter of the volume";
    EXPECT_EQ(BST_CHECKED, ButtonOf(page, mute)->GetCheck());
}

size_t BuildBothPagesAndDestroy(RecordingMixer& mixer)
{
    CMixerPropertySheet sheet("Mixer", &mixer);
    sheet.Create(nullptr, kSheetStyle);
    sheet.SetActivePage(1);
    PumpFor(120); // meter polls and paints
    const size_t registrations = mixer.RegistrationCount();
    // Removing a page ends its controls' registrations: the record page has 7
    // faders, the selector and the microphone's boost switch.
    sheet.RemovePage(1);
    EXPECT_EQ(registrations - 9, mixer.RegistrationCount());
    return registrations;
}

TEST_F(MixerSheetTest, DestroyedPagesLeaveNoRegistrationTimerOrGdiObject)
{
    StartModel(SimCardModel::Six);
    EXPECT_GT(BuildBothPagesAndDestroy(Mixer()), 20u);
    DrainMessages();
    const DWORD gdiBefore = GdiObjectCount();
    BuildBothPagesAndDestroy(Mixer());
    DrainMessages();
    EXPECT_EQ(0u, Mixer().RegistrationCount());
    EXPECT_EQ(0u, Mixer().MeterTimer());
    EXPECT_EQ(gdiBefore, GdiObjectCount());
}

TEST_F(MixerSheetTest, ClassesReportTheirNamesAndTheSheetAndPageAreCreatableByName)
{
    const CMixerButton button;
    const CMixerMuxControl mux;
    const CMixerSliderEx fader;
    const CMixerSlider slider;
    EXPECT_STREQ("CMixerButton", button.GetRuntimeClass()->m_name);
    EXPECT_STREQ("CMixerMuxControl", mux.GetRuntimeClass()->m_name);
    EXPECT_STREQ("CMixerSliderEx", fader.GetRuntimeClass()->m_name);
    EXPECT_STREQ("CMixerSlider", slider.GetRuntimeClass()->m_name);
    for (const char* name : {"CMixerPropertySheet", "CMixerPropertyPage"}) {
        const CRuntimeClass* record = CRuntimeClass::FromName(name);
        ASSERT_NE(nullptr, record) << name;
        std::unique_ptr<CObject> object(record->CreateObject());
        ASSERT_NE(nullptr, object);
        EXPECT_TRUE(object->IsKindOf(&CCoolPropertyPage::classCCoolPropertyPage) ||
                    object->IsKindOf(&CCoolPropertySheet::classCCoolPropertySheet));
        EXPECT_STREQ(name, object->GetRuntimeClass()->m_name);
    }
}

} // namespace
