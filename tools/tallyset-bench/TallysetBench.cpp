// TallysetBench [RUNS [SIZE...]]: measures, in the suite's Wine environment (scripts/winenv), how
// long Tallyset takes from the start of its process to its dialog shown with every row of the
// store in its list, and how long its OK takes (from the click to the end of the process, the
// commit of every row and the index rebuilds included), on stores of SIZE user items (default
// 10 and 1000), the sizes taking turns within each of RUNS rounds (default 5) so that a busy
// machine weighs on all of them alike. Each round also starts the panel bench's empty dialog program
// (EmptyDialog.exe) until it shows: what any dialog program costs to start here. Prints every time,
// then the median and the best per size, the ratio of each size's median to the first size's and
// to the empty dialog's. The store key is put back afterwards.
//
//   scripts/winenv wine64 build/win64/tools/TallysetBench.exe 5 10 1000
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "Handles.h"
#include "RegistrySnapshot.h"

namespace {

const char kStoreKey[] = "Software\\Brevant\\Corvela";
const char kTitle[] = "Cor Vela Configuration";
const int kListId = 1011;
const int kOkId = 1000;
const DWORD kTimeoutMs = 60000;

void SetNumber(HKEY key, const char* name, DWORD value) {
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

void SetText(HKEY key, const char* name, const std::string& text) {
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
}

// A store of `count` user items, every value of the record, in list order, every other checked.
void WriteStore(int count) {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kStoreKey);
    HKEY store = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &store, nullptr))
        return;
    SetNumber(store, "TrayChk", 0);
    for (int n = 1; n <= count; ++n) {
        const std::string name = "Item " + std::to_string(n);
        HKEY item = nullptr;
        if (::RegCreateKeyExA(store, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &item, nullptr)) continue;
        SetText(item, "0x409", name);
        SetText(item, "0x412", name);
        SetText(item, "Path", "C:\\apps\\item" + std::to_string(n) + ".exe");
        SetNumber(item, "Order", static_cast<DWORD>(n));
        SetNumber(item, "Check", n % 2);
        for (const char* zero : {"System", "SystemCMD", "New", "Delete", "Update"}) SetNumber(item, zero, 0);
        SetText(item, "TempPath", "");
        SetText(item, "TempName", "");
        ::RegCloseKey(item);
    }
    ::RegCloseKey(store);
}

std::string ToolsFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof(path));
    const std::string s = path;
    return s.substr(0, s.find_last_of('\\'));  // <build>\tools
}

std::string Folder() {
    const std::string tools = ToolsFolder();
    return tools.substr(0, tools.find_last_of('\\')) + "\\dist";
}

// Starts `exe` without arguments; its process handle, or null.
HANDLE Launch(const std::string& exe) {
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return nullptr;
    ::CloseHandle(pi.hThread);
    return pi.hProcess;
}

// Start of the empty dialog program until its window shows; -1 when it did not.
double EmptyDialogStart() {
    const double start = bench::NowMs();
    fw::KernelHandle process(Launch(ToolsFolder() + "\\EmptyDialog.exe"));
    if (!process.Valid()) return -1;
    double shown = -1;
    while (bench::NowMs() - start < kTimeoutMs) {
        HWND w = ::FindWindowA(nullptr, "EmptyDialog");
        if (w && ::IsWindowVisible(w)) {
            shown = bench::NowMs() - start;
            ::PostMessageA(w, WM_CLOSE, 0, 0);
            break;
        }
        ::Sleep(1);
    }
    if (::WaitForSingleObject(process.Get(), 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.Get(), 1);
    return shown;
}

struct Times {
    double open = -1;  // start to the filled list
    double ok = -1;    // OK to the end of the process
};

Times Measure(int count) {
    Times t;
    const double start = bench::NowMs();
    fw::KernelHandle process(Launch(Folder() + "\\Tallyset.exe"));
    if (!process.Valid()) return t;
    HWND dialog = nullptr;
    while (bench::NowMs() - start < kTimeoutMs) {
        dialog = ::FindWindowA("#32770", kTitle);
        if (dialog && ::IsWindowVisible(dialog) &&
            ::SendMessageA(::GetDlgItem(dialog, kListId), LVM_GETITEMCOUNT, 0, 0) == count) {
            t.open = bench::NowMs() - start;
            break;
        }
        ::Sleep(1);
    }
    if (t.open >= 0) {
        const double click = bench::NowMs();
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kOkId, BN_CLICKED), 0);
        if (::WaitForSingleObject(process.Get(), kTimeoutMs) == WAIT_OBJECT_0) t.ok = bench::NowMs() - click;
    }
    if (::WaitForSingleObject(process.Get(), 0) != WAIT_OBJECT_0) ::TerminateProcess(process.Get(), 1);
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i) sizes.push_back(std::max(1, std::atoi(argv[i])));
    if (sizes.empty()) sizes = {10, 1000};

    suite::RegistrySnapshot saved(HKEY_CURRENT_USER, kStoreKey);
    std::map<int, std::vector<double>> open, ok;
    std::vector<double> empty;
    // One start first: the first process of a prefix pays for loading what the others share.
    WriteStore(sizes.front());
    Measure(sizes.front());
    EmptyDialogStart();
    for (int r = 1; r <= runs; ++r) {
        for (int size : sizes) {
            WriteStore(size);
            const Times t = Measure(size);
            std::printf("run %d  %5d items  open %8.1f ms  OK %8.1f ms\n", r, size, t.open, t.ok);
            std::fflush(stdout);
            open[size].push_back(t.open);
            ok[size].push_back(t.ok);
        }
        const double e = EmptyDialogStart();
        std::printf("run %d  empty dialog program  shown %8.1f ms\n", r, e);
        if (e >= 0) empty.push_back(e);
    }
    std::printf("\n%6s %12s %12s %12s %12s %10s %10s\n", "items", "open median", "open best", "OK median", "OK best",
                "open x", "x empty");
    const double base = bench::Median(open[sizes.front()]);
    const double emptyMedian = bench::Median(empty);
    for (int size : sizes) {
        const double m = bench::Median(open[size]);
        std::printf("%6d %12.1f %12.1f %12.1f %12.1f %10.2f %10.2f\n", size, m,
                    *std::min_element(open[size].begin(), open[size].end()), bench::Median(ok[size]),
                    *std::min_element(ok[size].begin(), ok[size].end()), base > 0 ? m / base : 0.0,
                    emptyMedian > 0 ? m / emptyMedian : 0.0);
    }
    std::printf("empty dialog program (EmptyDialog.exe) median %.1f ms\n", emptyMedian);
    return 0;
}
