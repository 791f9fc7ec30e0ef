#pragma once
// How many rounds an endurance test makes: SUITE_ENDURANCE_COUNT from the environment (a Wine
// program sees the Unix environment it was started in), 100 when it is not set. CI runs the
// default; the full run of 1000 is started by hand (README, "Endurance").
#include <windows.h>

#include <cstdlib>

namespace suite {

inline int EnduranceCount() {
    char text[32] = {};
    const DWORD n = ::GetEnvironmentVariableA("SUITE_ENDURANCE_COUNT", text, sizeof(text));
    if (n == 0 || n >= sizeof(text)) return 100;
    const long count = std::strtol(text, nullptr, 10);
    return count < 1 ? 1 : count > 100000 ? 100000 : static_cast<int>(count);
}

// The rounds at which the counters are read: the first (after which everything a first run
// loads once is loaded), every hundredth and the last.
inline bool SampleRound(int round, int count) { return round == 1 || round % 100 == 0 || round == count; }

}  // namespace suite
