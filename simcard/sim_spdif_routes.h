#pragma once
// What the simulated driver's S/PDIF routes mean, for the driver and the tests.

#include "driver/card_requests.h"
#include "simcard/sim_driver_state.h"

#include <algorithm>

inline bool HasSpdifRoute(const SimSpdifState& spdif, DWORD source, DWORD destination)
{
    return std::any_of(spdif.routes.begin(), spdif.routes.end(), [&](const SimSpdifRoute& r) {
        return r.source == source && r.destination == destination;
    });
}

// The endpoint that feeds the S/PDIF output, or 0 when nothing does.
inline DWORD SpdifOutputFeed(const SimSpdifState& spdif)
{
    for (const SimSpdifRoute& route : spdif.routes) {
        if (route.destination == EP_SPDIF_OUT)
            return route.source;
    }
    return 0;
}

inline bool IsSpdifInputConnected(const SimSpdifState& spdif)
{
    return HasSpdifRoute(spdif, EP_SPDIF_IN, EP_MAIN_MIX);
}

inline bool IsSpdifSourceRefused(const SimSpdifState& spdif, DWORD source)
{
    return std::find(spdif.refusedSources.begin(), spdif.refusedSources.end(), source)
        != spdif.refusedSources.end();
}
