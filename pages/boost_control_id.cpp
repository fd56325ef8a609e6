#include "pages/boost_control_id.h"

namespace {

constexpr DWORD kBoostOlderNumbering = 14;
constexpr DWORD kBoostNewerNumbering = 16;

} // namespace

DWORD BoostControlIdFor(const SystemVersion& system)
{
    if (system.platform == VER_PLATFORM_WIN32_WINDOWS && system.major == 4)
        return system.minor >= 1 && system.minor <= 10 ? kBoostNewerNumbering : kBoostOlderNumbering;
    if (system.platform == VER_PLATFORM_WIN32_NT) {
        if (system.major != 5)
            return 0; // NT 4 and the systems after XP: the driver offers no boost there
        return system.minor == 0 ? kBoostNewerNumbering : kBoostOlderNumbering;
    }
    return kBoostOlderNumbering;
}
