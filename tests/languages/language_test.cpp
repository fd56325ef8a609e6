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
    const wchar_t* saveFailed;
};

const std::map<std::string, LanguageTexts>& ExpectedTexts()
{
    static const std::map<std::string, LanguageTexts> texts = {
        {"en", {L"&Playback", L"Delete",
                L"The settings file could not be saved. A file already there was left unchanged."}},
        {"de", {L"&Wiedergabe", L"L\u00f6schen",
                L"Die Einstellungsdatei konnte nicht gespeichert werden. Eine bereits vorhandene Datei blieb "
                L"unver\u00e4ndert."}},
        {"fr", {L"&Lecture", L"Supprimer",
                L"Le fichier de param\u00e8tres n'a pas pu \u00eatre enregistr\u00e9. Un fichier d\u00e9j\u00e0 "
                L"pr\u00e9sent n'a pas \u00e9t\u00e9 modifi\u00e9."}},
        {"it", {L"&Riproduzione", L"Elimina",
                L"Impossibile salvare il file delle impostazioni. Un file gi\u00e0 presente non \u00e8 stato "
                L"modificato."}},
        {"nl", {L"&Afspelen", L"Verwijderen",
                L"Het instellingenbestand kon niet worden opgeslagen. Een bestaand bestand is ongewijzigd "
                L"gebleven."}},
        {"es", {L"&Reproducci\u00f3n", L"Eliminar",
                L"No se pudo guardar el archivo de configuraci\u00f3n. Un archivo ya existente no se ha "
                L"modificado."}},
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
    EXPECT_EQ(expected.saveFailed, Load(IDS_SAVE_FAILED));

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
