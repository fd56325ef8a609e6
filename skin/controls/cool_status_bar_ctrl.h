#pragma once
// A skinned status bar: a background like a dialog's and each part's text inside
// a thin sunken frame, drawn once into a cached face until something changes.

#include <windows.h>

#include <string>

#include "platform/common_controls.h"
#include "skin/controls/cool_control.h"
#include "skin/scheme/cool_scheme.h"

class CCoolDC;

class CCoolStatusBarCtrl : public CCoolControl<CStatusBarCtrl> {
public:
    CCoolStatusBarCtrl();
    ~CCoolStatusBarCtrl() override;

    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CCoolDC& dc, const RECT& client) override;
    bool FaceKey(std::string* key) override;
    void DrawFace(CCoolDC& dc, const RECT& client);

};
