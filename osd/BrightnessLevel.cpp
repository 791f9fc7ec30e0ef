#include "BrightnessLevel.h"

namespace brightness {

int LevelFromWord(ULONG word, PowerSource source) {
    return static_cast<int>(source == PowerSource::Mains ? (word >> 4) & 0xF : word & 0xF);
}

ULONG WordWithLevel(ULONG word, int level, PowerSource source) {
    const ULONG nibble = static_cast<ULONG>(level) & 0xF;
    return source == PowerSource::Mains ? (word & 0x0F) | (nibble << 4) : (word & 0xF0) | nibble;
}

int StepLevel(int level, UINT key) {
    if (key == VK_UP) {
        const int next = level + 1;
        return next >= kMaxLevel ? kMaxLevel : next;
    }
    if (key == VK_DOWN) {
        const int next = level - 1;
        return next < kMinLevel ? kMinLevel : next;
    }
    return level;
}

bool IsStepKey(const MSG& msg) {
    return msg.message == WM_KEYDOWN && (msg.wParam == VK_UP || msg.wParam == VK_DOWN);
}

BYTE MonitorBrightness(int level) { return static_cast<BYTE>(level + 1); }

}  // namespace brightness
