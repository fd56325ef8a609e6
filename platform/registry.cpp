#include "platform/registry.h"

#include "platform/registry_functions.h"
#include "platform/registry_key.h"
#include "platform/stored_text.h"

#include <shlwapi.h>

#include <cstring>

namespace {

constexpr const char* kDefaultCompany = "Norvalis Dirizuzaro GmbH";
constexpr const char* kProfileName = "Halvard";

bool IsAcceptedRoot(HKEY root)
{
    return root == HKEY_CLASSES_ROOT || root == HKEY_CURRENT_USER || root == HKEY_LOCAL_MACHINE
        || root == HKEY_USERS || root == HKEY_CURRENT_CONFIG;
}

bool IsNamed(const char* name) { return name != nullptr && name[0] != '\0'; }

} // namespace

CRegistry::CRegistry()
    : m_root(HKEY_CURRENT_USER)
    , m_basePath(std::string("Software\\") + kDefaultCompany + "\\" + kProfileName)
{
}

CRegistry::~CRegistry() = default;

int CRegistry::SetKey(HKEY root, const char* basePath)
{
    if (!IsAcceptedRoot(root) || basePath == nullptr)
        return 0;
    m_root = root;
    m_basePath = basePath;
    return 1;
}

std::string CRegistry::PathOf(const char* subPath) const
{
    if (subPath == nullptr)
        return m_basePath;
    return m_basePath + "\\" + subPath;
}

int CRegistry::DeleteValue(const char* valueName, const char* subPath)
{
    CRegistryKey key;
    if (!key.Open(m_root, PathOf(subPath).c_str(), KEY_ALL_ACCESS | m_view))
        return 0;
    return RegistryWriteApi().deleteValue(key.Get(), valueName) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::DeleteKey(const char* keyName, const char* subPath)
{
    // An empty name would make the deletion take the opened key's own contents.
    if (!IsNamed(keyName))
        return 0;
    CRegistryKey key;
    if (!key.Open(m_root, PathOf(subPath).c_str(), KEY_ALL_ACCESS | m_view))
        return 0;
    return SHDeleteKeyA(key.Get(), keyName) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::CreateKey(const char* keyName, const char* subPath, DWORD options, REGSAM access)
{
    if (keyName == nullptr)
        return 0;
    CRegistryKey key;
    if (!key.Open(m_root, PathOf(subPath).c_str(), KEY_ALL_ACCESS | m_view))
        return 0;
    CRegistryKey created;
    return created.Create(key.Get(), keyName, options, access | m_view) ? 1 : 0;
}

int CRegistry::QueryDword(const char* valueName, DWORD* value, const char* subPath)
{
    if (value == nullptr)
        return 0;
    CRegistryKey key;
    if (!key.Open(m_root, PathOf(subPath).c_str(), KEY_ALL_ACCESS | m_view))
        return 0;
    DWORD word = 0;
    DWORD size = sizeof(word);
    if (RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&word),
                         &size) != ERROR_SUCCESS)
        return 0;
    *value = word;
    return 1;
}

namespace {

// Opens the key for writing, creating it (and any missing parents) when needed.
bool OpenForWriting(CRegistryKey& key, HKEY root, const std::string& path, REGSAM view)
{
    return key.Open(root, path.c_str(), KEY_ALL_ACCESS | view)
        || key.Create(root, path.c_str(), REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS | view);
}

} // namespace

int CRegistry::SetDword(const char* valueName, DWORD value, const char* subPath)
{
    CRegistryKey key;
    if (!OpenForWriting(key, m_root, PathOf(subPath), m_view))
        return 0;
    return RegistryWriteApi().setValueEx(key.Get(), valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value)) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::SetBinary(const char* valueName, const void* data, DWORD byteCount,
                         const char* subPath)
{
    if (data == nullptr && byteCount != 0)
        return 0;
    CRegistryKey key;
    if (!OpenForWriting(key, m_root, PathOf(subPath), m_view))
        return 0;
    return RegistryWriteApi().setValueEx(key.Get(), valueName, 0, REG_BINARY, static_cast<const BYTE*>(data),
                          byteCount) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::SetString(const char* valueName, const char* text, const char* subPath)
{
    if (text == nullptr)
        return 0;
    CRegistryKey key;
    if (!OpenForWriting(key, m_root, PathOf(subPath), m_view))
        return 0;
    const DWORD size = static_cast<DWORD>(std::strlen(text) + 1);
    return RegistryWriteApi().setValueEx(key.Get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          size) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::QueryRaw(const char* valueName, void* data, DWORD* byteCount, const char* subPath)
{
    if (data == nullptr || byteCount == nullptr)
        return 0;
    CRegistryKey key;
    if (!key.Open(m_root, PathOf(subPath).c_str(), KEY_ALL_ACCESS | m_view))
        return 0;
    return RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, static_cast<BYTE*>(data),
                            byteCount) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::QueryBinary(const char* valueName, void* data, DWORD bufferSize, const char* subPath)
{
    return QueryRaw(valueName, data, &bufferSize, subPath);
}

int CRegistry::QueryValue(const char* valueName, char* buffer, DWORD bufferSize, const char* subPath)
{
    if (buffer == nullptr || bufferSize == 0)
        return 0;
    DWORD size = bufferSize;
    if (!QueryRaw(valueName, buffer, &size, subPath)) {
        buffer[0] = '\0';
        return 0;
    }
    return TerminateStoredText(buffer, bufferSize, size) ? 1 : 0;
}

int CRegistry::CountEntries(Count what, const char* subPath)
{
    CRegistryKey key;
    if (!key.Open(m_root, PathOf(subPath).c_str(), KEY_ALL_ACCESS | m_view))
        return -1;
    DWORD subkeys = 0;
    DWORD values = 0;
    if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    switch (what) {
    case Count::Values:
        return static_cast<int>(values);
    case Count::Subkeys:
        return static_cast<int>(subkeys);
    }
    return 0;
}

int CRegistry::CountValues(const char* subPath) { return CountEntries(Count::Values, subPath); }

int CRegistry::CountSubkeys(const char* subPath) { return CountEntries(Count::Subkeys, subPath); }

int CRegistry::EnumValue(DWORD index, char* name, DWORD bufferSize, const char* subPath)
{
    return EnumName(Count::Values, index, name, bufferSize, subPath);
}

int CRegistry::EnumKey(DWORD index, char* name, DWORD bufferSize, const char* subPath)
{
    return EnumName(Count::Subkeys, index, name, bufferSize, subPath);
}

int CRegistry::EnumName(Count what, DWORD index, char* name, DWORD bufferSize, const char* subPath)
{
    if (name == nullptr || bufferSize == 0)
        return 0;
    name[0] = '\0';
    const int count = CountEntries(what, subPath);
    if (count < 0 || index >= static_cast<DWORD>(count))
        return 0;
    CRegistryKey key;
    if (!key.Open(m_root, PathOf(subPath).c_str(), KEY_ALL_ACCESS | m_view))
        return 0;
    DWORD chars = bufferSize;
    const LONG result = what == Count::Values
        ? RegEnumValueA(key.Get(), index, name, &chars, nullptr, nullptr, nullptr, nullptr)
        : RegEnumKeyExA(key.Get(), index, name, &chars, nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) {
        name[0] = '\0';
        return 0;
    }
    name[bufferSize - 1] = '\0';
    return 1;
}
