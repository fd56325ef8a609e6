#pragma once
// A skinned button: push buttons, check boxes, radio buttons (also push-like) and
// group boxes, drawn in the scheme's colours from cached faces. The platform button
// keeps its behaviour (keys, focus, notifications); only its look is replaced.

#include <windows.h>

#include <string>

#include "platform/controls.h"
#include "skin/draw/cool_bitmap.h"
#include "skin/draw/cool_face_cache.h"
#include "skin/controls/cool_hover.h"
#include "skin/controls/cool_control.h"
#include "skin/scheme/cool_scheme.h"

class CCoolDC;

class CCoolButton : public CCoolControl<CButton> {
public:
    // Pictures by state; a state without its own picture shows the normal one.
    enum PictureState { kPictureNormal, kPictureDown, kPictureHot, kPictureFocus, kPictureDisabled, kPictureCount };
    // Results of SetBitmaps.
    static constexpr int kPicturesNone = 0;    // the first could not be loaded
    static constexpr int kPicturesAll = 1;     // every picture given was loaded
    static constexpr int kPicturesPartial = 2; // the first was, a later one was not
    // Notification codes of BS_NOTIFY buttons for press and release.
    static constexpr WORD kNotifyPressed = 0x0201;
    static constexpr WORD kNotifyReleased = 0x0202;

    CCoolButton();
    ~CCoolButton() override;

    // Bitmap resource names (MAKEINTRESOURCE for IDs) for the states, in the order
    // of PictureState; null ends the list. With resize the window takes the size of
    // the first picture.
    int SetBitmaps(const char* normal, const char* down = nullptr, const char* hot = nullptr,
                   const char* focus = nullptr, const char* disabled = nullptr, bool resize = false);
    // Shown in the main window's status area while the mouse is over the button.
    void SetStatusText(const char* text) { m_statusText = text != nullptr ? text : ""; }

    bool IsHot() const { return m_hover.IsHot(); }
    void OnSchemeChanged() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Face parts: where the caption and the picture go (empty when none).
    virtual void LayoutFace(CCoolDC& dc, const RECT& client, RECT* text, RECT* picture);
    virtual void DrawPushFace(CCoolDC& dc, const RECT& rect, bool down);
    virtual void DrawRadioFace(CCoolDC& dc, const RECT& rect, int check);
    virtual void DrawCheckFace(CCoolDC& dc, const RECT& rect, int check);
    virtual void DrawPushLikeFace(CCoolDC& dc, const RECT& rect, bool checked, bool pressed);
    virtual void DrawGroupBox(CCoolDC& dc, const RECT& rect, const RECT& caption);
    virtual void DrawCaption(CCoolDC& dc, const RECT& rect);

    // Face kinds by button type.
    bool IsPushType() const;
    bool IsCheckType() const;
    bool IsRadioType() const;
    bool IsGroupBox() const;
    bool IsPressed() const { return (GetState() & BST_PUSHED) != 0; }
    int CheckState() const { return static_cast<int>(GetState() & 3); }
    // The indicator square of check boxes and radio buttons.
    RECT IndicatorRect(CCoolDC& dc, const RECT& client) const;
    // The caption's area of a group box (client coordinates).
    RECT GroupCaptionRect(CCoolDC& dc, const RECT& client) const;

    CCoolFaceCache m_faces;
    CCoolHover m_hover;
    bool m_focus = false;

private:
    void Paint(CCoolDC& dc, const RECT& client) override;
    bool FaceKey(std::string* key) override;
    void PutIndicator(CCoolDC& dc, int face, const RECT& where, bool transparent);
    void DrawPicture(CCoolDC& dc, const RECT& where);
    RECT FocusMarkRect(CCoolDC& dc, const RECT& client, const RECT& text);
    void NotifyParent(WORD code) const;

    CCoolBitmap m_pictures[kPictureCount];
    COLORREF m_transparent = RGB(255, 0, 255);
    bool m_pressNotified = false;
};
