#pragma once
// An icon in the notification area, named by its owner window and ID. The icon is
// deleted when the owner object goes, also on an early return. A restarting shell
// loses every icon and then broadcasts TaskbarCreatedMessage(): the owner adds its
// icon again on it.

#include <windows.h>
#include <shellapi.h>

#include "platform/owned_handle.h"

// The record the shell is given: the classic form, identified by window and ID
// (no GUID), with balloon fields.
constexpr DWORD kNotifyIconRecordSize = NOTIFYICONDATAA_V2_SIZE;
static_assert(kNotifyIconRecordSize == (sizeof(void*) == 4 ? 488u : 504u), "record size of the classic form");

// Longest tip text, without its terminator.
constexpr int kTrayTipLength = 63;

struct NotifyIconTraits {
    using Value = WindowIdentifier;
    static Value Empty() { return {nullptr, 0}; }
    static bool IsHeld(const Value& value) { return value.window != nullptr; }
    static void Undo(const Value& value);
};

// The message the shell broadcasts when it has (re)started and has no icons.
UINT TaskbarCreatedMessage();
// Lets TaskbarCreatedMessage() reach the window also where the system keeps
// messages of less privileged programs from it (found at run time; nothing where
// the system has no such filter).
void AllowTaskbarCreated(HWND window);

class CTrayIcon {
public:
    // Shows the icon with a callback message and a tip (cut to kTrayTipLength); an
    // icon already shown is updated in place rather than added twice, and one the
    // shell lost is added anew. False when the shell shows no icon afterwards.
    bool Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, const char* tip);
    void Delete() { m_added.Reset(); }
    // Whether the shell shows the icon, as far as its last answer tells.
    bool IsAdded() const { return m_added.IsHeld(); }

private:
    COwnedHandle<NotifyIconTraits> m_added;
};
