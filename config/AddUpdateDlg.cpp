#include "AddUpdateDlg.h"

#include <commdlg.h>

#include "ItemInput.h"
#include "StringTable.h"
#include "TallysetIds.h"
#include "Text.h"
#include "resource.h"

namespace {

// "Program Files|*.exe;*.com|All Files|*.*|" in the form the file dialog takes.
const char kFileFilter[] = "Program Files\0*.exe;*.com\0All Files\0*.*\0";

void SetItemText(HWND dialog, int id, UINT stringId) { ::SetDlgItemTextA(dialog, id, LoadText(stringId).c_str()); }

}  // namespace

const fw::MessageMapEntry<CAdd_UpdateDlg> CAdd_UpdateDlg::kMap[] = {
    fw::OnCommand(IDC_SEARCH, &CAdd_UpdateDlg::OnSearch),
    fw::EndMessageMap<CAdd_UpdateDlg>(),
};

CAdd_UpdateDlg::CAdd_UpdateDlg(EditorMode mode, ItemExchange& exchange, const IItemNameCheck& names)
    : Dialog(IDD_ADD_UPDATE), mode_(mode), exchange_(exchange), names_(names) {}

bool CAdd_UpdateDlg::CreateFor(HWND owner) {
    owner_ = owner;
    return Create(owner);
}

bool CAdd_UpdateDlg::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
}

bool CAdd_UpdateDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    ::SetWindowTextA(Handle(), LoadText(mode_ == kAddMode ? IDS_ADD_TITLE : IDS_UPDATE_TITLE).c_str());
    SetItemText(Handle(), IDC_EDITOR_HINT, IDS_EDITOR_HINT);
    SetItemText(Handle(), IDC_NAME_LABEL, IDS_NAME_LABEL);
    SetItemText(Handle(), IDC_PATH_LABEL, IDS_PATH_LABEL);
    SetItemText(Handle(), IDC_SEARCH, IDS_SEARCH);
    SetItemText(Handle(), IDOK, IDS_OK);
    SetItemText(Handle(), IDCANCEL, IDS_CANCEL);
    nameEdit_ = fw::EditBox(Handle(), IDC_NAME_EDIT);
    pathEdit_ = fw::EditBox(Handle(), IDC_PATH_EDIT);
    if (mode_ == kUpdateMode) {
        nameEdit_.SetText(exchange_.itemName.c_str());
        pathEdit_.SetText(exchange_.itemPath.c_str());
    }
    return true;
}

LRESULT CAdd_UpdateDlg::OnSearch(const fw::Msg&) {
    char windows[kTextCap] = {};
    const UINT n = ::GetWindowsDirectoryA(windows, sizeof(windows));
    if (n == 0 || n >= sizeof(windows)) windows[0] = '\0';
    char file[kTextCap] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Handle();
    ofn.lpstrFilter = kFileFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof(file);
    ofn.lpstrInitialDir = windows[0] ? windows : nullptr;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    ++busy_;
    const BOOL chosen = ::GetOpenFileNameA(&ofn);
    --busy_;
    // The owner may have dropped the editor while the file dialog ran.
    if (!Handle()) return 0;
    if (chosen) pathEdit_.SetText(file);
    return 0;
}

void CAdd_UpdateDlg::OnOK() {
    const std::string name = nameEdit_.Text();
    const std::string path = pathEdit_.Text();
    exchange_.itemName = name;
    exchange_.itemPath = path;
    const std::string ownKey = mode_ == kUpdateMode ? exchange_.editKey : std::string();
    const ItemInputVerdict verdict = CheckItemInput(
        name, path, [&](const std::string& trimmed) { return names_.IsNameTaken(trimmed, ownKey); });
    if (verdict != ItemInputVerdict::Accepted) {
        Tell(MessageFor(verdict));
        return;
    }
    ::PostMessageA(owner_, mode_ == kAddMode ? UWM_ITEM_ADDED : UWM_ITEM_UPDATED, 0, 0);
    EndDialog(IDOK);
}

bool CAdd_UpdateDlg::Tell(UINT id) {
    ++busy_;
    ::MessageBoxA(Handle(), LoadText(id).c_str(), kMessageBoxCaption, MB_OK | MB_ICONINFORMATION);
    --busy_;
    return Handle() != nullptr;
}
