#pragma once
// What a skinned slider redraws on its next paint: a mask of drawing steps, set by
// what changed since the last paint, and a count of the steps that ran.

#include <windows.h>

#include <cstdint>

constexpr uint8_t kRedrawOwnBackground = 0x01;
constexpr uint8_t kRedrawCompose = 0x02; // own background over the parent's
constexpr uint8_t kRedrawTicks = 0x04;
constexpr uint8_t kRedrawChannel = 0x10;
constexpr uint8_t kRedrawMeterGradient = 0x20;
constexpr uint8_t kRedrawMeterBars = 0x40;
constexpr uint8_t kRedrawAll = 0xFF;

// The trackbar state a slider compares from paint to paint.
struct SliderSnapshot {
    DWORD style = 0;
    DWORD exStyle = 0;
    int position = 0;
    int minimum = 0;
    int maximum = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
};

// The redraw bits the changes from one snapshot to the next set. A change of style
// or extended style sets all of them (the cached bitmaps go too).
uint8_t RedrawBitsForChange(const SliderSnapshot& before, const SliderSnapshot& now);
bool StylesChanged(const SliderSnapshot& before, const SliderSnapshot& now);

// The drawing steps of a paint, counted as they run.
enum SliderDrawStep {
    kStepParentBackground,
    kStepOwnBackground,
    kStepCompose,
    kStepTicks,
    kStepChannel,
    kStepMeterGradient,
    kStepMeterBars,
    kStepThumb,
    kStepCount
};

struct SliderDrawCounts {
    int steps[kStepCount] = {};
    int paints = 0;
};
