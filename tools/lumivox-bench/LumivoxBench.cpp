// LumivoxBench [KEYS] [STARTS]: measures, in the suite's Wine environment (scripts/winenv, with
// the firmware simulator registered), on the 1024 x 768 desktop:
//   - key to screen: an Up or Down key posted to the bar until its fifth segment has changed on
//     the screen (each key makes the bar read the firmware, call the monitor method and repaint),
//     against the same bar's repaint without firmware calls: a window of this program covers the
//     segment, the bar's window is invalidated, and the bar's paint (which first puts the bar back
//     on top) brings the segment back. Both alternate over KEYS rounds (default 50) in one run.
//   - start to shown: CreateProcess of "Lumivox.exe 2" until the bar stands in its place with its
//     segments drawn, against the panel bench's empty dialog program (EmptyDialog.exe) until it
//     stands in its place; STARTS pairs (default 10) after one warm-up start of each.
// Prints medians. The simulated brightness word is set to level 4 on mains for the run and put
// back afterwards.
//
//   scripts/winenv wine64 build/win64/tools/LumivoxBench.exe 50 10
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BarWindow.h"
#include "BenchClock.h"

namespace {

const RECT kBarPlaced = {307, 653, 717, 708};
const RECT kEmptyPlaced = {812, 103, 1024, 664};  // EmptyDialog.exe takes the panel's place
// The middle of the fifth segment slot: lit at level 5, empty at level 4.
const POINT kProbe = {307 + 101 + 31 * 4 + 15, 653 + 28};
const char kSimKey[] = "Software\\FirmwareSim";
const DWORD kTimeoutMs = 20000;
const COLORREF kCoverColour = RGB(255, 0, 255);

std::string Folder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string s = path;
    return s.substr(0, s.find_last_of('\\'));
}

COLORREF ProbeColour() {
    HDC screen = ::GetDC(nullptr);
    const COLORREF c = ::GetPixel(screen, kProbe.x, kProbe.y);
    ::ReleaseDC(nullptr, screen);
    return c;
}
// The orange of a lit segment.
bool Lit(COLORREF c) { return c != CLR_INVALID && GetRValue(c) > 200 && GetGValue(c) > 100 && GetBValue(c) < 100; }
bool Empty(COLORREF c) { return c != CLR_INVALID && GetRValue(c) < 80 && GetBValue(c) < 120; }

// Polls until `done` holds; milliseconds from `start`, or -1 after `limitMs`.
template <class Condition>
double Until(double start, Condition done, double limitMs = 3000) {
    while (bench::NowMs() - start < limitMs) {
        if (done()) return bench::NowMs() - start;
        ::Sleep(1);
    }
    return -1;
}

bool ReadWord(DWORD& word) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSimKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = sizeof(word);
    const bool ok = ::RegQueryValueExA(key, "0_50", nullptr, &type, reinterpret_cast<BYTE*>(&word), &size) ==
                        ERROR_SUCCESS &&
                    type == REG_DWORD;
    ::RegCloseKey(key);
    return ok;
}

void WriteWord(DWORD word) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSimKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, "0_50", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&word), sizeof(word));
    ::RegCloseKey(key);
}

bool InPlace(HWND w, const RECT& place) {
    RECT r;
    return w && ::IsWindowVisible(w) && ::GetWindowRect(w, &r) && ::EqualRect(&r, &place);
}

struct Started {
    PROCESS_INFORMATION pi = {};
    double shownMs = -1;
};

Started Start(const std::string& path, const char* args, const char* title, const RECT& place, bool bar) {
    Started s;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string commandLine = "\"" + path + "\"" + (args ? std::string(" ") + args : std::string());
    const double start = bench::NowMs();
    if (!::CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &s.pi))
        return s;
    ::CloseHandle(s.pi.hThread);
    s.pi.hThread = nullptr;
    s.shownMs = Until(
        start, [&] { return InPlace(::FindWindowA(nullptr, title), place) && (!bar || Empty(ProbeColour())); },
        kTimeoutMs);
    return s;
}

void Stop(Started& s, const char* title) {
    if (HWND w = ::FindWindowA(nullptr, title)) ::PostMessageA(w, WM_CLOSE, 0, 0);
    if (!s.pi.hProcess) return;
    if (::WaitForSingleObject(s.pi.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(s.pi.hProcess, 1);
    ::CloseHandle(s.pi.hProcess);
    s.pi.hProcess = nullptr;
}

void Report(const char* what, const std::vector<double>& v) {
    if (v.empty()) {
        std::printf("%-48s no samples\n", what);
        return;
    }
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    std::printf("%-48s median %7.1f ms  (min %.1f, max %.1f, n=%u)\n", what, bench::Median(v), *lo, *hi,
                static_cast<unsigned>(v.size()));
}

// A small always-on-top window of this program over the probed segment.
HWND MakeCover() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = ::CreateSolidBrush(kCoverColour);
    wc.lpszClassName = "LumivoxBenchCover";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "", WS_POPUP,
                             kProbe.x - 10, kProbe.y - 5, 20, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

// Alternates a key (Up, then Down) with a repaint of the covered segment; each sample is the time
// until the segment on the screen shows what the bar must show.
void KeysAndRepaints(HWND bar, int rounds, std::vector<double>& keys, std::vector<double>& repaints) {
    HWND cover = MakeCover();
    bool lit = false;  // level 4
    for (int i = 0; i < rounds && ::IsWindow(bar); ++i) {
        const bool up = !lit;
        double start = bench::NowMs();
        ::PostMessageA(bar, WM_KEYDOWN, up ? VK_UP : VK_DOWN, 1);
        const double k = Until(start, [&] { return up ? Lit(ProbeColour()) : Empty(ProbeColour()); });
        if (k >= 0) keys.push_back(k);
        lit = up;
        ::Sleep(20);

        if (!cover) continue;
        ::SetWindowPos(cover, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        Pump();
        if (Until(bench::NowMs(), [] { return ProbeColour() == kCoverColour; }, 1000) >= 0) {
            start = bench::NowMs();
            ::InvalidateRect(bar, nullptr, FALSE);
            const double r =
                Until(start, [&] { return lit ? Lit(ProbeColour()) : Empty(ProbeColour()); });
            if (r >= 0) repaints.push_back(r);
        }
        ::ShowWindow(cover, SW_HIDE);
        Pump();
        ::Sleep(20);
    }
    if (cover) ::DestroyWindow(cover);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const int starts = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const std::string tools = Folder();
    const std::string lumivox = tools.substr(0, tools.find_last_of('\\')) + "\\dist\\Lumivox.exe";
    const std::string empty = tools + "\\EmptyDialog.exe";

    DWORD savedWord = 0;
    const bool hadWord = ReadWord(savedWord);
    WriteWord(0x45);  // level 4 on mains, 5 on battery
    ::SetCursorPos(50, 50);

    // Warm-up: the first starts fill the caches of the file system and of Wine.
    {
        Started warmBar = Start(lumivox, "2", kBarTitle, kBarPlaced, true);
        Stop(warmBar, kBarTitle);
        Started warmEmpty = Start(empty, nullptr, "EmptyDialog", kEmptyPlaced, false);
        Stop(warmEmpty, "EmptyDialog");
    }

    std::vector<double> barStarts, emptyStarts, startDifferences;
    for (int i = 0; i < starts; ++i) {
        WriteWord(0x45);
        Started b = Start(lumivox, "2", kBarTitle, kBarPlaced, true);
        Stop(b, kBarTitle);
        Started e = Start(empty, nullptr, "EmptyDialog", kEmptyPlaced, false);
        Stop(e, "EmptyDialog");
        if (b.shownMs < 0 || e.shownMs < 0) {
            std::fprintf(stderr, "start %d: a window did not appear (bar %.0f, empty %.0f)\n", i, b.shownMs,
                         e.shownMs);
            continue;
        }
        barStarts.push_back(b.shownMs);
        emptyStarts.push_back(e.shownMs);
        // Paired with the empty program started right after it, so that the load of the machine
        // at that moment weighs on both.
        startDifferences.push_back(b.shownMs - e.shownMs);
    }

    WriteWord(0x45);
    std::vector<double> keys, repaints;
    Started b = Start(lumivox, "2", kBarTitle, kBarPlaced, true);
    if (b.shownMs >= 0) KeysAndRepaints(::FindWindowA(nullptr, kBarTitle), rounds, keys, repaints);
    Stop(b, kBarTitle);
    if (hadWord) WriteWord(savedWord);

    std::printf("Lumivox key to screen (%d rounds)\n", rounds);
    Report("key posted until the segment changed", keys);
    Report("repaint without firmware calls", repaints);
    if (!keys.empty() && !repaints.empty())
        std::printf("%-48s        %7.1f ms\n", "key's own cost = key - repaint", bench::Median(keys) - bench::Median(repaints));
    std::printf("Lumivox start to shown (%d starts)\n", starts);
    Report("bar (Lumivox.exe 2)", barStarts);
    Report("empty dialog program (EmptyDialog.exe)", emptyStarts);
    if (!barStarts.empty() && !emptyStarts.empty())
        std::printf("%-48s        %7.1f ms  (ratio %.2f)\n", "bar - empty", bench::Median(barStarts) - bench::Median(emptyStarts),
                    bench::Median(barStarts) / bench::Median(emptyStarts));
    Report("  the same, start by start", startDifferences);
    return keys.empty() || barStarts.empty() ? 1 : 0;
}
