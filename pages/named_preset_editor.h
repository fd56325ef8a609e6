#pragma once
// The editor of a page's named presets: a combo box whose edit field names the
// preset, the Add, Save, Restore and Delete buttons, and the two flags that decide
// which of them work (modified: the current values differ from the preset shown;
// new name: the field names no stored preset). The EQ page's equalizer presets and
// the 3D Settings page's positioning schemes are edited by it.
//
// Names compare without regard to letter case, as the registry's key names do: a
// case variant of a stored name is that preset, loaded and saved under the stored
// spelling. Add works only for a name the card's rule takes.
//
// Owned by its page, which attaches the controls and passes their notifications on;
// borrows the page's view of the presets (CNamedPresets).

#include <windows.h>

#include <string>

#include "skin/controls/cool_button.h"
#include "skin/controls/cool_combo_box.h"

class CDialog;

// The presets as the card keeps them, and what the page does with one.
class CNamedPresets {
public:
    virtual int PresetCount() const = 0;
    // Null when the index is out of range.
    virtual const char* PresetName(int index) const = 0;
    virtual const char* CurrentPresetName() const = 0;
    // The current values equal those of the preset they came from.
    virtual bool IsPresetUnchanged() = 0;
    // Loads a stored preset and shows its values.
    virtual void LoadPreset(const char* name) = 0;
    // Saves the current values under a name (a new one is added) or, without one,
    // under the current preset's; false when nothing could be saved.
    virtual bool SavePreset(const char* name) = 0;
    // Without a name, the current preset goes.
    virtual void DeletePreset(const char* name) = 0;
    // A stored name was typed in full; nothing unless the page shows it at once.
    virtual void OnStoredNameTyped(const char* name) {}

protected:
    ~CNamedPresets() = default;
};

struct NamedPresetIds {
    int names;
    int add;
    int save;
    int restore;
    int remove;
};

class CNamedPresetEditor {
public:
    // The card's rule for a name a new preset may have.
    using NameRule = bool (*)(const char* name);
    // A page whose card has a current preset name that may be none of the stored
    // ones shows the first preset for it (firstStandsForMissing).
    CNamedPresetEditor(CNamedPresets& presets, NameRule usable, bool firstStandsForMissing);
    CNamedPresetEditor(const CNamedPresetEditor&) = delete;
    CNamedPresetEditor& operator=(const CNamedPresetEditor&) = delete;

    bool Attach(CDialog& page, const NamedPresetIds& ids);
    // The page's notifications; true when they were the editor's.
    bool OnClicked(UINT id);
    bool OnCommand(UINT id, UINT code);

    // Lists the card's presets and selects the current one; clears the new name.
    void Refresh();
    // The current values were changed on the page.
    void OnValuesChanged();
    // The selected preset's stored name; empty when none is selected.
    std::string SelectedName() const;

    CCoolComboBox& Names() { return m_names; }
    bool IsModified() const { return m_modified; }
    bool IsNewName() const { return m_newName; }

private:
    void Fill();
    int SelectCurrent();
    // The entry the edit field names, made the selection; else the selection.
    int Chosen();
    void LoadEntry(int index);
    void OnEdited();
    void OnAdd();
    void OnSave();
    void OnDelete();
    void EnableDeleteByCount();
    void ShowFlags();

    CNamedPresets& m_presets;
    NameRule m_usable;
    bool m_firstStandsForMissing;
    NamedPresetIds m_ids = {};
    CCoolComboBox m_names;
    CCoolButton m_add, m_save, m_restore, m_delete;
    bool m_modified = false;
    bool m_newName = false;
};
