// The command line is offered argument by argument with the flag state; the first
// plain argument becomes the file name.
#include "platform/command_line_info.h"
#include "platform/win_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Offer {
    std::string param;
    bool isFlag;
    bool isLast;
};

class RecordingCommandLine : public CCommandLineInfo {
public:
    void ParseParam(const char* param, bool isFlag, bool isLast) override
    {
        offers.push_back({param, isFlag, isLast});
        CCommandLineInfo::ParseParam(param, isFlag, isLast);
    }
    std::vector<Offer> offers;
};

} // namespace

TEST(CommandLine, FlagsValuesAndFileNameInOrder)
{
    const char* argv[] = {"panel.exe", "/minimize", "-bgbmp", "picture.bmp", "settings.msp", "/Minimize", "-"};
    RecordingCommandLine info;
    CWinApp::ParseCommandLine(info, 7, argv);

    ASSERT_EQ(6u, info.offers.size());
    EXPECT_EQ("minimize", info.offers[0].param);
    EXPECT_TRUE(info.offers[0].isFlag);
    EXPECT_EQ("bgbmp", info.offers[1].param);
    EXPECT_TRUE(info.offers[1].isFlag);
    // A value after a flag is a plain argument, so it is also the first plain one.
    EXPECT_EQ("picture.bmp", info.offers[2].param);
    EXPECT_FALSE(info.offers[2].isFlag);
    EXPECT_EQ("settings.msp", info.offers[3].param);
    EXPECT_EQ("Minimize", info.offers[4].param) << "names stay as typed";
    EXPECT_EQ("", info.offers[5].param);
    EXPECT_TRUE(info.offers[5].isFlag);
    EXPECT_TRUE(info.offers[5].isLast);
    for (size_t i = 0; i + 1 < info.offers.size(); ++i)
        EXPECT_FALSE(info.offers[i].isLast);
    EXPECT_EQ("picture.bmp", info.m_strFileName);
}

TEST(CommandLine, NoArgumentsNoFileName)
{
    const char* argv[] = {"panel.exe"};
    RecordingCommandLine info;
    CWinApp::ParseCommandLine(info, 1, argv);
    EXPECT_TRUE(info.offers.empty());
    EXPECT_TRUE(info.m_strFileName.empty());
}
