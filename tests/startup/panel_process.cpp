#include "startup/panel_process.h"

#include "driver/driver_keys.h"
#include "driver/speaker_keys.h"
#include "platform/registry.h"
#include "simcard/sim_mixer_store.h"
#include "support/build_folder.h"
#include "support/message_pump.h"
#include "support/registry_tree_guard.h"

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

std::string Caption(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

} // namespace

std::string PanelExecutable() { return BuildFolderFile("Halvard 5.1+.exe"); }

PanelProcess::PanelProcess(const std::string& arguments, const std::string& simCard)
{
    SetEnvironmentVariableA("HALVARD_SIMCARD", simCard.empty() ? nullptr : simCard.c_str());
    std::string commandLine = "\"" + PanelExecutable() + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
        m_process = PROCESS_INFORMATION();
    SetEnvironmentVariableA("HALVARD_SIMCARD", nullptr);
}

PanelProcess::~PanelProcess()
{
    if (!Started())
        return;
    if (IsRunning()) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool PanelProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const
{
    const bool ended = PumpUntil([this] { return !IsRunning(); }, timeoutMs);
    if (ended && exitCode != nullptr)
        GetExitCodeProcess(m_process.hProcess, exitCode);
    return ended;
}

bool PanelProcess::WaitForIdle(DWORD timeoutMs) const
{
    return Started() && WaitForInputIdle(m_process.hProcess, timeoutMs) == 0;
}

bool PanelProcess::IsRunning() const
{
    return Started() && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> PanelProcess::VisibleWindows() const
{
    WindowSearch search{m_process.dwProcessId, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND PanelProcess::WaitForWindow(const std::string& caption, DWORD timeoutMs) const
{
    HWND found = nullptr;
    PumpUntil([&] {
        for (HWND window : VisibleWindows())
            if (Caption(window) == caption)
                found = window;
        return found != nullptr;
    }, timeoutMs);
    return found;
}

HWND ShownPage(HWND sheet)
{
    for (HWND child = FindWindowExA(sheet, nullptr, "#32770", nullptr); child != nullptr;
         child = FindWindowExA(sheet, child, "#32770", nullptr))
        if (IsWindowVisible(child))
            return child;
    return nullptr;
}

std::string MessageBoxText(HWND box)
{
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::vector<LONG> StoredMixerValues(DWORD controlId, size_t count)
{
    std::vector<LONG> values(count);
    if (!SimMixerStore().Load(0, controlId, values))
        values.clear();
    return values;
}

CardState ReadCardState()
{
    struct Tree {
        HKEY root;
        std::string path;
        REGSAM view;
    };
    const Tree trees[] = {{HKEY_CURRENT_USER, SimMixerStore::DefaultKey(), 0},
                          {HKEY_LOCAL_MACHINE, kDriverSettingsKey, 0},
                          {HKEY_LOCAL_MACHINE, kSensauraKey, kSharedSoftwareView}};
    CardState state;
    for (const Tree& tree : trees)
        for (const RegistryTreeGuard::SavedKey& key : RegistryTreeGuard::Read(tree.root, tree.path, tree.view))
            for (const RegistryTreeGuard::SavedValue& value : key.values)
                state[tree.path + "\\" + key.path + "\\" + value.name] = value.data;
    return state;
}

std::vector<std::string> ChangedNames(const CardState& before, const CardState& after)
{
    std::vector<std::string> changed;
    for (const auto& [name, bytes] : after) {
        const auto earlier = before.find(name);
        if (earlier == before.end() || earlier->second != bytes)
            changed.push_back(name);
    }
    for (const auto& entry : before)
        if (after.count(entry.first) == 0)
            changed.push_back(entry.first);
    return changed;
}
