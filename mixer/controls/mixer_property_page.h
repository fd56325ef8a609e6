#pragma once
// The generic mixer page: one column of bound controls (label, fader, switches,
// the record source selector) for every line of one mixer destination, built at
// run time from the mixer's lines. Works with any mixer device.
//
// Owns its in-memory template and the controls it builds (deleted with its
// window); borrows the mixer.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/gdi_object.h"
#include "skin/containers/cool_property_page.h"

class CCoolStatic;
class CMixerButton;
class CMixerDevice;
class CMixerMuxControl;
class CMixerSliderEx;
class MixerLineEntry;

class CMixerPropertyPage : public CCoolPropertyPage {
public:
    static const CRuntimeClass classCMixerPropertyPage;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCMixerPropertyPage; }

    static constexpr int kColumnWidth = 45;
    static constexpr int kPageMargin = 20;
    static constexpr int kPageHeight = 280;

    CMixerPropertyPage();
    ~CMixerPropertyPage() override;

    // The page of one destination: its size from the destination's source count
    // and its tab title from the destination's name, until the columns are built.
    void Init(CMixerDevice* mixer, int destination);

    int GetPageWidth() override { return m_pageWidth; }
    int GetPageHeight() override { return kPageHeight; }
    BOOL OnInitDialog() override;

    int GetDestination() const { return m_destination; }
    int GetColumnCount() const { return m_columnCount; }
    const std::vector<std::unique_ptr<CCoolStatic>>& Labels() const { return m_labels; }
    const std::vector<std::unique_ptr<CMixerMuxControl>>& Muxes() const { return m_muxes; }
    const std::vector<std::unique_ptr<CMixerSliderEx>>& Sliders() const { return m_sliders; }
    const std::vector<std::unique_ptr<CMixerButton>>& Buttons() const { return m_buttons; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The columns go with the window: their windows are gone, and so are their
    // registrations with the mixer.
    void PostNcDestroy() override;

private:

    void BuildColumns();
    bool BuildColumn(int source, int* column);
    void AddLabel(const MixerLineEntry& line, int x0);
    void AddSwitch(const MixerLineEntry& line, DWORD controlId, int source, int x, int* y);
    void AddFader(const MixerLineEntry& line, DWORD volumeId, int source, int x);
    void AddMux(const MixerLineEntry& line, DWORD controlId);
    HFONT ControlsFont() const;
    // The width of a caption in that font (none: the controls' font).
    int TextWidth(const std::string& text, HFONT font = nullptr) const;
    // The controls' font, or a smaller size of it where a word of the text would not
    // fit in that many pixels.
    HFONT FontToFit(const std::string& text, int room);
    void DeleteControls();

    CMixerDevice* m_mixer = nullptr;
    int m_destination = -1;
    int m_columnCount = 0;
    int m_pageWidth = kPageMargin;
    std::unique_ptr<CDialogTemplate> m_template;
    // Before the labels: they use these fonts until they are gone.
    std::vector<std::unique_ptr<CFont>> m_smallerFonts;
    std::vector<std::unique_ptr<CCoolStatic>> m_labels;
    std::vector<std::unique_ptr<CMixerMuxControl>> m_muxes;
    std::vector<std::unique_ptr<CMixerSliderEx>> m_sliders;
    std::vector<std::unique_ptr<CMixerButton>> m_buttons;
};
