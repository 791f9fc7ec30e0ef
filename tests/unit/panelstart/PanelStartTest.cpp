// The panel's start-up as a user who is not an administrator, which a Wine prefix cannot provide
// (its user is always one): the real CCorvelaDlg is made in this process with a fixed rights
// verdict and runs its whole initialisation against the firmware simulator and the prefix's store
// key, filled with the default item set or (a first start) empty. The administrator's start is the
// reference: the same store, the same firmware, another verdict.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CorvelaDlg.h"
#include "FixedRights.h"
#include "GdiplusSession.h"
#include "Handles.h"
#include "ItemTexts.h"
#include "MenuItemRecord.h"
#include "PanelLabels.h"
#include "Paths.h"
#include "Process.h"
#include "ProgramFolder.h"
#include "Registry.h"
#include "RegistrySnapshot.h"
#include "RightsProbe.h"
#include "SimState.h"
#include "SuiteComEnvironment.h"
#include "Wait.h"

namespace {

const char* const kStoreKey = kStoreKeyPath;

// The items a user who is not an administrator never sees.
const char* const kAdminOnlyKeys[] = {"Suspend", "Hibernation", "Ambrosel", "Corvela Setting"};
// Firmware word 0_49: the wireless LAN on, Bluetooth off.
const DWORD kRadioWord = 0x1;
const DWORD kImportTimeoutMs = 30000;
const DWORD kCloseTimeoutMs = 5000;

std::string ItemPath(const char* key) { return std::string(kStoreKey) + "\\" + key; }

// The default item set, as the registry editor imports it for the panel.
bool ImportDefaults() {
    const std::string file = suite::DistFile("config.bin");
    if (::GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    return suite::RunAndWait("regedit.exe /s \"" + file + "\"", kImportTimeoutMs) != ~0u;
}

// COM as the program sets it up, once for the whole test program.
const auto* const g_comEnvironment = ::testing::AddGlobalTestEnvironment(new SuiteComEnvironment);

// The prefix's store filled with the default item set, the firmware simulator answering.
class PanelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        // Without the simulator, Wine's own WMI would crash this process at the first request.
        if (!SimRegistered()) GTEST_SKIP() << "the firmware simulator is not registered (run under scripts/winenv)";
        // The panel acts on these windows; the test must be alone with it.
        ASSERT_EQ(nullptr, ::FindWindowA(nullptr, kPanelTitle)) << "a panel is open";
        ASSERT_EQ(nullptr, ::FindWindowA(nullptr, kTrayWindowTitle)) << "a tray program runs";

        ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kStoreKey);  // no machine defaults to seed from
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kStoreKey);
        ASSERT_TRUE(ImportDefaults()) << suite::DistFile("config.bin");
        ASSERT_GE(suite::CountSubkeys(kStoreKey), 10);
        // The tray rule would otherwise look for Perchlet.exe beside this program and say so in a
        // message box.
        ASSERT_TRUE(suite::SetDword(kStoreKey, "TrayChk", 0));
        SimSet("FailConnect", 0);
        SimSet("FailGet", 0);
        SimSet("0_49", kRadioWord);
        for (const char* key : kAdminOnlyKeys)
            ASSERT_EQ(1u, suite::ReadDwordOr(ItemPath(key).c_str(), "Check", 0)) << key;
        texts_ = ItemTexts::Load();
        ASSERT_FALSE(texts_.nameValue.empty());
        // A caption an administrator's earlier start left behind.
        ASSERT_TRUE(
            suite::SetString(ItemPath("Airvane").c_str(), texts_.nameValue.c_str(), texts_.wlanOff.c_str()));
    }

    std::string Name(const char* key) const {
        return suite::ReadText(ItemPath(key).c_str(), texts_.nameValue.c_str());
    }

    suite::RegistrySnapshot store_{HKEY_CURRENT_USER, kStoreKey};
    suite::RegistrySnapshot machine_{HKEY_LOCAL_MACHINE, kStoreKey};
    suite::RegistrySnapshot sim_{HKEY_LOCAL_MACHINE, kSimKey, kSimView};
    ItemTexts texts_;
};

struct RightsCase {
    const char* name;
    bool administrator;
    bool emptyStore;  // a first start: the panel brings the default items in itself
};

class PanelStartTest : public PanelFixture, public ::testing::WithParamInterface<RightsCase> {};

TEST_P(PanelStartTest, ShowsOnlyWhatTheUserMayUse) {
    const bool administrator = GetParam().administrator;
    // The panel imports config.bin from its own folder, which is this program's here.
    char defaults[MAX_PATH] = {};
    if (GetParam().emptyStore) {
        ASSERT_TRUE(GetProgramFilePath("config.bin", defaults, sizeof(defaults)));
        ASSERT_TRUE(::CopyFileA(suite::DistFile("config.bin").c_str(), defaults, FALSE));
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kStoreKey);
    }
    const CFixedRightsProbe rights(administrator);
    CGdiplusSession gdiplus;  // outlives the panel
    CCorvelaDlg panel(nullptr, rights);
    ASSERT_TRUE(panel.Create());
    ASSERT_NE(nullptr, panel.Handle());
    ASSERT_TRUE(panel.WmiConnected()) << "the simulator did not connect";

    for (const char* key : kAdminOnlyKeys)
        EXPECT_EQ(administrator ? 1u : 0u, suite::ReadDwordOr(ItemPath(key).c_str(), "Check", 99)) << key;

    // An administrator's captions name the action the firmware state allows; anyone else's name
    // both.
    const std::string wlan = administrator ? texts_.wlanOff : texts_.wlanOnOff;
    const std::string bluetooth = administrator ? texts_.bluetoothOn : texts_.bluetoothOnOff;
    EXPECT_EQ(wlan, Name("Airvane"));
    EXPECT_EQ(bluetooth, Name("Bluevane"));

    std::vector<std::string> expected = {wlan, bluetooth, Name("Brightness"), Name("Monitor")};
    if (administrator) {
        for (const char* key : kAdminOnlyKeys) expected.push_back(Name(key));
    }
    const std::vector<std::string> shown = suite::panel::ShownLabels(panel.Handle());
    EXPECT_EQ(expected, shown) << suite::panel::Show(shown);
    const std::string index = panel.IndexFilePath();
    ASSERT_FALSE(index.empty());
    EXPECT_EQ(static_cast<UINT>(expected.size()),
              ::GetPrivateProfileIntA("Check", "Count", 0, index.c_str()));

    // The panel closes as it does for a user, and takes its index file along.
    ::PostMessageA(panel.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(suite::WaitUntil([&] { return !::IsWindowVisible(panel.Handle()); }, kCloseTimeoutMs));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(index.c_str())) << index;
    EXPECT_FALSE(panel.WmiConnected());
}

INSTANTIATE_TEST_SUITE_P(Rights, PanelStartTest,
                         ::testing::Values(RightsCase{"NotAdministrator", false, false},
                                           RightsCase{"Administrator", true, false},
                                           RightsCase{"NotAdministratorFirstStart", false, true},
                                           RightsCase{"AdministratorFirstStart", true, true}),
                         [](const ::testing::TestParamInfo<RightsCase>& info) { return info.param.name; });

// Every page change puts the ten buttons back in their first state: an arrow just pressed, or an
// item that was hovered or marked, does not carry that look onto the next page.
TEST_F(PanelFixture, PageChangesPutTheButtonsBackInTheirFirstState) {
    // All fifteen default items checked: two pages.
    fw::RegKey store;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, KEY_READ, store.Put()));
    char name[260];
    for (DWORD i = 0; ::RegEnumKeyA(store.Get(), i, name, sizeof(name)) == ERROR_SUCCESS; ++i)
        ASSERT_TRUE(suite::SetDword(ItemPath(name).c_str(), "Check", 1));
    const CFixedRightsProbe rights(true);
    CGdiplusSession gdiplus;
    CCorvelaDlg panel(nullptr, rights);
    ASSERT_TRUE(panel.Create());
    ASSERT_TRUE(::IsWindowVisible(panel.Item(2009)));

    for (int arrow : {2009, 2000, 2009}) {
        SCOPED_TRACE(arrow == 2009 ? "DOWN" : "UP");
        for (int id = 2000; id <= 2009; ++id) {
            panel.Button(id)->SetButtonState(CHotspotBtn::ButtonState::kPressed);
            panel.Button(id)->SetButtonState(CHotspotBtn::ButtonState::kMarked);
        }
        ::SendMessageA(panel.Handle(), WM_COMMAND, MAKEWPARAM(arrow, BN_CLICKED), 0);
        for (int id = 2000; id <= 2009; ++id) EXPECT_EQ(0, panel.Button(id)->stateFlags) << id;
    }
    ::PostMessageA(panel.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(suite::WaitUntil([&] { return !::IsWindowVisible(panel.Handle()); }, kCloseTimeoutMs));
}

}  // namespace
