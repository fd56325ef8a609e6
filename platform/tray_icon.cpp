#include "platform/tray_icon.h"

#include "platform/notify_icon_functions.h"

namespace {

NOTIFYICONDATAA Record(HWND owner, UINT id)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = kNotifyIconRecordSize;
    record.hWnd = owner;
    record.uID = id;
    return record;
}

// ChangeWindowMessageFilterEx, which older systems do not have.
using MessageFilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
constexpr DWORD kAllowMessage = 1; // MSGFLT_ALLOW

} // namespace

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void AllowTaskbarCreated(HWND window)
{
    const HMODULE user = GetModuleHandleA("user32.dll");
    if (user == nullptr || window == nullptr)
        return;
    const auto filter = reinterpret_cast<MessageFilterFunction>(
        reinterpret_cast<void*>(GetProcAddress(user, "ChangeWindowMessageFilterEx")));
    if (filter != nullptr)
        filter(window, TaskbarCreatedMessage(), kAllowMessage, nullptr);
}

void NotifyIconTraits::Undo(const Value& value)
{
    NOTIFYICONDATAA record = Record(value.window, static_cast<UINT>(value.id));
    NotifyIconApi().shellNotifyIcon(NIM_DELETE, &record);
}

bool CTrayIcon::Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, const char* tip)
{
    if (owner == nullptr)
        return false;
    const WindowIdentifier name = {owner, static_cast<int>(id)};
    const bool same = IsAdded() && m_added.Get().window == owner && m_added.Get().id == name.id;
    if (IsAdded() && !same)
        Delete();

    NOTIFYICONDATAA record = Record(owner, id);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = callbackMessage;
    record.hIcon = icon;
    if (tip != nullptr)
        lstrcpynA(record.szTip, tip, kTrayTipLength + 1);
    if (same) {
        if (NotifyIconApi().shellNotifyIcon(NIM_MODIFY, &record))
            return true;
        // The shell no longer knows it (it restarted): forgotten, and added anew.
        m_added.Release();
    }
    if (!NotifyIconApi().shellNotifyIcon(NIM_ADD, &record))
        return false;
    m_added.Reset(name);
    return true;
}
