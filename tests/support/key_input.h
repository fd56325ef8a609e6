#pragma once
// A hand on the keyboard and the mouse: keys pressed and the system pointer moved,
// pressed and dragged through the system's input queue, as a person gives them.
// The pointer always travels in small steps along its path, never jumping onto a
// target, so every window it crosses sees it pass.

#include <windows.h>

#include <initializer_list>
#include <string>

// Modifiers down, key down, all up in reverse order; then the receiver is given
// time to act.
void PressKeys(std::initializer_list<WORD> keys);
// Each character typed as its own key press (Unicode input).
void TypeText(const std::string& text);

// Where the system pointer is, in screen coordinates.
POINT PointerPosition();
// Moves the pointer from where it is to the point in steps of a few pixels, each
// one given time to arrive; true when it got there (within a pixel).
bool GlideTo(POINT screen);
// The left button pressed or released where the pointer is.
void LeftButton(bool down);
// A press and release of the left button where the pointer is.
void Click();
// Glides there, then clicks.
void ClickAt(POINT screen);
// From where the pointer is: the left button held while it glides to the point,
// released there.
void DragTo(POINT screen);

// The window with that control ID under the parent: a child first, else any
// descendant (every fader's sliders carry the same IDs); null when none.
HWND FindControl(HWND parent, int id);
// A point of a window given relative to its client area, in screen coordinates.
POINT ScreenPoint(HWND window, POINT client);
// The middle of a window's rectangle, in screen coordinates.
POINT MiddleOf(HWND window);
// Glides to the middle of a tab of a tab control and clicks it.
void ClickTab(HWND tabControl, int index);
