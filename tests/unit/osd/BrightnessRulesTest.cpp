#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "BrightnessLevel.h"
#include "CommandLine.h"
#include "LayeredAlpha.h"
#include "PowerSource.h"

namespace {

const PowerSource kMains = PowerSource::Mains;
const PowerSource kBattery = PowerSource::Battery;

TEST(BrightnessRulesTest, LevelsLiveInTheNibbleOfThePowerSource) {
    const struct {
        ULONG word;
        PowerSource source;
        int level;
        int newLevel;
        ULONG newWord;
    } cases[] = {
        {0x75, kMains, 7, 8, 0x85},
        {0x75, kBattery, 5, 6, 0x76},
        {0x75, kBattery, 5, 0, 0x70},
        {0xC5, kMains, 12, 8, 0x85},
        {0x0F, kMains, 0, 3, 0x3F},
        {0xF0, kBattery, 0, 8, 0xF8},
        // Bits above the two nibbles are not the brightness and never written back.
        {0xFFFF3475, kMains, 7, 2, 0x25},
        {0x12345675, kBattery, 5, 4, 0x74},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.word) + (c.source == kMains ? " mains" : " battery"));
        EXPECT_EQ(c.level, brightness::LevelFromWord(c.word, c.source));
        EXPECT_EQ(c.newWord, brightness::WordWithLevel(c.word, c.newLevel, c.source));
    }
}

TEST(BrightnessRulesTest, KeysStepWithinTheBounds) {
    const struct {
        int level;
        UINT key;
        int next;
    } cases[] = {
        {7, VK_UP, 8},   {8, VK_UP, 8},     {0, VK_UP, 1},     {12, VK_UP, 8},   {15, VK_UP, 8},
        {5, VK_DOWN, 4}, {1, VK_DOWN, 0},   {0, VK_DOWN, 0},   {12, VK_DOWN, 11}, {3, VK_LEFT, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.next, brightness::StepLevel(c.level, c.key)) << c.level << " key " << c.key;
    EXPECT_EQ(1, brightness::MonitorBrightness(0));
    EXPECT_EQ(9, brightness::MonitorBrightness(8));
}

TEST(BrightnessRulesTest, OnlyKeyDownsOfUpAndDownStep) {
    const struct {
        UINT message;
        WPARAM key;
        bool steps;
    } cases[] = {
        {WM_KEYDOWN, VK_UP, true},     {WM_KEYDOWN, VK_DOWN, true},  {WM_KEYUP, VK_UP, false},
        {WM_SYSKEYDOWN, VK_UP, false}, {WM_CHAR, VK_UP, false},      {WM_KEYDOWN, VK_LEFT, false},
        {WM_KEYDOWN, VK_ESCAPE, false}, {WM_TIMER, VK_DOWN, false},
    };
    for (const auto& c : cases) {
        MSG msg = {};
        msg.message = c.message;
        msg.wParam = c.key;
        EXPECT_EQ(c.steps, brightness::IsStepKey(msg)) << std::hex << c.message << " " << c.key;
    }
}

TEST(BrightnessRulesTest, OnlyAnOfflineLineIsBattery) {
    EXPECT_EQ(kBattery, PowerSourceFromAcLine(0));
    EXPECT_EQ(kMains, PowerSourceFromAcLine(1));
    EXPECT_EQ(kMains, PowerSourceFromAcLine(255));  // unknown
}

TEST(CommandLineTest, TheNumberAfterTheProgramName) {
    const struct {
        const char* line;
        int number;
    } cases[] = {
        {"\"C:\\Program Files\\Cor Vela\\Lumivox.exe\" 2", 2},
        {"C:\\suite\\Lumivox.exe 2", 2},
        {"Lumivox.exe    -7 and more", -7},
        {"Lumivox.exe", 0},
        {"\"Lumivox.exe\"", 0},
        {"\"C:\\no end quote 5", 0},
        {"Lumivox.exe two", 0},
        {"Lumivox.exe 99999999999999999999999", INT_MAX},
        {"Lumivox.exe -99999999999999999999999", INT_MIN},
        {"", 0},
        {nullptr, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.number, LeadingNumber(CommandLineArguments(c.line))) << (c.line ? c.line : "(null)");
}

BOOL WINAPI RefusingAttributes(HWND, COLORREF, BYTE, DWORD) { return FALSE; }

// Without the system's function, or when it refuses, the window stays opaque rather than layered
// without attributes (which would not be drawn at all).
TEST(LayeredAlphaTest, TranslucentOnlyWhenTheSystemCan) {
    const struct {
        const char* what;
        LayeredAttributesProc proc;
        bool layered;
    } cases[] = {
        {"system function", FindLayeredAttributes(), true},
        {"no function", nullptr, false},
        {"refusing function", &RefusingAttributes, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HWND w = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, w);
        EXPECT_EQ(c.layered, ApplyLayeredAlpha(w, c.proc, 204));
        EXPECT_EQ(c.layered, (::GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_LAYERED) != 0);
        if (c.layered) {
            BYTE alpha = 0;
            DWORD flags = 0;
            EXPECT_TRUE(::GetLayeredWindowAttributes(w, nullptr, &alpha, &flags));
            EXPECT_EQ(204, alpha);
            EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
        }
        ::DestroyWindow(w);
    }
}

}  // namespace
