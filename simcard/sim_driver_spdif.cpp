// The simulated driver's S/PDIF part: routes between the input, the main mix, the
// software DVD stream and the output, input sensing, the output's channel status
// and the signal at the input.
#include "simcard/sim_driver.h"

#include "simcard/sim_spdif_routes.h"

#include <algorithm>

namespace {

bool IsSourceEndpoint(DWORD_PTR endpoint)
{
    return endpoint == EP_SPDIF_IN || endpoint == EP_MAIN_MIX || endpoint == EP_SOFTWARE_DVD;
}

bool IsDestinationEndpoint(DWORD_PTR endpoint)
{
    return endpoint == EP_MAIN_MIX || endpoint == EP_SPDIF_OUT;
}

} // namespace

DWORD SimDriver::SpdifCommand(const CommandRequest& request)
{
    SimSpdifState& spdif = m_state.spdif;
    // Whole arguments: a number with high bits set is no endpoint on 64-bit systems.
    const DWORD_PTR source = request.arguments[0];
    const DWORD_PTR destination = request.arguments[1];
    auto route = std::find_if(spdif.routes.begin(), spdif.routes.end(), [&](const SimSpdifRoute& r) {
        return r.source == source && r.destination == destination;
    });
    switch (request.command) {
    case CMD_SPDIF_CONNECT: {
        if (!IsSourceEndpoint(source) || !IsDestinationEndpoint(destination) || source == destination)
            return kSimStatusInvalidParameter;
        // An output takes one source at a time, and a refused source never connects.
        const bool busy = destination == EP_SPDIF_OUT && route == spdif.routes.end()
            && SpdifOutputFeed(spdif) != 0;
        const bool refused = destination == EP_SPDIF_OUT && IsSpdifSourceRefused(spdif, source);
        const bool connected = !busy && !refused;
        if (connected && route == spdif.routes.end())
            spdif.routes.push_back({static_cast<DWORD>(source), static_cast<DWORD>(destination)});
        if (DWORD* result = ArgumentPointer<DWORD>(request.arguments[3]))
            *result = connected ? 0 : 1;
        return 0;
    }
    case CMD_SPDIF_DISCONNECT:
        if (!IsSourceEndpoint(source) || !IsDestinationEndpoint(destination))
            return kSimStatusInvalidParameter;
        if (route != spdif.routes.end())
            spdif.routes.erase(route);
        return 0;
    case CMD_SPDIF_CONNECT_SENSING:
        if (source != EP_SPDIF_IN || destination != EP_MAIN_MIX)
            return kSimStatusInvalidParameter;
        spdif.sensing = true;
        spdif.sensingInterval = static_cast<DWORD>(request.arguments[2]);
        return 0;
    case CMD_SPDIF_STOP_SENSING:
        if (source != EP_SPDIF_IN || destination != EP_MAIN_MIX)
            return kSimStatusInvalidParameter;
        spdif.sensing = false;
        return 0;
    case CMD_SPDIF_CHANNEL_STATUS:
        if (source < 1 || source > 2 || destination < 1 || destination > 2)
            return kSimStatusInvalidParameter;
        spdif.copyPermitted = static_cast<DWORD>(source);
        spdif.preEmphasis = static_cast<DWORD>(destination);
        return 0;
    case CMD_SPDIF_INPUT_STATUS: {
        DWORD* status = ArgumentPointer<DWORD>(request.arguments[2]);
        DWORD* second = ArgumentPointer<DWORD>(request.arguments[3]);
        if (source != EP_SPDIF_IN || destination != EP_MAIN_MIX || status == nullptr)
            return kSimStatusInvalidParameter;
        *status = 0;
        if (spdif.inputPresent)
            *status = 1u | (spdif.inputCopyBit ? 0x10u : 0u) | (spdif.inputPreEmphasis ? 0x100u : 0u)
                | (spdif.inputRate << 12);
        if (second != nullptr)
            *second = spdif.sensing ? 1 : 0;
        return 0;
    }
    default:
        return kSimStatusInvalidRequest;
    }
}
