#pragma once
// The shell's notification-area calls, behind one small interface: the program uses the shell's
// own (Shell_NotifyIconA); tests put a shell in its place that refuses or times out, which a
// running desktop never does on demand, so that the icon's retries can be exercised.
#include <windows.h>
#include <shellapi.h>

// The record size every shell since Windows 2000 understands with a 128-character tip: the
// version-2 layout, whose size follows the pointer size (488 bytes on 32-bit, 504 on 64-bit).
constexpr DWORD kNotifyIconRecordSize = NOTIFYICONDATAA_V2_SIZE;

class INotifyIconShell {
public:
    virtual ~INotifyIconShell() = default;
    // Each is the shell's answer: true when it took the request.
    virtual bool Add(const NOTIFYICONDATAA& icon) = 0;
    virtual bool Modify(const NOTIFYICONDATAA& icon) = 0;
    virtual bool Delete(const NOTIFYICONDATAA& icon) = 0;
};

class CShellNotifyIcon : public INotifyIconShell {
public:
    bool Add(const NOTIFYICONDATAA& icon) override;
    bool Modify(const NOTIFYICONDATAA& icon) override;
    bool Delete(const NOTIFYICONDATAA& icon) override;
};

// The shell the program uses.
INotifyIconShell& SystemNotifyIconShell();
