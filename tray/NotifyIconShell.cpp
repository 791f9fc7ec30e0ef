#include "NotifyIconShell.h"

// A fixed 488 would be the 32-bit size only: the 64-bit shell would read a record cut short.
static_assert(kNotifyIconRecordSize == (sizeof(void*) == 8 ? 504u : 488u),
              "the version-2 notification record has changed size");

namespace {
bool Call(DWORD message, const NOTIFYICONDATAA& icon) {
    NOTIFYICONDATAA copy = icon;  // the shell's signature takes a writable record
    return ::Shell_NotifyIconA(message, &copy) != FALSE;
}
}  // namespace

bool CShellNotifyIcon::Add(const NOTIFYICONDATAA& icon) { return Call(NIM_ADD, icon); }
bool CShellNotifyIcon::Modify(const NOTIFYICONDATAA& icon) { return Call(NIM_MODIFY, icon); }
bool CShellNotifyIcon::Delete(const NOTIFYICONDATAA& icon) { return Call(NIM_DELETE, icon); }

INotifyIconShell& SystemNotifyIconShell() {
    static CShellNotifyIcon shell;
    return shell;
}
