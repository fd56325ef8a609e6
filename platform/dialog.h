#pragma once
// Dialogs, modal and modeless, from a resource template or an in-memory one.

#include "platform/wnd.h"

class CDialog : public CWnd {
public:
    static const CRuntimeClass classCDialog;
    const CRuntimeClass* GetRuntimeClass() const override { return &classCDialog; }

    CDialog() = default;
    explicit CDialog(UINT templateId, HWND parent = nullptr) : m_templateId(templateId), m_parent(parent) {}

    // Modeless.
    bool Create(UINT templateId, HWND parent);
    bool CreateIndirect(const DLGTEMPLATE* dialogTemplate, HWND parent);
    // Modal: from the template ID given at construction or the in-memory one given here.
    void InitModalIndirect(const DLGTEMPLATE* dialogTemplate, HWND parent);
    INT_PTR DoModal();
    // Modal: the result of DoModal; modeless: destroys the window.
    virtual void EndDialog(int result);
    bool IsModeless() const { return m_modeless; }

    // After the controls exist; attaches control objects (DoDataExchange).
    virtual BOOL OnInitDialog();
    // Attaches the page's or dialog's control objects to their items (AttachItem).
    virtual void DoDataExchange() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A control's notification (WM_COMMAND from a control; menu commands and
    // accelerators keep the window's own path): a button's click, any other code.
    // True when handled.
    virtual bool OnClicked(UINT id) { return false; }
    virtual bool OnCommand(UINT id, UINT code) { return false; }

    // Links a control object to the dialog item; false when the item is missing.
    bool AttachItem(int id, CWnd& control);
    CWnd* GetDlgItemObject(int id) const { return FromHandle(GetDlgItem(id)); }

    bool PreTranslateMessage(MSG* message) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

private:
    UINT m_templateId = 0;
    const DLGTEMPLATE* m_template = nullptr;
    HWND m_parent = nullptr;
    bool m_modeless = false;
};
