// The panel's start-up and exit in this process, on the simulated card: one
// instance, the card's failure message and the autostart value, the command line
// handed to the main window, and the sheet going before the card.
#include "app/panel_app.h"

#include "driver/spdif_settings.h"
#include "platform/panel_values.h"
#include "simcard/sim_card.h"
#include "support/card_bench.h"
#include "support/message_box_catcher.h"
#include "support/registry_guard.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* kProduct = "Halvard 5.1+";
const std::vector<std::string> kNone;

// A start that records what reaches the main window instead of showing it.
class RecordingPanelApp : public CPanelApp {
public:
    using CPanelApp::CPanelApp;

    bool started = false;
    bool minimize = false;
    std::string settingsFile;
    std::string bgop;
    DWORD sixChannel = 0;
    // Set to give the start a sheet that reports what it sees when it goes.
    std::function<void()> onSheetGone;

protected:
    bool StartMainWindow(const CPanelCommandLineInfo& info, bool minimizeGiven) override
    {
        started = true;
        minimize = minimizeGiven;
        settingsFile = info.m_strFileName;
        info.Lookup("bgop", bgop);
        sixChannel = CardMixer() != nullptr ? CardMixer()->SixChannelCapable() : 99;
        if (!onSheetGone)
            return false;
        m_sheet = std::make_unique<Probe>(onSheetGone);
        m_pMainWnd = m_sheet.get();
        return true;
    }

private:
    class Probe : public CWnd {
    public:
        explicit Probe(std::function<void()> gone) : m_gone(std::move(gone)) {}
        ~Probe() override { m_gone(); }

    private:
        std::function<void()> m_gone;
    };
};

class PanelAppTest : public testing::Test {
protected:
    PanelAppTest() { DeleteRawValue(HKEY_LOCAL_MACHINE, kAutostartKey, kProduct); }

    void SetAutostart() { ASSERT_TRUE(WriteAutostart(kProduct, "\"C:\\Halvard\\Halvard 5.1+.exe\" -minimize")); }

    RegistryValueGuard m_autostart{HKEY_LOCAL_MACHINE, kAutostartKey, kProduct};
    CardBench m_bench;
};

} // namespace

TEST_F(PanelAppTest, ASecondInstanceEndsAtOnceAndSilently)
{
    m_bench.Install(SimCardModel::Six);
    SetAutostart();
    MessageBoxCatcher boxes;
    {
        RecordingPanelApp first(kNone);
        first.InitInstance();
        ASSERT_TRUE(first.started);
        ASSERT_NE(nullptr, first.CardMixer());
        const int handles = m_bench.Driver().OpenHandleCount();

        RecordingPanelApp second({"-minimize"});
        EXPECT_FALSE(second.IsOnlyInstance());
        second.started = false;
        EXPECT_FALSE(second.InitInstance());
        EXPECT_FALSE(second.started);
        EXPECT_EQ(nullptr, second.CardMixer()) << "the card is not even opened";
        EXPECT_EQ(handles, m_bench.Driver().OpenHandleCount());
        EXPECT_EQ(0, second.ExitInstance());
        EXPECT_TRUE(first.IsOnlyInstance()) << "the first keeps its claim";
    }
    // Once the first is gone, the next start runs.
    RecordingPanelApp third(kNone);
    EXPECT_TRUE(third.IsOnlyInstance());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(IsAutostartOn(kProduct));
}

TEST_F(PanelAppTest, WithoutTheCardOneMessageAndNoAutostart)
{
    const struct {
        const char* what;
        bool mixerDevice;
    } cases[] = {{"no card device", true}, {"no mixer device either", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_bench.Install(SimCardModel::Six);
        m_bench.Driver().SetCardCount(0);
        if (!c.mixerDevice)
            SimCard::Instance().InstallMixers(SimCardModel::Six, {});
        SetAutostart();
        MessageBoxCatcher boxes;
        RecordingPanelApp app({"settings.msp"});
        EXPECT_FALSE(app.InitInstance());
        EXPECT_FALSE(app.started);
        ASSERT_EQ(1u, boxes.Boxes().size());
        EXPECT_EQ("Unable to create Mixer! Please check driver & Hardware.", boxes.Boxes()[0].text);
        EXPECT_EQ("Error", boxes.Boxes()[0].caption);
        EXPECT_FALSE(IsAutostartOn(kProduct));
        EXPECT_EQ(0, app.ExitInstance());
        EXPECT_EQ(nullptr, app.CardMixer());
    }
}

TEST_F(PanelAppTest, TheMainWindowGetsTheOpenedCardAndTheCommandLine)
{
    const struct {
        SimCardModel model;
        std::vector<std::string> arguments;
        bool minimize;
        const char* file;
        const char* bgop;
    } cases[] = {
        {SimCardModel::Six, {}, false, "", ""},
        {SimCardModel::Four, {"-minimize", "-bgop", "90", "C:\\a b\\my.msp"}, true, "90", "90"},
        {SimCardModel::Six, {"C:\\my.msp", "/minimize"}, true, "C:\\my.msp", ""},
    };
    for (const auto& c : cases) {
        m_bench.Install(c.model);
        RecordingPanelApp app(c.arguments);
        EXPECT_FALSE(app.InitInstance());
        EXPECT_TRUE(app.started);
        EXPECT_EQ(c.model == SimCardModel::Six ? 1u : 0u, app.sixChannel);
        EXPECT_EQ(c.minimize, app.minimize);
        EXPECT_EQ(c.file, app.settingsFile);
        EXPECT_EQ(c.bgop, app.bgop);
        EXPECT_EQ(kProduct, app.ProductName());
        EXPECT_EQ(0, app.ExitInstance());
    }
}

TEST_F(PanelAppTest, ExitDestroysTheSheetThenTheCard)
{
    m_bench.Install(SimCardModel::Six);
    RecordingPanelApp app(kNone);
    bool cardLivedWithSheet = false;
    bool spdifStoredBeforeCard = true;
    app.onSheetGone = [&] {
        cardLivedWithSheet = app.CardMixer() != nullptr && m_bench.Driver().OpenHandleCount() == 1;
        spdifStoredBeforeCard = ReadMachineValue(kSpdifKey, kSpdifInputModeValue).found;
    };
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(CWinApp::Current(), &app);
    EXPECT_EQ(&app, CPanelApp::Current());
    ASSERT_NE(nullptr, app.m_pMainWnd);
    // The card writes its S/PDIF settings back when it goes: take them away first.
    DeleteRawValue(HKEY_LOCAL_MACHINE, kSpdifKey, kSpdifInputModeValue);

    EXPECT_EQ(0, app.ExitInstance());
    EXPECT_TRUE(cardLivedWithSheet);
    EXPECT_FALSE(spdifStoredBeforeCard);
    EXPECT_TRUE(ReadMachineValue(kSpdifKey, kSpdifInputModeValue).found);
    EXPECT_EQ(nullptr, app.CardMixer());
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(0, m_bench.Driver().OpenHandleCount());
}
