#pragma once
// The records and identifiers exchanged with the sound system. The buffer
// description holds a pointer, so its size is the architecture's; the wave format
// records are packed and the same everywhere.

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <dsound.h>

static_assert(sizeof(DSBUFFERDESC) == (sizeof(void*) == 8 ? 40 : 36), "buffer description");
static_assert(sizeof(WAVEFORMATEX) == 18, "wave format record");
static_assert(sizeof(PCMWAVEFORMAT) == 16, "PCM part of the wave format record");
static_assert(sizeof(WAVEFORMATEXTENSIBLE) == 40, "multichannel wave format record");
static_assert(sizeof(DS3DBUFFER) == 64 && sizeof(DS3DLISTENER) == 64, "3D parameter records");

// The extra bytes that follow WAVEFORMATEX in a multichannel record.
constexpr WORD kExtensibleExtraSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
static_assert(kExtensibleExtraSize == 22, "multichannel extra size");

// The published identifiers the panel and the simulated sound system need (defined
// here, so that no identifier library has to be linked).
constexpr GUID kIidDirectSound = {
    0x279AFA83, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
constexpr GUID kIidDirectSound3DListener = {
    0x279AFA84, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
constexpr GUID kIidDirectSoundBuffer = {
    0x279AFA85, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
constexpr GUID kIidDirectSound3DBuffer = {
    0x279AFA86, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
constexpr GUID kIidUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kDefaultPlaybackDevice = {
    0xDEF00000, 0x9C6D, 0x47ED, {0xAA, 0xF1, 0x4D, 0xDA, 0x8F, 0x2B, 0x5C, 0x03}};
constexpr GUID kSubFormatPcm = {
    0x00000001, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr GUID kNullGuid = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
