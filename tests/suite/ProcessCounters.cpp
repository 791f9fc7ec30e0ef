#include "ProcessCounters.h"

#include <psapi.h>
#include <winternl.h>

#include <cstddef>
#include <vector>

namespace suite {
namespace {

// SystemHandleInformation (16): one entry per open handle of the system, with the owner's id.
struct SystemHandleEntry {
    USHORT ownerPid;
    USHORT creatorBackTraceIndex;
    UCHAR objectTypeIndex;
    UCHAR attributes;
    USHORT value;
    PVOID object;
    ULONG grantedAccess;
};
struct SystemHandleList {
    ULONG count;
    SystemHandleEntry entries[1];
};
const ULONG kSystemHandleInformation = 16;
const NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

// One entry of a GDI handle table as Windows lays it out (and Wine copies): 24 bytes on x64.
struct GdiTableEntry {
    ULONG64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONG64 user;
};
static_assert(sizeof(GdiTableEntry) == 24, "the GDI table's entry layout");
const int kGdiTableEntries = 0x10000;
// Where the PEB keeps the table's address.
const std::size_t kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

using QuerySystemInformation = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

FARPROC NtFunction(const char* name) { return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), name); }

struct WindowCount {
    DWORD pid;
    long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM data) {
    auto* c = reinterpret_cast<WindowCount*>(data);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != c->pid) return TRUE;
    ++c->count;
    ::EnumChildWindows(hwnd, &CountChild, data);
    return TRUE;
}

}  // namespace

ProcessProbe::ProcessProbe(DWORD pid)
    : pid_(pid), process_(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, pid)) {}

ProcessCounters ProcessProbe::Sample() const {
    ProcessCounters c;
    if (!Valid()) return c;
    sources_.clear();
    c.handles = HandleCount();
    c.gdiObjects = GdiObjects();
    c.userObjects = UserObjects();
    c.windows = Windows();
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(process_.Get(), &memory, sizeof(memory)))
        c.privateBytes = static_cast<long long>(memory.PagefileUsage);
    if (sources_.size() >= 2) sources_.resize(sources_.size() - 2);  // the last "; "
    return c;
}

long ProcessProbe::HandleCount() const {
    DWORD count = 0;
    // A running process always holds some handles: 0 is Wine's way of not answering.
    if (::GetProcessHandleCount(process_.Get(), &count) && count > 0) {
        sources_ += "handles: GetProcessHandleCount; ";
        return static_cast<long>(count);
    }
    auto query = reinterpret_cast<QuerySystemInformation>(NtFunction("NtQuerySystemInformation"));
    if (!query) return -1;
    std::vector<BYTE> buffer(1 << 18);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
               kInfoLengthMismatch &&
           buffer.size() < (64u << 20))
        buffer.resize(buffer.size() * 2);
    if (status != 0) return -1;
    const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
    const std::size_t room = (buffer.size() - offsetof(SystemHandleList, entries)) / sizeof(SystemHandleEntry);
    long owned = 0;
    for (ULONG i = 0; i < list->count && i < room; ++i)
        owned += list->entries[i].ownerPid == static_cast<USHORT>(pid_) ? 1 : 0;
    sources_ += "handles: system handle list; ";
    return owned;
}

long ProcessProbe::GdiObjects() const {
    ::SetLastError(0);
    const DWORD count = ::GetGuiResources(process_.Get(), GR_GDIOBJECTS);
    if (::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        sources_ += "GDI: GetGuiResources; ";
        return static_cast<long>(count);
    }
    auto query = reinterpret_cast<QueryInformationProcess>(NtFunction("NtQueryInformationProcess"));
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    if (!query || query(process_.Get(), ProcessBasicInformation, &basic, sizeof(basic), &length) != 0) return -1;
    ULONG_PTR table = 0;
    SIZE_T read = 0;
    if (!::ReadProcessMemory(process_.Get(), static_cast<BYTE*>(static_cast<void*>(basic.PebBaseAddress)) +
                                                 kPebGdiTableOffset,
                             &table, sizeof(table), &read) ||
        !table)
        return -1;
    std::vector<GdiTableEntry> entries(kGdiTableEntries);
    if (!::ReadProcessMemory(process_.Get(), reinterpret_cast<const void*>(table), entries.data(),
                             entries.size() * sizeof(GdiTableEntry), &read))
        return -1;
    long used = 0;
    for (const GdiTableEntry& e : entries) used += e.type != 0 ? 1 : 0;
    sources_ += "GDI: the process's GDI table; ";
    return used;
}

long ProcessProbe::UserObjects() const {
    ::SetLastError(0);
    const DWORD count = ::GetGuiResources(process_.Get(), GR_USEROBJECTS);
    if (::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        sources_ += "USER: GetGuiResources; ";
        return static_cast<long>(count);
    }
    sources_ += "USER: its windows; ";
    return Windows();
}

long ProcessProbe::Windows() const {
    WindowCount c = {pid_, 0};
    ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&c));
    for (HWND w = ::FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = ::FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
        CountTopLevel(w, reinterpret_cast<LPARAM>(&c));
    return c.count;
}

}  // namespace suite
