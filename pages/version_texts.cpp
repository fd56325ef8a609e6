#include "pages/version_texts.h"

#include <windows.h>

#include <cstdio>

#include "platform/file_version.h"
#include "platform/system_version.h"

namespace {

// Paths of the lookup are built in buffers of this many characters.
constexpr std::size_t kPathChars = 260;
constexpr std::size_t kVersionChars = 64;

// Adds the formatted path unless it does not fit its buffer.
void AddCandidate(std::vector<std::string>& candidates, const char* format, const char* directory)
{
    char path[kPathChars];
    const int length = std::snprintf(path, sizeof(path), format, directory, kDriverFileName);
    if (length > 0 && static_cast<std::size_t>(length) < sizeof(path))
        candidates.emplace_back(path);
}

std::string VersionText(const char* path, DWORD infoSize, const char* unreadable)
{
    char text[kVersionChars];
    switch (ReadProductVersion(path, infoSize, text, sizeof(text))) {
    case FileVersionRead::kRead:
        return text;
    case FileVersionRead::kUnreadable:
        return unreadable;
    case FileVersionRead::kNoInformation:
        break;
    }
    return "not installed";
}

} // namespace

std::vector<std::string> DriverFileCandidates(const char* systemDirectory)
{
    std::vector<std::string> candidates{kDriverFileName};
    // Without a system directory only the system's own search is left.
    if (systemDirectory == nullptr || *systemDirectory == '\0')
        return candidates;
    AddCandidate(candidates, "%s\\%s", systemDirectory);
    AddCandidate(candidates, "%s\\drivers\\%s", systemDirectory);
    AddCandidate(candidates, "%s32\\drivers\\%s", systemDirectory);
    return candidates;
}

std::string DriverVersionText()
{
    for (const std::string& candidate : DriverFileCandidates(QuerySystemDirectory().c_str())) {
        const DWORD size = FileVersionInfoSize(candidate.c_str());
        if (size > 0)
            return VersionText(candidate.c_str(), size, "Not available");
    }
    return "not installed";
}

std::string ProgramVersionText()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "not installed";
    return VersionText(path, 0, "not available");
}
