#pragma once
// halvardctl started as a script starts it: its own process, the simulated card
// chosen through the environment, its output and exit code collected.
#include <string>

struct CtlRunResult {
    bool started = false;
    bool ended = false;       // within the time allowed
    unsigned long exitCode = 0;
    std::string out;          // line ends as written (CR LF on Windows)
    std::string err;
};

// halvardctl beside the test programs' folder.
std::string CtlExecutable();

// Runs it with the command line (quoted as a user would) on the simulated card of
// that model ("six", "four"; empty for none).
CtlRunResult RunCtl(const std::string& commandLine, const std::string& simCard = "six");

// Text with CR LF line ends turned into LF.
std::string UnixLines(const std::string& text);
// How many lines a text has (a last line without its end counts).
int LineCount(const std::string& text);
