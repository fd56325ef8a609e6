#include "halvardctl/ctl_process.h"

#include "support/build_folder.h"
#include "support/temp_folder.h"

#include <windows.h>

namespace {

constexpr DWORD kRunTimeoutMs = 60000;

HANDLE InheritableFile(const std::string& path)
{
    SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &security, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

std::string CtlExecutable() { return BuildFolderFile("halvardctl.exe"); }

CtlRunResult RunCtl(const std::string& commandLine, const std::string& simCard)
{
    CtlRunResult result;
    TempFolder folder;
    const std::string outPath = folder.File("out.txt");
    const std::string errPath = folder.File("err.txt");
    HANDLE out = InheritableFile(outPath);
    HANDLE err = InheritableFile(errPath);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    SetEnvironmentVariableA("HALVARD_SIMCARD", simCard.empty() ? nullptr : simCard.c_str());
    std::string line = "\"" + CtlExecutable() + "\"" + (commandLine.empty() ? "" : " " + commandLine);
    PROCESS_INFORMATION process = {};
    result.started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                    &startup, &process) != FALSE;
    SetEnvironmentVariableA("HALVARD_SIMCARD", nullptr);
    CloseHandle(out);
    CloseHandle(err);
    if (!result.started)
        return result;
    result.ended = WaitForSingleObject(process.hProcess, kRunTimeoutMs) == WAIT_OBJECT_0;
    if (!result.ended)
        TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    result.out = ReadFileBytes(outPath);
    result.err = ReadFileBytes(errPath);
    return result;
}

std::string UnixLines(const std::string& text)
{
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    return lines;
}

int LineCount(const std::string& text)
{
    int count = 0;
    for (char c : text)
        count += c == '\n' ? 1 : 0;
    return count + (!text.empty() && text.back() != '\n' ? 1 : 0);
}
