#include "app/start_options.h"

#include <windows.h>

#include <cstdlib>

namespace {

constexpr long kMaxBlendLevel = 255;

} // namespace

bool BlendLevelFromText(const std::string& text, int& level)
{
    // strtol rather than atoi: a number too long for an int is out of range, not undefined.
    const long number = std::strtol(text.c_str(), nullptr, 10);
    if (number < 0 || number > kMaxBlendLevel)
        return false;
    level = static_cast<int>(number);
    return true;
}

StartOptions ReadStartOptions(const CPanelCommandLineInfo& info)
{
    StartOptions options;
    std::string value;
    options.minimize = info.Lookup("minimize", value);
    if (info.Lookup("bgbmp", options.picturePath)) {
        options.hasPicture = true;
        options.hasBlendLevel = true;
        options.blendLevel = kCommandLinePictureBlend;
    }
    options.hasSpeakerPicture = info.Lookup("spbmp", options.speakerPicturePath);
    int level = 0;
    if (info.Lookup("bgop", value) && BlendLevelFromText(value, level)) {
        options.hasBlendLevel = true;
        options.blendLevel = level;
    }
    options.settingsFile = info.m_strFileName;
    return options;
}

int ShowCommandAtStart(bool minimize, bool trayIcon)
{
    if (!minimize)
        return SW_SHOWNORMAL;
    return trayIcon ? SW_HIDE : SW_MINIMIZE;
}
