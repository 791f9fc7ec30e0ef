#pragma once
// Pixels of the screen as the user sees them, for screenshots of the states the tests reach and
// for checks that only the picture can answer (which background a window drew).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace suite {

// 32-bit pixels, top row first, each as the bytes blue, green, red, alpha.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<BYTE> bgra;

    bool Empty() const { return width <= 0 || height <= 0; }
    const BYTE* At(int x, int y) const { return &bgra[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

// The rectangle `area` of the screen (the whole screen when null).
Pixels CaptureScreen(const RECT* area = nullptr);
// A PNG resource of the type "PNG" in the module file `modulePath`, decoded (empty on failure).
Pixels DecodePngResource(const std::string& modulePath, int resourceId);
// Which of two candidate pictures of the same size a part of the screen shows: the sums of the
// absolute channel differences between the screen and each picture, over the pixels where the
// two pictures differ (and both are opaque).
struct BackgroundVerdict {
    unsigned long long toKorean = 0;
    unsigned long long toEnglish = 0;
    int pixels = 0;  // compared; 0 when the sizes do not match
};
BackgroundVerdict CompareBackground(const Pixels& screen, const Pixels& korean, const Pixels& english);
// Whether `area` of the screen shows the panel program's picture `koreanId` under a Korean system
// locale and `englishId` under any other: at least four times closer to it than to the other,
// over at least `minPixels` pixels where the two differ.
::testing::AssertionResult ShowsLocaleBackground(const RECT& area, int koreanId, int englishId, int minPixels);

// "<test build>\screenshots" (made when missing).
std::string ScreenshotDir();
// Saves the whole screen as "<build>\screenshots\<name>.png" and prints the path. Returns the
// path, empty when it could not be saved.
std::string SaveScreenshot(const std::string& name);

}  // namespace suite
