// The command line as the panel reads it: options with and without values, the
// settings file, and what the main window makes of them at start.
#include "app/panel_command_line_info.h"
#include "app/start_options.h"
#include "platform/win_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

StartOptions Parse(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "panel.exe");
    CPanelCommandLineInfo info;
    CWinApp::ParseCommandLine(info, static_cast<int>(arguments.size()), arguments.data());
    return ReadStartOptions(info);
}

} // namespace

TEST(PanelCommandLine, OptionsTakeTheNextPlainArgumentAsValue)
{
    const char* argv[] = {"panel.exe", "-bgbmp", "back.bmp", "/minimize", "-spbmp", "sp.bmp", "other", "-Flag"};
    CPanelCommandLineInfo info;
    CWinApp::ParseCommandLine(info, 8, argv);
    std::string value;
    ASSERT_TRUE(info.Lookup("bgbmp", value));
    EXPECT_EQ("back.bmp", value);
    ASSERT_TRUE(info.Lookup("minimize", value));
    EXPECT_EQ("TRUE", value) << "an option followed by another option keeps TRUE";
    ASSERT_TRUE(info.Lookup("spbmp", value));
    EXPECT_EQ("sp.bmp", value) << "a plain argument after a value is nobody's value";
    EXPECT_TRUE(info.Lookup("Flag", value));
    EXPECT_FALSE(info.Lookup("flag", value)) << "names are case-sensitive";
    EXPECT_FALSE(info.Lookup("other", value));
    EXPECT_FALSE(info.Lookup(nullptr, value));
    // The first plain argument is the settings file, even when it was an option's value.
    EXPECT_EQ("back.bmp", info.m_strFileName);
}

TEST(PanelCommandLine, StartOptions)
{
    struct Case {
        const char* what;
        std::vector<const char*> arguments;
        bool minimize;
        bool picture;
        int blend; // -1: the sheet keeps its own level
        const char* settingsFile;
    };
    const Case cases[] = {
        {"nothing", {}, false, false, -1, ""},
        {"a settings file", {"C:\\my.msp"}, false, false, -1, "C:\\my.msp"},
        {"minimize and a file", {"-minimize", "my.msp"}, true, false, -1, "my.msp"},
        {"a file and minimize", {"my.msp", "/minimize"}, true, false, -1, "my.msp"},
        {"Minimize is another option", {"-Minimize"}, false, false, -1, ""},
        {"bgop 300 is ignored", {"-bgop", "300"}, false, false, -1, "300"},
        {"bgop 0", {"-bgop", "0"}, false, false, 0, "0"},
        {"bgop 255", {"-bgop", "255"}, false, false, 255, "255"},
        {"bgop 256", {"-bgop", "256"}, false, false, -1, "256"},
        {"bgop no number is 0", {"-bgop", "dim"}, false, false, 0, "dim"},
        {"bgop without value is 0", {"-bgop"}, false, false, 0, ""},
        {"bgop leading digits", {"-bgop", "90%"}, false, false, 90, "90%"},
        {"bgop far too large", {"-bgop", "99999999999999999999"}, false, false, -1, "99999999999999999999"},
        {"bgop negative looks like an option", {"-bgop", "-5"}, false, false, 0, ""},
        {"bgbmp blends at 180", {"-bgbmp", "b.bmp"}, false, true, 180, "b.bmp"},
        {"bgbmp then bgop 90", {"-bgbmp", "b.bmp", "-bgop", "90"}, false, true, 90, "b.bmp"},
        {"bgop 90 then bgbmp", {"-bgop", "90", "-bgbmp", "b.bmp"}, false, true, 90, "90"},
        {"bgbmp with bgop 300", {"-bgbmp", "b.bmp", "-bgop", "300"}, false, true, 180, "b.bmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StartOptions options = Parse(c.arguments);
        EXPECT_EQ(c.minimize, options.minimize);
        EXPECT_EQ(c.picture, options.hasPicture);
        EXPECT_EQ(c.blend >= 0, options.hasBlendLevel);
        if (c.blend >= 0) {
            EXPECT_EQ(c.blend, options.blendLevel);
        }
        EXPECT_EQ(c.settingsFile, options.settingsFile);
    }
    const StartOptions speaker = Parse({"-spbmp", "speakers.bmp"});
    EXPECT_TRUE(speaker.hasSpeakerPicture);
    EXPECT_EQ("speakers.bmp", speaker.speakerPicturePath);
    EXPECT_FALSE(Parse({"-bgbmp"}).picturePath.empty()) << "a picture option without value names TRUE";
}

TEST(PanelCommandLine, ShowStateAtStart)
{
    EXPECT_EQ(SW_SHOWNORMAL, ShowCommandAtStart(false, false));
    EXPECT_EQ(SW_SHOWNORMAL, ShowCommandAtStart(false, true));
    EXPECT_EQ(SW_HIDE, ShowCommandAtStart(true, true)) << "the tray icon brings it back";
    EXPECT_EQ(SW_MINIMIZE, ShowCommandAtStart(true, false)) << "the task bar brings it back";
}
