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

} // namespace

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
    if (!NotifyIconApi().shellNotifyIcon(same ? NIM_MODIFY : NIM_ADD, &record))
        return same;
    if (!same)
        m_added.Reset(name);
    return true;
}
