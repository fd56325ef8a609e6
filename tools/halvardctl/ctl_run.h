#pragma once
// One run of halvardctl: the command line checked whole, then the card opened and
// the command carried out. Output goes to `out`; a failure prints one line to `err`.

#include <cstdio>
#include <string>
#include <vector>

// The arguments come without the program's name; returns the exit code (CtlExit).
int RunHalvardCtl(const std::vector<std::string>& arguments, FILE* out, FILE* err);
