// Settings files of the card: the driver section, then the mixer section.
#include "driver/card_mixer.h"

#include "mixer/settings_file.h"

#include <cstdint>

namespace {

constexpr const char* kBeginDriverSection = "Begin NonWSS Settings";
constexpr const char* kEndDriverSection = "End NonWSS Settings";

void WriteNumber(FILE* file, const char* key, DWORD value) { std::fprintf(file, "%s %i\n", key, static_cast<int>(value)); }

void WriteText(FILE* file, const char* key, const char* text) { std::fprintf(file, "%s %s\n", key, text); }

// Applies a number key when the file holds it.
template <typename Apply>
void ApplyNumber(FILE* file, const char* key, Apply apply)
{
    int32_t value = 0;
    if (FindSettingsKey(file, key, &value, kSettingsNumber, 0))
        apply(static_cast<DWORD>(value));
}

// Applies a text key when the file holds a text after it.
template <typename Apply>
void ApplyText(FILE* file, const char* key, Apply apply)
{
    char text[kSettingsLineChars + 1] = {};
    if (FindSettingsKey(file, key, text, kSettingsText, sizeof(text)))
        apply(static_cast<const char*>(text));
}

} // namespace

bool CCardMixer::SaveSettings(FILE* file)
{
    if (file == nullptr)
        return false;
    const MixerIdentity identity = SettingsIdentity();
    WriteSectionLine(file, kBeginDriverSection, identity);
    WriteNumber(file, "SPDIFInScanMode", GetSpdifInputMode());
    // The setting itself: the bit shown follows the incoming signal unless the
    // main mix feeds the output, and loading that would change the setting.
    WriteNumber(file, "SPDIFOutCopyPerm", GetSpdifCopyPermitted());
    WriteNumber(file, "SPDIFOutSource", GetSpdifOutputSource());
    WriteNumber(file, "MicAECMode", GetAecMode());
    WriteNumber(file, "Senaura", GetSensaura3D());
    WriteNumber(file, "MacroFX", GetMacroFX());
    WriteNumber(file, "A3DSplash", GetA3DSplashScreen());
    WriteNumber(file, "StereoEnhance", GetStereoExpansion());
    WriteNumber(file, "EQEnabled", static_cast<DWORD>(IsEqEnabled()));
    WriteText(file, "EQPresetName", CurrentEqSetName());
    WriteText(file, "SourcePosPreset", GetCurrentSourceSchemeName());
    WriteNumber(file, "MidiSWVoices", GetSwVoiceLimit());
    WriteNumber(file, "MidiHWVoices", GetHwVoiceLimit());
    WriteNumber(file, "MidiMemRes", GetSampleSetResident());
    WriteNumber(file, "MidiVoiceAlloc", GetVoiceAllocation());
    WriteText(file, "MidiCustomSetName", GetCustomSetFile());
    WriteNumber(file, "MidiUseDefaultSet", GetUseDefaultSet());
    WriteSectionLine(file, kEndDriverSection, identity);
    const bool mixerSaved = CWssMixer::SaveSettings(file);
    return mixerSaved && SettingsWritten(file);
}

bool CCardMixer::LoadSettings(FILE* file)
{
    if (file == nullptr)
        return false;
    // Each key is applied through the same operation a page uses, in this order.
    ApplyNumber(file, "SPDIFInScanMode", [this](DWORD v) { SetSpdifInputMode(v); });
    ApplyNumber(file, "SPDIFOutPreEmph", [this](DWORD v) { SetSpdifPreemphasis(v); });
    ApplyNumber(file, "SPDIFOutCopyPerm", [this](DWORD v) { SetSpdifCopyPermitted(v); });
    ApplyNumber(file, "SPDIFOutSource", [this](DWORD v) { SetSpdifOutputSource(v); });
    ApplyNumber(file, "MicAECMode", [this](DWORD v) { SetAecMode(v); });
    ApplyNumber(file, "Senaura", [this](DWORD v) { SetSensaura3D(v); });
    ApplyNumber(file, "MacroFX", [this](DWORD v) { SetMacroFX(v); });
    ApplyNumber(file, "A3DSplash", [this](DWORD v) { SetA3DSplashScreen(v); });
    ApplyNumber(file, "StereoEnhance", [this](DWORD v) { SetStereoExpansion(v); });
    ApplyNumber(file, "EQEnabled", [this](DWORD v) { SetEqEnabled(static_cast<int>(v)); });
    ApplyText(file, "EQPresetName", [this](const char* name) { LoadEqSet(name, true); });
    ApplyText(file, "SourcePosPreset", [this](const char* name) { LoadSourceSchemeList(name); });
    ApplyNumber(file, "MidiSWVoices", [this](DWORD v) { SetSwVoiceLimit(v); });
    ApplyNumber(file, "MidiHWVoices", [this](DWORD v) { SetHwVoiceLimit(v); });
    ApplyNumber(file, "MidiMemRes", [this](DWORD v) { SetSampleSetResident(v); });
    ApplyNumber(file, "MidiVoiceAlloc", [this](DWORD v) { SetVoiceAllocation(v); });
    ApplyText(file, "MidiCustomSetName", [this](const char* path) { SetCustomSetFile(path); });
    ApplyNumber(file, "MidiUseDefaultSet", [this](DWORD v) { SetUseDefaultSet(v); });

    // The mixer section is looked for from the start of the file: a driver section
    // that lacks a key leaves the file at its end, and the mixer values must not be
    // lost for that.
    std::rewind(file);
    return CWssMixer::LoadSettings(file);
}
