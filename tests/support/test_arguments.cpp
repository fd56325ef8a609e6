#include "support/test_arguments.h"

std::vector<std::string>& TestArguments()
{
    static std::vector<std::string> arguments;
    return arguments;
}

std::string TestArgument(const std::string& name)
{
    const std::string prefix = "--" + name + "=";
    for (const std::string& argument : TestArguments())
        if (argument.compare(0, prefix.size(), prefix) == 0)
            return argument.substr(prefix.size());
    return std::string();
}
