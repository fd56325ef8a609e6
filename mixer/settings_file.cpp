#include "mixer/settings_file.h"

#include <cstdint>
#include <climits>
#include <cstdlib>
#include <cstring>

bool ReadSettingsLine(FILE* file, char* line)
{
    size_t length = 0;
    int c = std::getc(file);
    if (c == EOF)
        return false;
    for (; c != EOF && c != '\n'; c = std::getc(file))
        if (length < kSettingsLineChars)
            line[length++] = static_cast<char>(c);
    // A line written on disk with CR LF but read without text-mode translation.
    if (length > 0 && line[length - 1] == '\r')
        --length;
    line[length] = '\0';
    return true;
}

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

namespace {

bool FindKeyLine(FILE* file, const char* key, char* line)
{
    while (ReadSettingsLine(file, line))
        if (StartsWith(line, key))
            return true;
    return false;
}

bool ReadNumber(const char* text, int32_t& value)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    char* end = nullptr;
    const long long number = std::strtoll(text, &end, 0);
    if (end == text)
        return false;
    // Numbers beyond 32 bits are held at the nearest 32-bit value.
    value = static_cast<int32_t>(number < INT32_MIN ? INT32_MIN : number > INT32_MAX ? INT32_MAX : number);
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool ReadText(const char* text, char* out, size_t size)
{
    if (size == 0)
        return false;
    while (IsBlank(*text))
        ++text;
    size_t length = std::strlen(text);
    while (length > 0 && IsBlank(text[length - 1]))
        --length;
    if (length == 0)
        return false;
    const size_t kept = length < size - 1 ? length : size - 1;
    std::memcpy(out, text, kept);
    out[kept] = '\0';
    return true;
}

} // namespace

bool FindSettingsKey(FILE* file, const char* key, void* out, int type, size_t textBufferSize)
{
    if (file == nullptr || key == nullptr || out == nullptr)
        return false;
    char line[kSettingsLineChars + 1];
    bool found = FindKeyLine(file, key, line);
    if (!found) {
        std::rewind(file);
        found = FindKeyLine(file, key, line);
    }
    if (!found)
        return false;
    const char* rest = line + std::strlen(key);
    if (type == kSettingsNumber)
        return ReadNumber(rest, *static_cast<int32_t*>(out));
    if (type == kSettingsText)
        return ReadText(rest, static_cast<char*>(out), textBufferSize);
    return false;
}

void WriteSectionLine(FILE* file, const char* label, const MixerIdentity& identity)
{
    std::fprintf(file, "%s: %s\t%i\t%i %i\n", label, identity.productName, static_cast<int>(identity.driverVersion),
                 static_cast<int>(identity.manufacturerId), static_cast<int>(identity.productId));
}

bool SettingsWritten(FILE* file)
{
    const bool flushed = std::fflush(file) == 0;
    return flushed && std::ferror(file) == 0;
}
