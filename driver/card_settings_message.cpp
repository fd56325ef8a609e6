#include "driver/card_settings_message.h"

UINT CardSettingsChangedMessage()
{
    static const UINT message = RegisterWindowMessageA(kCardSettingsChangedMessageName);
    return message;
}

bool BroadcastCardSettingsChanged()
{
    const UINT message = CardSettingsChangedMessage();
    // Posted, not sent: a window that does not answer cannot hold the sender up.
    return message != 0 && PostMessageA(HWND_BROADCAST, message, 0, 0) != FALSE;
}
