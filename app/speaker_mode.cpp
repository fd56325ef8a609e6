#include "app/speaker_mode.h"

void RunSpeakerModeSequence(CSpeakerTest& sound, CCardMixer& card, DWORD configuration)
{
    sound.ApplySoundSystemSpeakers(DSSPEAKER_5POINT1);
    card.SetSpeakerConfig(configuration);
    sound.ApplySoundSystemSpeakers(DSSPEAKER_5POINT1);
    card.SetSpeakerConfig(configuration);
}
