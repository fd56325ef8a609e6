#pragma once
// What the tests of the card's own pages share: the simulated card with a
// CCardMixer (driver keys restored afterwards), a skinned mixer sheet holding the
// page under test at the screen's top left, and clicks and notifications sent as
// the controls send them.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mixer/controls/mixer_property_sheet.h"
#include "skin/containers/cool_property_page.h"
#include "support/card_bench.h"
#include "support/message_pump.h"

// A sheet of the given pages, shown without activation.
class CardPagesSheet : public CMixerPropertySheet {
public:
    CardPagesSheet(CCardMixer* card, std::vector<CPropertyPage*> pages);
    ~CardPagesSheet() override;
    bool AddMixerPages() override;
    bool Open();

protected:
    // Tells the pages when the sheet goes off the screen and comes back, as the
    // main sheet does.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CPropertyPage*> m_pages;
    bool m_visible = false;
};

class CardPagesTest : public testing::Test {
protected:
    void TearDown() override;

    // Starts the card and shows a sheet with the page (and a second page to
    // switch to, when given).
    void ShowPages(CPropertyPage& page, CPropertyPage* other = nullptr);
    CardPagesSheet& Sheet() { return *m_sheet; }

    // A click on a button of the page: the check changes as the system changes
    // it, then the page hears BN_CLICKED.
    static void Click(CWnd& page, int id);
    // A choice in a drop-down list or a combo box, as the user makes it.
    static void Choose(CWnd& page, int id, int index);
    // Text typed into a combo box's edit field.
    static void Type(CWnd& page, int id, const char* text);
    static std::string TextOf(const CWnd& page, int id);
    static bool IsChecked(const CWnd& page, int id);
    static bool IsEnabled(const CWnd& page, int id);

    CardBench bench;

private:
    std::unique_ptr<CardPagesSheet> m_sheet;
};

// An empty page to switch to.
class BlankPage : public CCoolPropertyPage {
public:
    BlankPage();
};
