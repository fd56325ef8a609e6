#include "pages/named_preset_editor.h"

#include "platform/dialog.h"
#include "platform/resource_string.h"
#include "string_ids.h"

CNamedPresetEditor::CNamedPresetEditor(CNamedPresets& presets, NameRule usable, bool firstStandsForMissing)
    : m_presets(presets), m_usable(usable), m_firstStandsForMissing(firstStandsForMissing)
{
}

bool CNamedPresetEditor::Attach(CDialog& page, const NamedPresetIds& ids)
{
    m_ids = ids;
    return page.AttachItem(ids.names, m_names) & page.AttachItem(ids.add, m_add) & page.AttachItem(ids.save, m_save)
        & page.AttachItem(ids.restore, m_restore) & page.AttachItem(ids.remove, m_delete);
}

bool CNamedPresetEditor::OnClicked(UINT id)
{
    const int item = static_cast<int>(id);
    if (item == m_ids.add)
        OnAdd();
    else if (item == m_ids.save)
        OnSave();
    else if (item == m_ids.restore)
        LoadEntry(Chosen());
    else if (item == m_ids.remove)
        OnDelete();
    else
        return false;
    return true;
}

bool CNamedPresetEditor::OnCommand(UINT id, UINT code)
{
    if (static_cast<int>(id) != m_ids.names)
        return false;
    if (code == CBN_EDITCHANGE)
        OnEdited();
    else if (code == CBN_SELCHANGE)
        LoadEntry(m_names.GetCurSel());
    return true;
}

void CNamedPresetEditor::Refresh()
{
    Fill();
    SelectCurrent();
    m_newName = false;
    m_modified = !m_presets.IsPresetUnchanged();
    m_add.EnableWindow(false);
    ShowFlags();
    EnableDeleteByCount();
}

void CNamedPresetEditor::OnValuesChanged()
{
    // A new name is typed: the values go with it when it is added.
    if (m_newName || m_modified)
        return;
    m_modified = true;
    ShowFlags();
}

std::string CNamedPresetEditor::SelectedName() const
{
    const int index = m_names.GetCurSel();
    return index >= 0 ? m_names.GetLBText(index) : std::string();
}

void CNamedPresetEditor::Fill()
{
    m_names.ResetContent();
    for (int i = 0; i < m_presets.PresetCount(); ++i)
        if (const char* name = m_presets.PresetName(i))
            m_names.AddString(name);
}

int CNamedPresetEditor::SelectCurrent()
{
    int index = m_names.FindStringExact(-1, m_presets.CurrentPresetName());
    if (index < 0 && m_firstStandsForMissing && m_names.GetCount() > 0)
        index = 0;
    if (index >= 0)
        m_names.SetCurSel(index);
    return index;
}

int CNamedPresetEditor::Chosen()
{
    const int named = m_names.FindStringExact(-1, m_names.GetWindowText().c_str());
    if (named >= 0 && named != m_names.GetCurSel())
        m_names.SetCurSel(named);
    return m_names.GetCurSel();
}

void CNamedPresetEditor::LoadEntry(int index)
{
    if (index < 0)
        return;
    m_presets.LoadPreset(m_names.GetLBText(index).c_str());
    m_modified = false;
    m_newName = false;
    m_add.EnableWindow(false);
    ShowFlags();
    EnableDeleteByCount();
}

void CNamedPresetEditor::OnEdited()
{
    const std::string text = m_names.GetWindowText();
    const int stored = m_names.FindStringExact(-1, text.c_str());
    if (stored < 0) {
        m_add.EnableWindow(m_usable(text.c_str()));
        if (m_newName)
            return;
        m_newName = true;
        m_modified = false;
    } else {
        m_presets.OnStoredNameTyped(m_names.GetLBText(stored).c_str());
        m_newName = false;
        m_modified = true;
        m_add.EnableWindow(false);
    }
    ShowFlags();
    m_delete.EnableWindow(!m_newName && m_presets.PresetCount() > 1);
}

void CNamedPresetEditor::OnAdd()
{
    const std::string name = m_names.GetWindowText();
    if (!m_newName || !m_usable(name.c_str()))
        return;
    m_newName = false;
    m_modified = false;
    m_add.EnableWindow(false);
    m_presets.SavePreset(name.c_str());
    Fill();
    SelectCurrent();
    EnableDeleteByCount();
}

void CNamedPresetEditor::OnSave()
{
    // The preset the edit field names is saved (the current one when it names none).
    const int index = Chosen();
    if (!m_presets.SavePreset(index >= 0 ? m_names.GetLBText(index).c_str() : nullptr))
        return;
    m_modified = false;
    ShowFlags();
}

void CNamedPresetEditor::OnDelete()
{
    const std::string question = LoadResourceString(IDS_CONFIRM_DELETE_PRESET);
    const std::string caption = LoadResourceString(IDS_SHORT_NAME);
    if (::MessageBoxA(::GetParent(m_names.m_hWnd), question.c_str(), caption.c_str(), MB_OKCANCEL | MB_ICONQUESTION)
        != IDOK)
        return;
    // The preset the edit field names goes (the current one when it names none).
    const int index = Chosen();
    m_presets.DeletePreset(index >= 0 ? m_names.GetLBText(index).c_str() : nullptr);
    Fill();
    LoadEntry(SelectCurrent());
    EnableDeleteByCount();
}

void CNamedPresetEditor::EnableDeleteByCount()
{
    m_delete.EnableWindow(m_presets.PresetCount() > 1);
}

void CNamedPresetEditor::ShowFlags()
{
    m_save.EnableWindow(m_modified);
    m_restore.EnableWindow(m_modified);
}
