#include "app/hotkey_dispatch.h"

#include "app/hotkey_actions.h"
#include "app/mixer_actions.h"
#include "platform/system_version.h"

void RunHotkeyAction(DWORD id, CCardMixer& card, CHotkeyCommands& commands)
{
    const HotkeyAction& action = HotkeyActionOf(id, card.SixChannelCapable() != 0);
    switch (action.kind) {
    case HotkeyActionKind::None:
        break;
    case HotkeyActionKind::VolumeUp:
    case HotkeyActionKind::VolumeDown:
        StepVolume(card, action.source, action.kind == HotkeyActionKind::VolumeUp);
        break;
    case HotkeyActionKind::MuteToggle:
    case HotkeyActionKind::SwitchToggle:
        ToggleSwitch(card, action.source, action.control);
        break;
    case HotkeyActionKind::RecordSource:
        SelectRecordSource(card, action.value, QuerySystemVersion());
        break;
    case HotkeyActionKind::EqualizerToggle:
        card.SetEqEnabled(card.IsEqEnabled() ? 0 : 1);
        commands.RefreshEqualizerPage();
        break;
    case HotkeyActionKind::SpeakerMode:
        commands.ChangeSpeakerMode(static_cast<DWORD>(action.value));
        break;
    case HotkeyActionKind::LoadSettingsFile:
        commands.LoadSettingsFile();
        break;
    case HotkeyActionKind::SaveSettingsFile:
        commands.SaveSettingsFile();
        break;
    }
}
