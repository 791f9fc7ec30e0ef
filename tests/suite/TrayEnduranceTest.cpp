// The tray program over a long day: the panel opened and closed again and again by real double
// clicks on the tray icon (through the X server, as a user's hand gives them), with the kernel
// handles, GDI and USER objects, windows and private memory of the one long-running Perchlet read
// after the first round, every hundredth and the last. None of them may grow beyond a small
// constant: a handle of each started panel kept, or a picture loaded at each click, would.
//
// Rounds: SUITE_ENDURANCE_COUNT (100 unless set; see EnduranceCount.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "EnduranceCount.h"
#include "PanelFacts.h"
#include "ProcessCounters.h"
#include "RealInput.h"
#include "RegistrySnapshot.h"
#include "SettingsSession.h"
#include "SuiteHarness.h"
#include "TrayFacts.h"

namespace {

using suite::panel::kPanelTitle;
using suite::panel::kPlaced;

const DWORD kShowTimeoutMs = 20000;
const DWORD kCloseTimeoutMs = 10000;
// What may come and go between two readings without being a leak: a handle or an object that a
// round holds for a moment, a page of the heap.
const long kHandleAllowance = 8;
const long kGdiAllowance = 8;
const long kUserAllowance = 4;
const long kWindowAllowance = 2;
const long long kMemoryAllowance = 1024 * 1024;

struct Reading {
    int round;
    suite::ProcessCounters counters;
};

class TrayEnduranceTest : public ::testing::Test {
protected:
    void SetUp() override {
        suite::panel::CloseAnyPanel(kCloseTimeoutMs);
        suite::EndProgramsWithWindow(suite::tray::kTitle, kCloseTimeoutMs);
        ASSERT_TRUE(suite::tray::WaitForTrayGone());
        // Three items on the panel, seven more that keep the store healthy; the tray setting on,
        // so that the panels started leave the tray program alone.
        suite::settings::WriteStore({{"Alpha", "Alpha", "C:\\apps\\alpha.exe", 0, 0, 1},
                                     {"Beta", "Beta", "C:\\apps\\beta.exe", 0, 0, 1},
                                     {"Gamma", "Gamma", "C:\\apps\\gamma.exe", 0, 0, 1}},
                                    1, 7);
    }
    void TearDown() override {
        suite::panel::CloseAnyPanel(kCloseTimeoutMs);
        suite::EndProgramsWithWindow(suite::tray::kTitle, kCloseTimeoutMs);
        tray_.WaitForExit(kCloseTimeoutMs);
    }

    // One round: a double click opens the panel in its place, the next one closes it and its
    // process ends. The milliseconds from the click to the panel in place, or a failure.
    void OpenAndClose(int round, std::vector<double>* shownMs) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_EQ(nullptr, ::FindWindowA(nullptr, kPanelTitle)) << "a panel is open before the double click";
        const POINT icon = suite::tray::IconCentre();
        const DWORD clicked = ::GetTickCount();
        ASSERT_TRUE(suite::input::DoubleClickAt(icon)) << "the pointer did not rest on the icon";
        HWND panel = suite::WaitForWindow(kPanelTitle, kShowTimeoutMs);
        ASSERT_NE(nullptr, panel) << "the double click opened no panel";
        ASSERT_TRUE(suite::WaitUntil(
            [&] {
                const RECT r = suite::WindowRect(panel);
                return ::IsWindowVisible(panel) && ::EqualRect(&r, &kPlaced);
            },
            kShowTimeoutMs))
            << "the panel did not show in its place";
        shownMs->push_back(static_cast<double>(::GetTickCount() - clicked));
        fw::KernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, suite::WindowProcess(panel)));
        ASSERT_TRUE(process.Valid());
        // The panel puts the pointer on its first item as it opens; that move comes first.
        suite::WaitUntil([] { return suite::panel::SamePoint(suite::PointerPos(), suite::panel::Spot(1)); }, 3000);

        ASSERT_TRUE(suite::input::DoubleClickAt(icon)) << "the pointer did not rest on the icon";
        ASSERT_TRUE(suite::WaitForWindowGone(kPanelTitle, kCloseTimeoutMs)) << "the double click left the panel open";
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process.Get(), kCloseTimeoutMs)) << "Corvela.exe still runs";
        ASSERT_TRUE(tray_.Running()) << "the tray program ended";
    }

    suite::ProgramRun tray_;
};

void Print(const std::vector<Reading>& readings, const std::string& sources) {
    std::printf("\nPerchlet over the rounds (%s)\n", sources.c_str());
    std::printf("%8s %9s %9s %9s %9s %14s\n", "round", "handles", "GDI", "USER", "windows", "private bytes");
    for (const Reading& r : readings)
        std::printf("%8d %9ld %9ld %9ld %9ld %14lld\n", r.round, r.counters.handles, r.counters.gdiObjects,
                    r.counters.userObjects, r.counters.windows, r.counters.privateBytes);
}

template <class Field>
void ExpectFlat(const std::vector<Reading>& readings, const char* what, Field field, long long allowance) {
    const long long first = field(readings.front().counters);
    EXPECT_GE(first, 0) << what << " could not be read";
    for (const Reading& r : readings)
        EXPECT_LE(field(r.counters) - first, allowance)
            << what << " grew from " << first << " after round " << readings.front().round << " to "
            << field(r.counters) << " after round " << r.round;
}

TEST_F(TrayEnduranceTest, PanelOpenedAndClosedByTheIconLeavesTheTrayProgramFlat) {
    const int count = suite::EnduranceCount();
    tray_ = suite::ProgramRun::Start("Perchlet.exe");
    ASSERT_TRUE(tray_.Started());
    ASSERT_NE(nullptr, suite::tray::WaitForIcon()) << "no tray icon";
    suite::ProcessProbe probe(tray_.Pid());
    ASSERT_TRUE(probe.Valid());

    std::vector<Reading> readings;
    std::vector<double> shownMs;
    const DWORD began = ::GetTickCount();
    for (int round = 1; round <= count; ++round) {
        ASSERT_NO_FATAL_FAILURE(OpenAndClose(round, &shownMs));
        if (suite::SampleRound(round, count)) readings.push_back(Reading{round, probe.Sample()});
    }
    const double seconds = (::GetTickCount() - began) / 1000.0;
    Print(readings, probe.Sources());
    std::sort(shownMs.begin(), shownMs.end());
    std::printf("%d rounds in %.0f s; double click to panel in place: median %.0f ms, slowest %.0f ms\n", count,
                seconds, shownMs[shownMs.size() / 2], shownMs.back());

    // A live tray program with its windows and icon always holds some of each.
    EXPECT_GT(readings.front().counters.handles, 0);
    EXPECT_GT(readings.front().counters.gdiObjects, 0);
    EXPECT_GT(readings.front().counters.windows, 0);
    ExpectFlat(readings, "handles", [](const suite::ProcessCounters& c) { return c.handles; }, kHandleAllowance);
    ExpectFlat(readings, "GDI objects", [](const suite::ProcessCounters& c) { return c.gdiObjects; }, kGdiAllowance);
    ExpectFlat(readings, "USER objects", [](const suite::ProcessCounters& c) { return c.userObjects; },
               kUserAllowance);
    ExpectFlat(readings, "windows", [](const suite::ProcessCounters& c) { return c.windows; }, kWindowAllowance);
    ExpectFlat(readings, "private bytes", [](const suite::ProcessCounters& c) { return c.privateBytes; },
               kMemoryAllowance);
    EXPECT_TRUE(suite::tray::ShellHoldsIcon(suite::tray::FindNotifyWindow())) << "the icon is gone";
}

}  // namespace
