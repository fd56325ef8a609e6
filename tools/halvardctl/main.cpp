// halvardctl: the card's mixer, settings and settings files from the command line.
// The simulated card stands in when HALVARD_SIMCARD names one, as for the panel.
#include "simcard/sim_card_switch.h"
#include "tools/halvardctl/ctl_run.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    InstallSimulatedCardFromEnvironment();
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i] != nullptr ? argv[i] : "");
    const int code = RunHalvardCtl(arguments, stdout, stderr);
    std::fflush(stdout);
    std::fflush(stderr);
    return code;
}
