// A user's path through the installer's and the uninstaller's pages, in the language of the system:
// welcome, folder (the default one offered), install, finish; then the uninstaller from its
// Add/Remove Programs entry: confirm, the question about the settings (answered Yes), finish.
// The ctest entry installer_tests_korean runs it under the Korean locale, where every window
// carries its Korean title. A screenshot of each page lands in <build>\screenshots.
#include <gtest/gtest.h>

#include <string>

#include "InstallerHarness.h"
#include "ScreenCapture.h"
#include "SuiteHarness.h"

namespace {

using namespace installer;

const DWORD kPageTimeoutMs = 30000;
const DWORD kWorkTimeoutMs = 120000;
// The folder field of the folder page.
const int kFolderField = 1019;

bool KoreanSystem() { return ::GetUserDefaultUILanguage() == 0x412; }

struct PageTexts {
    const char* language;
    const char* setupTitle;
    const char* uninstallTitle;
    const char* finishButton;
};
const PageTexts kEnglish = {"en", "Cor Vela Setup", "Cor Vela Uninstall", "&Finish"};
const PageTexts kKorean = {"ko", "Cor Vela 설치", "Cor Vela 제거", "마침"};

HWND WaitForWizardWindow(const char* utf8Title, bool messageBox = false) {
    return installer::WaitForWizardWindow(utf8Title, kPageTimeoutMs, messageBox);
}

// What an edit field of another program holds (its window name is not its contents).
std::wstring FieldText(HWND field) {
    wchar_t text[1024] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(field, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
    return text;
}

struct DescendantSearch {
    int id;
    HWND found;
};

// A plain function, not a lambda: an enumeration callback is CALLBACK (stdcall) on i686.
BOOL CALLBACK MatchDescendant(HWND child, LPARAM data) {
    auto* s = reinterpret_cast<DescendantSearch*>(data);
    if (::GetDlgCtrlID(child) != s->id || !::IsWindowVisible(child)) return TRUE;
    s->found = child;
    return FALSE;
}

// The child control `id` anywhere below `parent` (the pages are dialogs inside the wizard).
HWND FindDescendant(HWND parent, int id) {
    DescendantSearch search = {id, nullptr};
    ::EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Click(HWND window, int id) { ::PostMessageW(::GetDlgItem(window, id), BM_CLICK, 0, 0); }

bool WaitForFinishPage(HWND wizard, const char* finishText) {
    return installer::WaitForFinishPage(wizard, finishText, kWorkTimeoutMs);
}

void Screenshot(const char* page, const PageTexts& texts) {
    // Let the page finish painting before the picture.
    suite::Settle(300);
    suite::SaveScreenshot(std::string(page) + "-" + texts.language);
}

using InstallerPagesTest = InstallerTest;

TEST_F(InstallerPagesTest, InstallAndUninstallThroughThePagesInTheSystemsLanguage) {
    const PageTexts& texts = KoreanSystem() ? kKorean : kEnglish;
    const PageTexts& other = KoreanSystem() ? kEnglish : kKorean;
    suite::SetDword(kUserKey, "TrayChk", 1);

    suite::ProgramRun setup = suite::ProgramRun::StartFile(SetupExe(), nullptr, suite::DistDir());
    HWND wizard = WaitForWizardWindow(texts.setupTitle);
    ASSERT_TRUE(wizard) << "no window \"" << texts.setupTitle << "\"";
    EXPECT_FALSE(FindWizardWindow(suite::FromUtf8(other.setupTitle), false)) << "the installer speaks " << other.language;
    Screenshot("installer-welcome", texts);

    Click(wizard, kNextButton);
    HWND folderField = nullptr;
    ASSERT_TRUE(suite::WaitUntil(
        [&] {
            folderField = FindDescendant(wizard, kFolderField);
            return folderField && !FieldText(folderField).empty();
        },
        kPageTimeoutMs))
        << "no folder page";
    EXPECT_EQ(suite::FromUtf8(DefaultFolder().c_str()), FieldText(folderField));
    Screenshot("installer-folder", texts);

    Click(wizard, kNextButton);
    ASSERT_TRUE(WaitForFinishPage(wizard, texts.finishButton)) << "the installation did not finish";
    Screenshot("installer-finish", texts);
    Click(wizard, kNextButton);
    ASSERT_TRUE(setup.WaitForExit(kPageTimeoutMs));
    EXPECT_EQ(0u, setup.ExitCode());
    const std::string folder = DefaultFolder();
    for (const char* file : kSuiteFiles) EXPECT_TRUE(suite::FileExists(folder + "\\" + file)) << file;

    const std::string uninstallString = MachineText(kUninstallKey, "UninstallString");
    ASSERT_FALSE(uninstallString.empty());
    UninstallerRun uninstall = UninstallerRun::Start(uninstallString, kPageTimeoutMs);
    ASSERT_TRUE(uninstall.Started()) << uninstallString;
    wizard = WaitForWizardWindow(texts.uninstallTitle);
    ASSERT_TRUE(wizard) << "no window \"" << texts.uninstallTitle << "\"";
    Screenshot("uninstaller-confirm", texts);

    Click(wizard, kNextButton);
    HWND question = WaitForWizardWindow(texts.uninstallTitle, true);
    ASSERT_TRUE(question) << "the uninstaller did not ask about the settings";
    Screenshot("uninstaller-settings-question", texts);
    Click(question, IDYES);
    ASSERT_TRUE(WaitForFinishPage(wizard, texts.finishButton)) << "the uninstallation did not finish";
    Screenshot("uninstaller-finish", texts);
    Click(wizard, kNextButton);
    const RunResult end = uninstall.Wait(kPageTimeoutMs);
    ASSERT_TRUE(end.ended);
    EXPECT_EQ(0u, end.exitCode);

    for (const char* file : kSuiteFiles) EXPECT_FALSE(suite::FileExists(folder + "\\" + file)) << file;
    EXPECT_FALSE(FolderExists(folder));
    EXPECT_FALSE(suite::KeyExists(kMachineKey, HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(MachineValueExists(kRunKey, kRunValue));
    EXPECT_FALSE(suite::KeyExists(kUninstallKey, HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(suite::KeyExists(kUserKey)) << "Yes to the question kept the settings";
    EXPECT_TRUE(RunningSuitePrograms().empty());
}

}  // namespace
