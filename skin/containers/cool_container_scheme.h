#pragma once
// What the three skinned containers (dialog, page, sheet) share about their schemes:
// the first colours asked of the parent, and the scheme messages, whose setting
// forms pass the whole scheme on to the children and repaint.

#include <windows.h>

#include <functional>

class CCoolScheme;
class CCoolSchemeRelay;

// Asks the parent for roles 0, 8, 4, 10 and 11 and for the render mode; each answer
// the parent gives is applied. A parent that does not answer changes nothing.
void AskParentScheme(HWND parent, CCoolScheme& scheme);

// Gives all twelve colours to another scheme, in role order, as the messages of the
// pass-on do (a receiver with RM_AUTOSHADES derives its shades on the way).
void CopySchemeColors(const CCoolScheme& from, CCoolScheme& to);

// Answers a scheme message. Setting messages store the value, then the relay passes
// the scheme on (passOn) and the window is invalidated (erasing); reading messages
// answer as every skinned window does. False for other messages.
bool HandleContainerSchemeMessage(HWND window, CCoolScheme& scheme, CCoolSchemeRelay& relay,
                                  const std::function<void()>& passOn, UINT message, WPARAM wParam,
                                  LPARAM lParam, LRESULT* result);

// The container's children follow their anchors after a resize, with window updates
// locked meanwhile; minimising lays nothing out.
void LayOutAfterResize(HWND window, WPARAM sizeType);
