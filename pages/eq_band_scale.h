#pragma once
// How the EQ page's band sliders show gains: range -100 to +100, +10 dB at the
// top; a gain of g dB sits at position -10 g, and a position means whole dB
// (truncated toward zero).

#include <string>

constexpr int kEqSliderMinimum = -100;
constexpr int kEqSliderMaximum = 100;
constexpr int kEqSliderTickFrequency = 50;

constexpr int EqPositionOfGain(int gain) { return -10 * gain; }
constexpr int EqGainOfPosition(int position) { return position / -10; }

// The gain label under a slider: "%3i dB".
std::string EqGainLabel(int gain);
