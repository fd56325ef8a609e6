#pragma once
// The speaker-mode sequence: the sound system is always told six speakers and the
// card the chosen configuration, twice over in that order, so that each settles on
// what the other was told.

#include "app/speaker_test.h"
#include "driver/card_mixer.h"

void RunSpeakerModeSequence(CSpeakerTest& sound, CCardMixer& card, DWORD configuration);
