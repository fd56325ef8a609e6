#pragma once
// Settings files (.msp): plain text, one item per line. Lines are read at most
// 510 characters at a time; the section lines and key lookup are shared by the
// mixer section and the card's driver section.

#include <cstddef>
#include <cstdio>

// The longest line a reader takes, without its line end.
constexpr size_t kSettingsLineChars = 510;
// Control lines are built in a buffer of this size.
constexpr size_t kSettingsLineBuffer = 512;

enum SettingsKeyType { kSettingsNumber = 0, kSettingsText = 1 };

// Reads the next line into a buffer of kSettingsLineChars + 1 characters: the
// line end is removed, a longer line is cut and its rest passed over (never read
// as a line of its own). False at the end of the file.
bool ReadSettingsLine(FILE* file, char* line);

// Finds the first line from the current position, then once more from the start,
// that begins with the key, and reads what follows it: a number ("%i": decimal,
// 0x hexadecimal, 0 octal) into a 32-bit integer, or the text up to the line's end
// (blanks before and after it dropped; names and paths hold blanks) into a buffer
// of textBufferSize characters (cut to fit, always terminated). Only blanks after
// the key count as no text. The file stays after the matched line.
bool FindSettingsKey(FILE* file, const char* key, void* out, int type, size_t textBufferSize);

// "%s\t%i\t%i %i": product name, driver version, manufacturer and product IDs.
struct MixerIdentity {
    const char* productName;
    unsigned driverVersion;
    unsigned manufacturerId;
    unsigned productId;
};
void WriteSectionLine(FILE* file, const char* label, const MixerIdentity& identity);

// Flushes what is buffered; false when that or any earlier write to the stream
// failed (a stream that cannot be written, a full disk), so that a save can say so.
bool SettingsWritten(FILE* file);

// Whether the text begins with the prefix (byte-wise, case-sensitive).
bool StartsWith(const char* text, const char* prefix);
