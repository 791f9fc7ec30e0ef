#pragma once
// The brightness rules that need no window and no firmware: where a power source's level sits in
// the firmware word, how a key steps the level, and what the monitor method is sent.
#include <windows.h>

#include "PowerSource.h"

namespace brightness {

// The keys step between these; the firmware may report more (up to 15).
constexpr int kMinLevel = 0;
constexpr int kMaxLevel = 8;

// The level of `source` in the firmware word of 0_50: bits 4-7 on mains, bits 0-3 on battery.
int LevelFromWord(ULONG word, PowerSource source);

// `word` with the nibble of `source` set to `level` (its low four bits) and the other nibble kept.
// Bits 8-31 come back cleared: the firmware has never been sent more than the two nibbles.
ULONG WordWithLevel(ULONG word, int level, PowerSource source);

// The level after `key` (VK_UP or VK_DOWN) from `level`: Up adds one, up to kMaxLevel (a level
// above it, as the firmware may report, comes down to kMaxLevel); Down takes one off, never below
// kMinLevel. Any other key leaves the level as it is.
int StepLevel(int level, UINT key);

// Whether a queued message is a key that steps the level (a key-down of Up or Down).
bool IsStepKey(const MSG& msg);

// The "Brightness" byte of the monitor method for `level`: one more than the level (1..9).
BYTE MonitorBrightness(int level);

}  // namespace brightness
