// The resource loader picks the string table of the user's language: this program
// runs once per language (ctest sets LANG) and is told which language to expect.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "string_ids.h"
#include "support/test_arguments.h"

namespace {

struct LanguageTexts {
    const wchar_t* playbackPage;
    const wchar_t* deletePreset;
};

const std::map<std::string, LanguageTexts>& ExpectedTexts()
{
    static const std::map<std::string, LanguageTexts> texts = {
        {"en", {L"&Playback", L"Delete"}},
        {"de", {L"&Wiedergabe", L"L\u00f6schen"}},
        {"fr", {L"&Lecture", L"Supprimer"}},
        {"it", {L"&Riproduzione", L"Elimina"}},
        {"nl", {L"&Afspelen", L"Verwijderen"}},
        {"es", {L"&Reproducci\u00f3n", L"Eliminar"}},
    };
    return texts;
}

std::wstring Load(UINT id)
{
    wchar_t buffer[512] = {};
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, buffer, 512);
    return std::wstring(buffer, length > 0 ? length : 0);
}

} // namespace

TEST(StringTables, UserLanguageIsChosen)
{
    const std::string language = TestArgument("expect-language");
    ASSERT_EQ(1u, ExpectedTexts().count(language)) << "run with --expect-language=xx";
    const LanguageTexts& expected = ExpectedTexts().at(language);

    // The product's names are the same in every language.
    EXPECT_EQ(L"Halvard 5.1+", Load(IDS_PRODUCT_NAME));
    EXPECT_EQ(L"Halvard", Load(IDS_SHORT_NAME));
    EXPECT_EQ(expected.playbackPage, Load(IDS_PAGE_PLAYBACK));
    EXPECT_EQ(expected.deletePreset, Load(IDS_PRESET_DELETE));

    // The Sources frame text exists in the translations only.
    EXPECT_EQ(language == "en", Load(IDS_SOURCES_FRAME).empty());
}

TEST(StringTables, AboutFormatHasThreeTexts)
{
    const std::wstring about = Load(IDS_ABOUT_FORMAT);
    size_t count = 0;
    for (size_t at = about.find(L'%'); at != std::wstring::npos; at = about.find(L'%', at + 2)) {
        ASSERT_LT(at + 1, about.size());
        EXPECT_EQ(L's', about[at + 1]);
        ++count;
    }
    EXPECT_EQ(3u, count);
}
