#pragma once
// What the pages ask of the sheet that holds them: the global hotkeys, the
// settings-file commands, the speaker test and the start-up options. The main
// sheet implements it; pages never include the application's headers.
//
// Ownership: the sheet outlives its pages; a page keeps the host it is given and
// never deletes it.

#include <windows.h>

class CPageHost {
public:
    // Registers (on) or unregisters all global hotkeys, with the warnings of a
    // partial failure; false when the sheet's window does not exist.
    virtual bool RegisterHotkeys(bool on) = 0;
    // The settings-file commands: a file dialog, then the whole panel's settings.
    virtual bool LoadSettingsFile() = 0;
    virtual bool SaveSettingsFile() = 0;

    // Plays the looped test sound on one speaker, or stops it there (rewound).
    // The mask is a speaker bit of multichannel wave formats (1 front left ...).
    virtual void StartTestSpeaker(DWORD channelMask) = 0;
    virtual void StopTestSpeaker(DWORD channelMask) = 0;
    // The speaker-mode sequence: the sound system is told six speakers and the
    // card the chosen configuration word, twice in that order.
    virtual void ApplySpeakerMode(DWORD config) = 0;

    // The speaker picture given at start-up; empty when none was.
    virtual const char* SpeakerPicturePath() const = 0;
    // The blend level (0-255) of the sheet's picture.
    virtual int PictureBlendLevel() const = 0;

protected:
    CPageHost() = default;
    // Never deleted through this interface.
    ~CPageHost() = default;
    CPageHost(const CPageHost&) = default;
    CPageHost& operator=(const CPageHost&) = default;
};
