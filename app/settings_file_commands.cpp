#include "app/settings_file_commands.h"

#include "platform/atomic_file.h"
#include "platform/win_app.h"
#include "string_ids.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

// A settings file holds a few lines per mixer control; far more is not one.
constexpr long kMostSettingsBytes = 8L << 20;

// A scratch file in the temporary folder that is removed when this goes.
class CScratchFile {
public:
    CScratchFile()
    {
        char folder[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, folder);
        if (length == 0 || length >= MAX_PATH || GetTempFileNameA(folder, "hvs", 0, m_path) == 0)
            return;
        m_named = true;
        m_file = std::fopen(m_path, "w+"); // text mode: the line ends of a settings file
    }
    ~CScratchFile()
    {
        if (m_file != nullptr)
            std::fclose(m_file);
        if (m_named)
            DeleteFileA(m_path);
    }
    CScratchFile(const CScratchFile&) = delete;
    CScratchFile& operator=(const CScratchFile&) = delete;

    FILE* Get() const { return m_file; }

private:
    char m_path[MAX_PATH] = "";
    bool m_named = false;
    FILE* m_file = nullptr;
};

// The bytes written so far, as they lie in the file.
bool ReadBack(FILE* file, std::string& bytes)
{
    if (std::fflush(file) != 0 || _setmode(_fileno(file), _O_BINARY) == -1 || std::fseek(file, 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file);
    if (size < 0 || size > kMostSettingsBytes || std::fseek(file, 0, SEEK_SET) != 0)
        return false;
    bytes.assign(static_cast<size_t>(size), '\0');
    return size == 0 || std::fread(&bytes[0], 1, bytes.size(), file) == bytes.size();
}

} // namespace

std::string SettingsFileFilter(const char* productName)
{
    return std::string(productName != nullptr ? productName : "") + " Mixer Settings(*.msp)|*.msp||";
}

bool LoadSettingsFileFrom(CMixerDevice& mixer, const char* path)
{
    if (path == nullptr)
        return false;
    FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return false;
    const bool taken = mixer.LoadSettings(file);
    std::fclose(file);
    return taken;
}

bool SaveSettingsFileTo(CMixerDevice& mixer, const char* path)
{
    if (path == nullptr)
        return false;
    CScratchFile scratch;
    std::string bytes;
    if (scratch.Get() == nullptr || !mixer.SaveSettings(scratch.Get()) || !ReadBack(scratch.Get(), bytes))
        return false;
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

void ShowSettingsSaveFailure(HWND owner)
{
    const std::string text = CWinApp::LoadString(IDS_SAVE_FAILED);
    const std::string caption = CWinApp::LoadString(IDS_PRODUCT_NAME);
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}
