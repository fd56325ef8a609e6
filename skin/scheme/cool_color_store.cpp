#include "skin/scheme/cool_color_store.h"

#include <cstring>

#include "platform/registry.h"

namespace {

CRegistry StoreKey()
{
    CRegistry registry;
    registry.SetKey(HKEY_CURRENT_USER, kCoolColorsKey);
    return registry;
}

bool ReadSet(const char* subkey, const char* name, COOLCOLORSET& set)
{
    if (name == nullptr || *name == '\0')
        return false;
    COOLCOLORSET stored = {};
    DWORD size = sizeof(stored);
    CRegistry registry = StoreKey();
    if (!registry.QueryRaw(name, &stored, &size, subkey) || size != sizeof(stored))
        return false;
    set = stored;
    return true;
}

} // namespace

bool CCoolColorStore::ReadUserSet(const char* name, COOLCOLORSET& set) { return ReadSet(kUserSetsKey, name, set); }

bool CCoolColorStore::WriteUserSet(const char* name, const COOLCOLORSET& set)
{
    if (name == nullptr || *name == '\0')
        return false;
    CRegistry registry = StoreKey();
    return registry.SetBinary(name, &set, sizeof(set), kUserSetsKey) != 0;
}

bool CCoolColorStore::DeleteUserSet(const char* name)
{
    if (name == nullptr)
        return false;
    CRegistry registry = StoreKey();
    return registry.DeleteValue(name, kUserSetsKey) != 0;
}

std::vector<std::string> CCoolColorStore::UserSetNames()
{
    std::vector<std::string> names;
    CRegistry registry = StoreKey();
    const int count = registry.CountValues(kUserSetsKey);
    for (int index = 0; index < count; ++index) {
        char name[kColorSetNameChars + 1] = {};
        if (registry.EnumValue(static_cast<DWORD>(index), name, sizeof(name), kUserSetsKey))
            names.emplace_back(name);
    }
    return names;
}

bool CCoolColorStore::ReadDefaultSet(const char* programFileName, COOLCOLORSET& set)
{
    return ReadSet(kDefaultSetsKey, programFileName, set);
}

BuiltInColorSets CCoolColorStore::LoadBuiltInColorSets()
{
    COOLCOLORSET programDefault = {};
    const bool stored = ReadDefaultSet(RunningProgramFileName().c_str(), programDefault);
    return BuildBuiltInColorSets(stored ? &programDefault : nullptr);
}

std::string RunningProgramFileName()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    const char* slash = std::strrchr(path, '\\');
    return std::string(slash != nullptr ? slash + 1 : path);
}
