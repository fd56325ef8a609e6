#pragma once
// The exit codes of halvardctl, for scripts. Every failure also prints one line.

enum class CtlExit : int {
    Ok = 0,
    Usage = 1,       // the command line is malformed: nothing was opened
    UnknownName = 2, // no line or setting of that name (the closest are listed)
    BadValue = 3,    // a value the line or setting does not take (its range is given)
    NoCard = 4,      // "no card found"
    File = 5,        // a settings file that cannot be read or written
    Refused = 6,     // the card did not take the change
};
