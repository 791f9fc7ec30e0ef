#pragma once
// What another process holds, read from outside: its kernel handles, GDI and USER objects,
// windows and private memory, for endurance runs that must see a leak grow.
//
// GetProcessHandleCount and GetGuiResources are what Windows answers these questions with. Wine
// 8.0 answers neither (the handle count comes back 0, GetGuiResources fails with
// ERROR_CALL_NOT_IMPLEMENTED), so where they fail the probe reads what Wine does keep:
//   - kernel handles: the system's handle list (NtQuerySystemInformation, SystemHandleInformation),
//     entries owned by the process;
//   - GDI objects: the entries in use of the process's GDI handle table, whose address its PEB
//     holds (Wine keeps one table per process, in the layout Windows uses);
//   - USER objects: its windows (top-level, child and message-only), the part of them that can be
//     seen from outside. Icons and menus cannot; a leak of them shows in the private memory.
#include <windows.h>

#include <string>

#include "Handles.h"

namespace suite {

struct ProcessCounters {
    long handles = -1;  // -1: could not be read
    long gdiObjects = -1;
    long userObjects = -1;
    long windows = -1;
    long long privateBytes = -1;
};

class ProcessProbe {
public:
    explicit ProcessProbe(DWORD pid);

    bool Valid() const { return process_.Valid(); }
    ProcessCounters Sample() const;
    // Which source each counter came from at the last sample ("GetGuiResources", "GDI table", ...).
    const std::string& Sources() const { return sources_; }

private:
    long HandleCount() const;
    long GdiObjects() const;
    long UserObjects() const;
    long Windows() const;

    DWORD pid_;
    fw::KernelHandle process_;
    mutable std::string sources_;
};

}  // namespace suite
