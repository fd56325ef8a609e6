#pragma once
// The models of the simulated card. Every difference between them follows the
// two capability flags the driver reports and the mixer layout.

#include <cstring>

enum class SimCardModel {
    Six,    // six channels: FourChannelCapable 1, SixChannelCapable 1, six-channel mixer layout
    Four,   // four channels: FourChannelCapable 1, SixChannelCapable 0, four-channel layout
    Stereo, // two channels: both flags 0, four-channel layout
};

// The model named by "six", "four" or "stereo" (the HALVARD_SIMCARD values).
inline bool ParseSimCardModel(const char* name, SimCardModel& model)
{
    if (name == nullptr)
        return false;
    if (std::strcmp(name, "six") == 0)
        model = SimCardModel::Six;
    else if (std::strcmp(name, "four") == 0)
        model = SimCardModel::Four;
    else if (std::strcmp(name, "stereo") == 0)
        model = SimCardModel::Stereo;
    else
        return false;
    return true;
}

inline bool IsFourChannelCapable(SimCardModel model) { return model != SimCardModel::Stereo; }
inline bool IsSixChannelCapable(SimCardModel model) { return model == SimCardModel::Six; }
