// The settings dialog: its message map, opening and painting.
#include "TallysetDlg.h"

#include <cstring>

#include "Handles.h"
#include "IndexFile.h"
#include "SettingsFiles.h"
#include "StringTable.h"
#include "TallysetIds.h"
#include "resource.h"

namespace {

StoreSettings SettingsWith(IStoreNotifier* notifier) {
    StoreSettings settings;  // display names under the value the system locale decides
    settings.notifier = notifier;
    return settings;
}

}  // namespace

const fw::MessageMapEntry<CTallysetDlg> CTallysetDlg::kMap[] = {
    fw::OnCommand(IDC_ADD_ITEM, &CTallysetDlg::OnAdd),
    fw::OnCommand(IDC_UPDATE_ITEM, &CTallysetDlg::OnUpdate),
    fw::OnCommand(IDC_DELETE_ITEM, &CTallysetDlg::OnDelete),
    fw::OnCommand(IDC_MOVE_UP, &CTallysetDlg::OnMoveUp),
    fw::OnCommand(IDC_MOVE_DOWN, &CTallysetDlg::OnMoveDown),
    fw::OnCommand(IDC_SETTINGS_OK, &CTallysetDlg::OnOkButton),
    fw::OnCommand(IDC_SETTINGS_CANCEL, &CTallysetDlg::OnCancelButton),
    fw::OnNotify(NM_CLICK, IDC_ITEM_LIST, &CTallysetDlg::OnListClick),
    fw::OnNotify(LVN_KEYDOWN, IDC_ITEM_LIST, &CTallysetDlg::OnListKeyDown),
    fw::OnNotify(LVN_ITEMCHANGED, IDC_ITEM_LIST, &CTallysetDlg::OnListItemChanged),
    fw::OnMessage(UWM_REFRESH_BUTTONS, &CTallysetDlg::OnRefreshButtons),
    fw::OnMessage(UWM_ITEM_ADDED, &CTallysetDlg::OnItemAdded),
    fw::OnMessage(UWM_ITEM_UPDATED, &CTallysetDlg::OnItemUpdated),
    fw::OnMessage(WM_CLOSE, &CTallysetDlg::OnClose),
    fw::OnMessage(WM_PAINT, &CTallysetDlg::OnPaint),
    fw::OnMessage(WM_QUERYDRAGICON, &CTallysetDlg::OnQueryDragIcon),
    fw::EndMessageMap<CTallysetDlg>(),
};

CTallysetDlg::CTallysetDlg(ItemExchange& exchange, HWND parent)
    : Dialog(IDD_TALLYSET, parent), exchange_(exchange), store_(SettingsWith(&notifier_)) {}

// The editors go with the dialog's window, before the members they point at.
CTallysetDlg::~CTallysetDlg() {
    if (Handle()) ::DestroyWindow(Handle());
    editor_.reset();
    retiredEditors_.clear();
}

bool CTallysetDlg::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
}

bool CTallysetDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    notifier_.SetOwner(Handle());
    icon_ = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TALLYSET));
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    list_.Attach(Item(IDC_ITEM_LIST), LoadText(IDS_ITEM_COLUMN).c_str(), LoadText(IDS_PATH_COLUMN).c_str());
    trayBox_ = fw::CheckBox(Handle(), IDC_TRAY_ICON);
    SetCaptions();
    DWORD trayCheck = 0;
    trayBox_.SetChecked(store_.ReadDword(store_.KeyPath(), kTrayCheckValue, &trayCheck) && trayCheck == 1);
    if (!FillList()) {
        // An empty list would look like a store without items, and its OK would remove them all:
        // the user is told instead, and the run ends before it starts.
        ReportIndexNotWritten();
        RemoveIndexFile();
        settled_ = true;
        EndDialog(IDCANCEL);
        return true;
    }
    // No row is selected yet: both buttons start enabled.
    RefreshButtons();
    return true;
}

void CTallysetDlg::SetCaptions() {
    ::SetWindowTextA(Handle(), LoadText(IDS_SETTINGS_TITLE).c_str());
    const struct {
        int control;
        UINT text;
    } captions[] = {
        {IDC_ADD_ITEM, IDS_ADD},       {IDC_UPDATE_ITEM, IDS_UPDATE},      {IDC_DELETE_ITEM, IDS_DELETE},
        {IDC_MOVE_UP, IDS_MOVE_UP},    {IDC_MOVE_DOWN, IDS_MOVE_DOWN},     {IDC_SETTINGS_OK, IDS_OK},
        {IDC_SETTINGS_CANCEL, IDS_CANCEL}, {IDC_TRAY_ICON, IDS_TRAY_ICON},
    };
    for (const auto& c : captions) ::SetDlgItemTextA(Handle(), c.control, LoadText(c.text).c_str());
}

// The rows in the panel's order, from an index file rebuilt now. The rebuild also settles what
// a run that ended without OK or Cancel left in the store, so this run starts from a clean one.
// False when the index file cannot be had or written: then there are no rows to trust.
bool CTallysetDlg::FillList() {
    TextZero(indexFilePath_);
    if (!SettingsIndexFilePath(indexFilePath_, sizeof(indexFilePath_))) return false;
    RemoveIndexFile();
    if (!store_.RebuildOrderIndex(indexFilePath_)) return false;
    std::vector<PendingRow> rows = pending_.ListedRows(indexFilePath_);
    for (PendingRow& row : rows) {
        if (row.name.empty()) row.name = OtherLanguageName(row.keyName);
    }
    list_.Fill(std::move(rows));
    return true;
}

void CTallysetDlg::ReportIndexNotWritten() const {
    std::string text = LoadText(IDS_INDEX_NOT_WRITTEN);
    text += "\n";
    text += indexFilePath_[0] ? indexFilePath_ : kIndexFileName;
    ::MessageBoxA(Handle(), text.c_str(), kMessageBoxCaption, MB_OK | MB_ICONERROR);
}

// An item named only in the other language (the system's language changed since) shows that
// name: OK writes every row's name under this language and empties the other one, and an empty
// row would leave the item without any name.
std::string CTallysetDlg::OtherLanguageName(const std::string& keyName) const {
    const bool korean = std::strcmp(store_.DisplayValueName(), kKoreanNameValue) == 0;
    char name[kTextCap] = {};
    store_.ReadString(store_.ItemPath(keyName.c_str()), korean ? kEnglishNameValue : kKoreanNameValue, name);
    return name;
}

// The icon is drawn in the middle of the window while it is minimised (where the system shows
// the client area of a minimised window at all).
LRESULT CTallysetDlg::OnPaint(const fw::Msg&) {
    if (!::IsIconic(Handle())) return Default();
    fw::PaintDC dc(Handle());
    ::SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT client;
    ::GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc.Get(), x, y, icon_);
    return 0;
}

LRESULT CTallysetDlg::OnQueryDragIcon(const fw::Msg&) { return reinterpret_cast<LRESULT>(icon_); }

void CTallysetDlg::Tell(UINT stringId) const {
    ::MessageBoxA(Handle(), LoadText(stringId).c_str(), kMessageBoxCaption, MB_OK | MB_ICONINFORMATION);
}

void CTallysetDlg::OnOK() {}

void CTallysetDlg::OnCancel() {
    DropEditor();
    CancelRun();
    EndDialog(IDCANCEL);
}
