// The panel's start-up: window creation and the ordered initialisation.
#include "CorvelaDlg.h"

#include <shellapi.h>

#include "Handles.h"
#include "IndexFile.h"
#include "IndexFilePath.h"
#include "ProgramFolder.h"
#include "ProgramLauncher.h"
#include "StoreRegistry.h"
#include "StringTable.h"
#include "SuiteContract.h"
#include "SystemLocale.h"
#include "picture_ids.h"
#include "resource.h"

namespace {

// Items a user who is not an administrator never sees.
const char* const kAdminOnlyItems[] = {kSuspendKey, kHibernationKey, kAmbroselKey, kSettingKey};

const DWORD kStoreOpenRetryMs = 500;
const DWORD kIndexSettleMs = 300;

}  // namespace

LRESULT CCorvelaDlg::OnCreate(const fw::Msg&) {
    if (Default() == -1) return -1;
    store_.SeedFromMachineDefaults();
    return 0;
}

bool CCorvelaDlg::OnInitDialog() {
    Dialog::OnInitDialog();  // attaches the eleven buttons

    layeredAttributesProc_ = reinterpret_cast<LayeredAttributesProc>(
        ::GetProcAddress(::GetModuleHandleA("USER32.DLL"), "SetLayeredWindowAttributes"));

    if (!acpi_.Connect()) {
        AbandonStart();
        return false;
    }

    LoadPictures();
    // Invisible until the first-show timer puts it in its place.
    ::MoveWindow(Handle(), 0, 0, 0, 0, FALSE);
    ShapeWindow();
    CheckStore();
    captureToolPresent_ = ::FindWindowA(kCaptureToolClass, nullptr) != nullptr;
    ApplyPanelAlpha();
    ::SetWindowTextA(Handle(), kPanelTitle);
    const bool administrator = IsAdministrator();
    ApplyRights(administrator);
    if (!PrepareIndexFile()) {
        // An empty menu would look like a menu without items; the user is told instead.
        ReportIndexNotWritten();
        ReleaseResources();
        AbandonStart();
        return false;
    }
    SettleAfterIndex();
    LayoutButtons();
    items_.ShowFirstPage(indexFilePath_, administrator);
    // The tray rule may have to tell the user something; the panel shows after that message, so
    // that the box keeps the activation while it is up.
    ApplyTrayRule();
    ::SetTimer(Handle(), kFirstShowTimer, kFirstShowDelayMs, nullptr);
    return true;
}

// Without the firmware the panel cannot show the machine's state. It ends at once, before
// anything of it has been seen: shrunk to nothing, the window that the template makes visible
// never shows, and the modal run ends without a loop.
void CCorvelaDlg::AbandonStart() {
    ::OutputDebugStringA("Corvela: no connection to the firmware, the panel does not open\n");
    ::MoveWindow(Handle(), 0, 0, 0, 0, FALSE);
    EndDialog(IDCANCEL);
}

void CCorvelaDlg::LoadPictures() {
    backgroundId_ = IsKoreanSystemLocale() ? IDB_PANEL_BG_KO : IDB_PANEL_BG_EN;
    icon_ = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CORVELA));
}

// The wait after the index rebuild gives the registry and the other programs their time; the
// panel decodes its large pictures meanwhile, so that its first paint does not have to.
void CCorvelaDlg::SettleAfterIndex() {
    const DWORD start = ::GetTickCount();
    pictures_.Get(backgroundId_, panel::kWidth, panel::kHeight);
    pictures_.Get(IDB_HIGHLIGHT);
    const DWORD spent = ::GetTickCount() - start;
    if (spent < kIndexSettleMs) ::Sleep(kIndexSettleMs - spent);
}

void CCorvelaDlg::ShapeWindow() {
    POINT outline[panel::kOutlinePoints];
    panel::PanelOutline(outline);
    fw::Region region(::CreatePolygonRgn(outline, panel::kOutlinePoints, WINDING));
    // The system owns the region once it has taken it. Nothing to redraw: the window has no size yet.
    if (region && ::SetWindowRgn(Handle(), region.Get(), FALSE)) region.Release();

    // A tool window gets no task-bar button.
    LONG_PTR exStyle = ::GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    exStyle = (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
    ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle);
}

// A store of fewer than ten item keys is damaged: it is brought back to the default item set now
// (keeping the tray setting only as 1), before the rights step and the radio captions write into
// it. Left to the index rebuild, the import of the defaults would undo what they wrote: a standard
// user would see the administrator's items, an administrator the neutral radio captions.
void CCorvelaDlg::CheckStore() {
    if (!store::OpenKey(store_.Settings().userRoot, store_.KeyPath(), KEY_ALL_ACCESS))
        ::Sleep(kStoreOpenRetryMs);
    // One attempt only: the panel shows what the store holds rather than wait on end.
    if (!store_.RepairIfDamaged())
        ::OutputDebugStringA("Corvela: default item set incomplete, showing the store as it is\n");
}

void CCorvelaDlg::ApplyRights(bool administrator) {
    if (administrator) {
        items_.SyncRadioCaptions();
        return;
    }
    items_.ResetRadioCaptions();
    for (const char* item : kAdminOnlyItems) store_.WriteDword(store_.ItemPath(item), kCheckValue, 0);
}

bool CCorvelaDlg::PrepareIndexFile() {
    if (!GetUserIndexFilePath(indexFilePath_, sizeof(indexFilePath_))) return false;
    ::DeleteFileA(indexFilePath_);
    return store_.RebuildOrderIndex(indexFilePath_) && store_.RebuildCheckIndex(indexFilePath_);
}

void CCorvelaDlg::ReportIndexNotWritten() {
    std::string text = LoadText(IDS_INDEX_NOT_WRITTEN);
    text += "\n";
    text += indexFilePath_[0] ? indexFilePath_ : "Pellary.ini";
    ::MessageBoxA(Handle(), text.c_str(), kMessageBoxCaption, MB_ICONERROR);
}

// The tray program follows the setting: started when it should run and does not, told to go when
// it runs and should not.
void CCorvelaDlg::ApplyTrayRule() {
    DWORD trayCheck = 0;
    store_.ReadDword(store_.KeyPath(), kTrayCheckValue, &trayCheck);
    HWND tray = ::FindWindowA(nullptr, kTrayWindowTitle);
    if (trayCheck == 1 && !tray) {
        char folder[kTextCap] = {};
        if (GetProgramFolder(folder, sizeof(folder)) &&
            FileExists(SiblingPath(folder, kTrayProgramFile).c_str())) {
            StartSibling(folder, kTrayProgramFile, nullptr);
        } else {
            char text[kTextCap * 2];
            LoadText(IDS_NO_TRAY_PROGRAM, text, sizeof(text));
            ::MessageBoxA(Handle(), text, kMessageBoxCaption, MB_ICONINFORMATION);
        }
    } else if (trayCheck != 1 && tray) {
        ::PostMessageA(tray, WM_CLOSE, 0, 0);
    }
}
