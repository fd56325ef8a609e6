#pragma once
// What every mixer-bound control adds to its skinned control in the same way: it
// initialises from the model when its window is created, its registrations end
// when its window goes, a refresh copies the control's description again and
// applies its disabled flag, and (where the control asks for it) a change message
// sent to the control itself for its control reads the mixer again.

#include <windows.h>
#include <mmsystem.h>

#include "mixer/mixer_device.h"
#include "mixer/mixer_listener.h"
#include "skin/controls/cool_parent_background.h"

template <typename TSkinned>
class CMixerBoundControl : public TSkinned, public CMixerListener {
protected:
    // Whether the window's creation initialises the control (the composite
    // controls do it only while they have no children yet).
    virtual bool InitializesOnCreate() const { return true; }
    // Whether MM_MIXM_CONTROL_CHANGE / MM_MIXM_LINE_CHANGE with 0 and the bound
    // control's ID, sent to the control itself, read the mixer again.
    virtual bool AnswersChangeMessages() const { return false; }

    // Starts an initialisation: earlier registrations end (none is made twice), and
    // the bound control's description, and the line's when asked for, are copied
    // from the model. False when the model has no such control or line.
    bool ReadBinding(MIXERLINEA* line = nullptr)
    {
        StopListening();
        MixerLineEntry* lineEntry = nullptr;
        MixerControlEntry* entry = nullptr;
        if (m_mixer == nullptr || (line != nullptr && !m_mixer->FindLine(m_lineId, lineEntry)) ||
            !m_mixer->FindControl(m_controlId, entry))
            return false;
        if (line != nullptr)
            *line = lineEntry->line;
        m_control = entry->control;
        return true;
    }

    // The bound control's description again from the model, then the window
    // enabled exactly when its disabled flag is clear.
    void RefreshDescription()
    {
        MixerControlEntry* entry = nullptr;
        if (m_mixer != nullptr && m_mixer->FindControl(m_controlId, entry))
            m_control = entry->control;
        ApplyDisabledFlag();
    }
    void ApplyDisabledFlag()
    {
        if (this->m_hWnd != nullptr)
            this->EnableWindow((m_control.fdwControl & MIXERCONTROL_CONTROLF_DISABLED) == 0);
    }

    // For composite controls that draw nothing themselves: their children show the
    // background of the window behind them.
    int ParentBkBitmap(HBITMAP* bitmap) const
    {
        RECT ignored;
        return this->m_hWnd != nullptr && GetParentBackground(this->m_hWnd, bitmap, &ignored) ? 1 : 0;
    }
    int ParentBkRect(RECT* rect) const
    {
        HBITMAP ignored = nullptr;
        return this->m_hWnd != nullptr && GetParentBackground(this->m_hWnd, &ignored, rect) ? 1 : 0;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_CREATE: {
            const LRESULT result = TSkinned::WindowProc(message, wParam, lParam);
            if (result != -1 && InitializesOnCreate())
                Initialize();
            return result;
        }
        case WM_DESTROY:
            StopListening();
            break;
        case MM_MIXM_CONTROL_CHANGE:
        case MM_MIXM_LINE_CHANGE:
            if (AnswersChangeMessages() && wParam == 0 && static_cast<DWORD>(lParam) == m_controlId) {
                Update(true);
                return 0;
            }
            break;
        default:
            break;
        }
        return TSkinned::WindowProc(message, wParam, lParam);
    }
};
