// Malformed command lines, made with a fixed seed: unknown verbs, missing values,
// numbers out of range, overlong names, non-ASCII text, unknown options, words a
// setting does not take. Each ends with a non-zero exit code and one line, never a
// crash, and never changes the card.
#include "halvardctl/ctl_process.h"
#include "halvardctl/ctl_test_support.h"

#include "support/temp_folder.h"
#include "tools/halvardctl/ctl_run.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kLines = 200;

class BadLines {
public:
    explicit BadLines(unsigned seed) : m_random(seed) {}

    std::vector<std::string> Next(int kind)
    {
        switch (kind % 10) {
        case 0: return {Word(1, 12) + "x", Pick({"front", "", "50%"})};
        case 1: return Missing();
        case 2: return {"set", Pick({"front", "master", "mic", "rear"}), std::to_string(Number(101, 100000)) + "%"};
        case 3: return {"set", Pick({"front", "master", "wave"}),
                        Pick({std::to_string(Number(65536, 2000000000)), std::to_string(-Number(1, 100000)),
                              "99999999999999999999", "1,2,3,4,5,6,7,8,9", "5%,6"})};
        case 4: return {Pick({"get", "set"}), Word(64, 300), "1"};
        case 5: return {"get", NonAscii(1, 20)};
        case 6: return {"set", Pick({"front", "eq.preset", "record.source", "speakers"}), NonAscii(1, 20)};
        case 7: return {"--" + Word(1, 10), "list"};
        case 8: return {"set", Pick({"speakers", "aec", "spdif.input", "spdif.output", "eq.enabled", "record.source",
                                     "eq.preset", "front"}), Word(3, 10) + "q"};
        default: return {Pick({"get", "set"}), Word(1, 5) + Pick({"\t", "\x01", "\x7F"}) + Word(1, 5), "2"};
        }
    }

private:
    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    std::string Pick(std::initializer_list<std::string> choices)
    {
        auto it = choices.begin();
        std::advance(it, Number(0, static_cast<int>(choices.size()) - 1));
        return *it;
    }
    std::string Word(int shortest, int longest)
    {
        std::string word;
        for (int i = Number(shortest, longest); i > 0; --i)
            word += static_cast<char>('a' + Number(0, 25));
        return word;
    }
    std::string NonAscii(int shortest, int longest)
    {
        std::string text;
        for (int i = Number(shortest, longest); i > 0; --i)
            text += static_cast<char>(Number(0, 3) == 0 ? 'a' + Number(0, 25) : Number(0xA0, 0xFF));
        return text;
    }
    std::vector<std::string> Missing()
    {
        switch (Number(0, 5)) {
        case 0: return {"set"};
        case 1: return {"set", Pick({"front", "eq.preset", "aec"})};
        case 2: return {"get"};
        case 3: return {Pick({"load", "save"})};
        case 4: return {};
        default: return {"set", "front", ""};
        }
    }
    std::mt19937 m_random;
};

std::string Quoted(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments)
        line += (line.empty() ? "\"" : " \"") + argument + "\"";
    return line;
}

// Runs in this process, as the program's main would.
int RunHere(const std::vector<std::string>& arguments, std::string& out, std::string& err)
{
    TempFolder folder;
    FILE* outFile = std::fopen(folder.File("out.txt").c_str(), "w");
    FILE* errFile = std::fopen(folder.File("err.txt").c_str(), "w");
    const int code = RunHalvardCtl(arguments, outFile, errFile);
    std::fclose(outFile);
    std::fclose(errFile);
    out = ReadFileBytes(folder.File("out.txt"));
    err = ReadFileBytes(folder.File("err.txt"));
    return code;
}

class HalvardCtlBadInputTest : public HalvardCtlTest {};

TEST_F(HalvardCtlBadInputTest, TwoHundredMalformedLinesFailWithOneLineAndChangeNothing)
{
    Bench().Install(SimCardModel::Six);
    std::string out, err;
    WritePresets({"Jazz", "Rock"});
    ASSERT_EQ(0, RunHere({"set", "front", "40%"}, out, err)) << err; // the card's first start is behind us
    const std::string before = CardSnapshot();
    BadLines lines(25);
    for (int i = 0; i < kLines; ++i) {
        const std::vector<std::string> arguments = lines.Next(i);
        SCOPED_TRACE(Quoted(arguments));
        const int code = RunHere(arguments, out, err);
        EXPECT_NE(0, code);
        EXPECT_EQ(1, LineCount(err)) << err;
        EXPECT_EQ("", out);
        EXPECT_EQ(before, CardSnapshot());
        if (i % 10 == (i / 10) % 10) {
            // One line of each kind in every hundred through the program itself:
            // the same exit code and one line, and it ends.
            const CtlRunResult run = RunCtl(Quoted(arguments));
            EXPECT_TRUE(run.ended);
            EXPECT_EQ(static_cast<unsigned long>(code), run.exitCode) << run.err;
            EXPECT_EQ(1, LineCount(run.err)) << run.err;
            EXPECT_EQ(before, CardSnapshot());
        }
    }
}

} // namespace
