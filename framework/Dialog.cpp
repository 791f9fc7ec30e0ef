#include "Dialog.h"

#include <commctrl.h>

#include "Application.h"

namespace fw {
namespace {
const UINT_PTR kSubclassId = 0x4644;

// One dialog creation in progress. Creations nest (a dialog made while another one initialises,
// a message box from a creation handler that makes a dialog): each call keeps its frame and its
// hook on its own stack, and only the innermost frame binds, and only the first window made for
// it (the dialog itself, not its controls).
struct CreationFrame {
    Dialog* dialog;
    bool bound;
    CreationFrame* outer;
};
thread_local CreationFrame* t_innermost = nullptr;
thread_local int t_hooksInstalled = 0;
}  // namespace

Dialog::Dialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() {
    if (Handle()) ::DestroyWindow(Handle());
}

// The dialog window is subclassed the moment it is created (before WM_NCCREATE), so that our
// handlers see WM_CREATE and WM_INITDIALOG and a handler can call the dialog manager's default
// processing synchronously, as a window procedure would.
LRESULT CALLBACK Dialog::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    CreationFrame* frame = t_innermost;
    if (code == HCBT_CREATEWND && frame && !frame->bound) {
        frame->bound = true;
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        if (::SetWindowSubclass(hwnd, &Dialog::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(frame->dialog)))
            frame->dialog->Bind(hwnd);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

int Dialog::CreationHooksInstalled() { return t_hooksInstalled; }

INT_PTR CALLBACK Dialog::PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

LRESULT CALLBACK Dialog::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR refData) {
    auto* self = reinterpret_cast<Dialog*>(refData);
    LRESULT r = self->Dispatch(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &Dialog::SubclassProc, kSubclassId);
    return r;
}

HWND Dialog::CreateFromTemplate(HWND parent) {
    if (Handle()) return nullptr;
    ended_ = false;
    result_ = 0;
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    CreationFrame frame{this, false, t_innermost};
    t_innermost = &frame;
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, &Dialog::CbtHook, nullptr, ::GetCurrentThreadId());
    if (hook) ++t_hooksInstalled;
    HWND hwnd = ::CreateDialogParamA(module, MAKEINTRESOURCEA(templateId_), parent, &Dialog::PassiveDialogProc, 0);
    if (hook) {
        ::UnhookWindowsHookEx(hook);
        --t_hooksInstalled;
    }
    t_innermost = frame.outer;
    if (hwnd && !Handle()) {  // the hook could not subclass it: unusable
        ::DestroyWindow(hwnd);
        return nullptr;
    }
    return hwnd;
}

INT_PTR Dialog::DoModal() {
    modal_ = true;
    HWND owner = parent_;
    bool ownerDisabled = false;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        ownerDisabled = true;
    }
    HWND hwnd = CreateFromTemplate(owner);
    if (hwnd) {
        if (!ended_ && !::IsWindowVisible(hwnd)) ::ShowWindow(hwnd, SW_SHOWNORMAL);
        RunModalLoop();
    } else {
        result_ = -1;
    }
    // Re-enable the owner before the dialog goes, so that activation returns to it.
    if (ownerDisabled) ::EnableWindow(owner, TRUE);
    if (Handle()) ::DestroyWindow(Handle());
    modal_ = false;
    return result_;
}

INT_PTR Dialog::DoModal(HWND owner) {
    parent_ = owner;
    return DoModal();
}

// Our own loop instead of the system's DialogBox loop: the system loop never offers messages to
// the application's pre-translation, and the panel's keyboard handling lives there.
void Dialog::RunModalLoop() {
    MSG msg;
    while (!ended_ && Handle()) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {  // WM_QUIT belongs to the outer loop: put it back and leave
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (!PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

bool Dialog::Create(HWND parent) {
    modal_ = false;
    parent_ = parent;
    return CreateFromTemplate(parent) != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
    result_ = result;
    ended_ = true;
    if (!Handle()) return;
    if (modal_)
        ::PostMessageA(Handle(), WM_NULL, 0, 0);  // wake the loop so that it sees the end
    else
        ::ShowWindow(Handle(), SW_HIDE);
}

bool Dialog::PreTranslateMessage(MSG& msg) {
    const bool input = (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
                       (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST);
    if (!input || !Handle()) return false;
    if (msg.hwnd != Handle() && !::IsChild(Handle(), msg.hwnd)) return false;
    return ::IsDialogMessageA(Handle(), &msg) != FALSE;
}

void Dialog::AttachControl(int id, Control& control) { control.Attach(Item(id)); }

bool Dialog::OnInitDialog() {
    DoDataExchange();
    return true;
}

void Dialog::OnOK() { EndDialog(IDOK); }

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::OnMessage(const Msg& m, LRESULT& result) {
    switch (m.message) {
        case WM_INITDIALOG:
            result = OnInitDialog() ? TRUE : FALSE;
            return true;
        case WM_COMMAND:
            if (m.NotifyCode() > 1) return false;
            if (m.CommandId() == IDOK) {
                OnOK();
                result = 0;
                return true;
            }
            if (m.CommandId() == IDCANCEL) {
                OnCancel();
                result = 0;
                return true;
            }
            return false;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
            auto* control = item ? dynamic_cast<Control*>(FromHandle(item->hwndItem)) : nullptr;
            if (!control) return false;
            control->DrawItem(*item);
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

LRESULT Dialog::DefaultProc(const Msg& m) { return ::DefSubclassProc(m.hwnd, m.message, m.wParam, m.lParam); }

}  // namespace fw
