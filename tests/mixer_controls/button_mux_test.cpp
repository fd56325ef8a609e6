// Switches and record sources as a user meets them: clicks write the device, a
// change from another program shows (and is announced to the parent), a mux keeps
// one source, a multiple-select keeps the others, and the disabled flag holds
// through binding and refreshing.
#include "controls_test_support.h"
#include "mixer/controls/mixer_button.h"
#include "mixer/controls/mixer_mux_control.h"
#include "mixer/controls/mixer_slider_ex.h"

namespace {

class ButtonTest : public ControlsTest {
protected:
    std::unique_ptr<CMixerButton> MakeButton(DWORD style, int id, DWORD lineId, DWORD controlId, int items = 0,
                                             int item = 0)
    {
        auto button = std::make_unique<CMixerButton>();
        button->SetItem(items, item);
        button->Bind(&Mixer(), lineId, controlId);
        const RECT rect = {10, 10 + 30 * (id % 8), 150, 30 + 30 * (id % 8)};
        const bool created = button->Create("BUTTON", "", WS_CHILD | WS_VISIBLE | style, rect, Host().m_hWnd, id);
        EXPECT_TRUE(created) << GetLastError() << " hwnd " << button->m_hWnd;
        return button;
    }
    std::vector<LONG> LastWrite() { return Mixer().writes.empty() ? std::vector<LONG>() : Mixer().writes.back().values; }
};

TEST_F(ButtonTest, SwitchFollowsTheDeviceBothWaysAndTellsItsParent)
{
    StartModel(SimCardModel::Six);
    const DWORD mute = ControlOf("Wave", MIXERCONTROL_CONTROLTYPE_MUTE);
    // Bound before its window exists, initialised again when it is created: one registration.
    auto button = MakeButton(BS_AUTOCHECKBOX, 1240, LineOf("Wave"), mute);
    EXPECT_EQ(1u, Mixer().RegistrationCount());
    EXPECT_EQ("Mute", button->GetWindowText());

    button->SendMessage(BM_CLICK);
    EXPECT_EQ(std::vector<LONG>{1}, LastWrite());
    EXPECT_EQ(std::vector<LONG>{1}, DeviceValues(mute));

    DrainMessages();
    Host().changes.clear();
    ASSERT_TRUE(Outside().SetBooleanAll(mute, 0));
    DrainMessages();
    EXPECT_EQ(BST_UNCHECKED, button->GetCheck());
    ASSERT_EQ(1u, Host().changes.size());
    const MixerChangeNotify& change = Host().changes[0];
    EXPECT_EQ(button->m_hWnd, change.header.hwndFrom);
    EXPECT_EQ(1240u, change.header.idFrom);
    EXPECT_EQ(mute, change.controlId);
    EXPECT_EQ(LineOf("Wave") & 0xFFFF, change.lineId);

    button->DestroyWindow();
    EXPECT_EQ(0u, Mixer().RegistrationCount());
}

TEST_F(ButtonTest, MuxItemsSelectOneSourceAndFollowTheDevice)
{
    StartModel(SimCardModel::Six);
    const DWORD record = LineOf("Record");
    const DWORD mux = ControlOf("Record", MIXERCONTROL_CONTROLTYPE_MUX);
    auto mix = MakeButton(BS_AUTORADIOBUTTON | WS_GROUP, 1198, record, mux, 6, 0);
    auto microphone = MakeButton(BS_AUTORADIOBUTTON, 1199, record, mux, 6, 2);
    EXPECT_EQ("Stereo Mix", mix->GetWindowText());
    EXPECT_EQ("Microphone", microphone->GetWindowText());
    EXPECT_EQ(BST_CHECKED, mix->GetCheck());

    microphone->SendMessage(BM_CLICK);
    EXPECT_EQ((std::vector<LONG>{0, 0, 1, 0, 0, 0}), LastWrite());
    DrainMessages();
    EXPECT_EQ(BST_UNCHECKED, mix->GetCheck());
    EXPECT_EQ(BST_CHECKED, microphone->GetCheck());

    // The column of radio buttons does the same with one control.
    CMixerMuxControl column(&Mixer(), record, mux);
    ASSERT_TRUE(column.Create("STATIC", "Mux", WS_CHILD | WS_VISIBLE, {200, 40, 270, 210}, Host().m_hWnd, 1096));
    ASSERT_EQ(6, column.GetItemButtonCount());
    EXPECT_EQ("SPDIF In", column.GetItemButton(5)->GetWindowText());
    EXPECT_EQ(BST_CHECKED, column.GetItemButton(2)->GetCheck());
    RECT row;
    GetWindowRect(column.GetItemButton(1)->m_hWnd, &row);
    MapWindowPoints(nullptr, column.m_hWnd, reinterpret_cast<POINT*>(&row), 2);
    EXPECT_EQ((RECT{2, 28 + 2, 68, 2 * 28 - 2}), row) << "rows of 170 / 6 = 28 pixels, 2 inside";

    column.GetItemButton(3)->SendMessage(BM_CLICK);
    EXPECT_EQ((std::vector<LONG>{0, 0, 0, 1, 0, 0}), LastWrite());
    ASSERT_TRUE(Outside().SetBooleanArray(mux, std::vector<LONG>{0, 1, 0, 0, 0, 0}.data(), 6 * sizeof(LONG)));
    DrainMessages();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(i == 1 ? BST_CHECKED : BST_UNCHECKED, column.GetItemButton(i)->GetCheck()) << i;
    EXPECT_EQ(BST_UNCHECKED, microphone->GetCheck());
}

TEST_F(ButtonTest, MultipleSelectItemKeepsTheOthersAndWholeSwitchSetsEveryChannel)
{
    SimControl select = SimMux({"One", "Two", "Three", "Four"});
    select.type = MIXERCONTROL_CONTROLTYPE_MULTIPLESELECT;
    SimControl loudness = SimOnOff("Loud", "Loudness");
    loudness.type = MIXERCONTROL_CONTROLTYPE_LOUDNESS;
    loudness.flags = 0; // two channels of their own
    Start(PlaybackLayout({LineWith("Test", 2, {select, loudness})}));
    const DWORD selectId = ControlOf("Test", MIXERCONTROL_CONTROLTYPE_MULTIPLESELECT);
    ASSERT_TRUE(Devices().SetFromOutside(0, selectId, {1, 1, 0, 1}));
    auto two = MakeButton(BS_AUTOCHECKBOX, 101, LineOf("Test"), selectId, 4, 1);
    EXPECT_EQ(BST_CHECKED, two->GetCheck());
    two->SendMessage(BM_CLICK);
    EXPECT_EQ((std::vector<LONG>{1, 0, 0, 1}), LastWrite());

    auto whole = MakeButton(BS_AUTOCHECKBOX, 102, LineOf("Test"), ControlOf("Test", MIXERCONTROL_CONTROLTYPE_LOUDNESS));
    whole->SendMessage(BM_CLICK);
    EXPECT_EQ((std::vector<LONG>{1, 1}), LastWrite());
    // An item outside the control's items reads and writes nothing.
    auto outside = MakeButton(BS_AUTOCHECKBOX, 103, LineOf("Test"), selectId, 4, 4);
    EXPECT_FALSE(outside->Update(false));
}

TEST_F(ButtonTest, DisabledFlagAfterBindingAndAfterRefresh)
{
    SimControl mute = SimMute();
    mute.flags |= MIXERCONTROL_CONTROLF_DISABLED;
    SimControl volume = SimVolume();
    volume.flags |= MIXERCONTROL_CONTROLF_DISABLED;
    Start(PlaybackLayout({LineWith("Test", 2, {volume, mute})}));
    const DWORD muteId = ControlOf("Test", MIXERCONTROL_CONTROLTYPE_MUTE);
    const DWORD volumeId = ControlOf("Test", MIXERCONTROL_CONTROLTYPE_VOLUME);
    auto button = MakeButton(BS_AUTOCHECKBOX, 101, LineOf("Test"), muteId);
    CMixerSliderEx fader(&Mixer(), LineOf("Test"), volumeId, 0, false);
    ASSERT_TRUE(fader.Create("STATIC", "", WS_CHILD | WS_VISIBLE, {200, 10, 235, 222}, Host().m_hWnd, 1001));
    auto enabled = [&] {
        return std::vector<bool>{button->IsWindowEnabled(), fader.IsWindowEnabled(),
                                 fader.GetFirstSlider()->IsWindowEnabled(), fader.GetSecondSlider()->IsWindowEnabled()};
    };
    EXPECT_EQ(std::vector<bool>(4, false), enabled());

    // A settings file refreshes the controls after the descriptions may have changed.
    for (bool disabled : {false, true, false}) {
        for (DWORD id : {muteId, volumeId}) {
            MixerControlEntry* entry = nullptr;
            ASSERT_TRUE(Mixer().FindControl(id, entry));
            entry->control.fdwControl = disabled ? entry->control.fdwControl | MIXERCONTROL_CONTROLF_DISABLED
                                                 : entry->control.fdwControl & ~MIXERCONTROL_CONTROLF_DISABLED;
            Mixer().NotifyControl(id, true);
        }
        EXPECT_EQ(std::vector<bool>(4, !disabled), enabled());
    }
}

} // namespace
