#include "platform/resource_string.h"

#include <climits>
#include <vector>

#include "platform/win_app.h"

namespace {

// A string resource holds at most a few thousand characters.
constexpr int kMaxStringChars = 8192;

} // namespace

bool LoadResourceString(UINT id, char* buffer, std::size_t size)
{
    if (buffer == nullptr || size == 0)
        return false;
    const int chars = size > INT_MAX ? INT_MAX : static_cast<int>(size);
    if (::LoadStringA(CWinApp::ResourceHandle(), id, buffer, chars) > 0)
        return true;
    buffer[0] = '\0';
    return false;
}

std::string LoadResourceString(UINT id)
{
    // Grow until the text fits.
    for (int size = 256;; size *= 2) {
        std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
        const int length = ::LoadStringA(CWinApp::ResourceHandle(), id, buffer.data(), size);
        if (length <= 0)
            return std::string();
        if (length < size - 1 || size >= kMaxStringChars)
            return std::string(buffer.data(), static_cast<std::size_t>(length));
    }
}
