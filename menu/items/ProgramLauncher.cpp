#include "ProgramLauncher.h"

#include <shlobj.h>

#include "Handles.h"
#include "ProgramFolder.h"
#include "ShellStart.h"
#include "StoreRegistry.h"
#include "Text.h"

namespace {

constexpr char kFixedProgramFiles[] = "C:\\Program Files";
constexpr char kTunecastTail[] = "Brevant Software\\Tunecast\\Tunecast.exe";
constexpr char kJournalTail[] = "Windows Journal\\Journal.exe";
constexpr char kCeldriftTail[] = "Brevant Software\\Celdrift\\Celdrift.exe";
constexpr char kLoupetteTail[] = "Brevant Software\\Loupette\\Loupette.exe";
constexpr char kNetquillValue[] = "Netquill";
constexpr char kAmbroselValue[] = "Ambrosel 5";
// Programs started from their fixed paths get the platform's prefetch hint.
constexpr char kPrefetchParameters[] = "/prefetch:1";
constexpr DWORD kLoupetteStartWaitMs = 500;

}  // namespace

LaunchPlaces LaunchPlaces::OfSystem() {
    LaunchPlaces places;
    char folder[MAX_PATH];
    TextZero(folder);
    if (GetProgramFolder(folder, sizeof(folder))) places.programFolder = folder;
    TextZero(folder);
    if (SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder)) &&
        folder[0]) {
        places.programFilesKnown = true;
        places.programFiles = folder;
    }
    return places;
}

std::string PathFromQuotedRunValue(const char* value) {
    if (!value) return std::string();
    std::string text(value);
    if (text.empty() || text[0] != '"') return text;
    std::string::size_type close = text.find('"', 1);
    return text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
}

std::string FolderWithBackslash(const std::string& path) {
    std::string::size_type cut = path.rfind('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string SiblingPath(const std::string& folder, const char* fileName) {
    char path[kTextCap];
    TextZero(path);
    if (folder.empty() || !JoinFolderFile(folder.c_str(), fileName, path, sizeof(path))) return std::string();
    return path;
}

bool StartSibling(const std::string& folder, const char* fileName, const char* parameters) {
    const std::string path = SiblingPath(folder, fileName);
    if (path.empty()) return false;
    ShellStart(nullptr, nullptr, path.c_str(), parameters, folder.c_str(), SW_SHOW);
    return true;
}

CProgramLauncher::CProgramLauncher(const ItemTexts& texts, const IRightsProbe& rights, LaunchPlaces places)
    : texts_(texts), rights_(rights), places_(std::move(places)) {}

void CProgramLauncher::Tell(const std::string& text) {
    ::MessageBoxA(owner_, text.c_str(), kMessageBoxCaption, MB_ICONINFORMATION);
}

void CProgramLauncher::StartInItsFolder(const char* path) {
    const std::string folder = FolderWithBackslash(path);
    ShellStart(nullptr, nullptr, path, nullptr, folder.empty() ? nullptr : folder.c_str(), SW_SHOW);
}

int CProgramLauncher::LaunchFromProgramFiles(const char* tail) {
    char path[MAX_PATH];
    TextZero(path);
    if (!places_.programFilesKnown) {
        // Without the folder, the place the programs are installed on every machine of the maker.
        if (!JoinFolderFile(kFixedProgramFiles, tail, path, sizeof(path))) return 0;
        const std::string folder = FolderWithBackslash(path);
        ShellStart(nullptr, "open", path, kPrefetchParameters, folder.c_str(), SW_SHOW);
        return 0;
    }
    if (JoinFolderFile(places_.programFiles.c_str(), tail, path, sizeof(path)) && FileExists(path))
        StartInItsFolder(path);
    else
        Tell(texts_.missingProgram);
    return 0;
}

int CProgramLauncher::LaunchTunecast() { return LaunchFromProgramFiles(kTunecastTail); }
int CProgramLauncher::LaunchJournal() { return LaunchFromProgramFiles(kJournalTail); }
int CProgramLauncher::LaunchCeldrift() { return LaunchFromProgramFiles(kCeldriftTail); }

int CProgramLauncher::LaunchLoupette() {
    HWND magnifier = ::FindWindowA(kLoupetteWindowClass, nullptr);
    if (!magnifier) {
        char path[MAX_PATH];
        TextZero(path);
        if (places_.programFilesKnown &&
            JoinFolderFile(places_.programFiles.c_str(), kLoupetteTail, path, sizeof(path)) &&
            FileExists(path))
            StartInItsFolder(path);
        else
            Tell(texts_.missingProgram);
        // A magnifier just started needs a moment to make its window.
        ::Sleep(kLoupetteStartWaitMs);
        magnifier = ::FindWindowA(kLoupetteWindowClass, nullptr);
        if (!magnifier) return 0;
    }
    ::PostMessageA(magnifier, kLoupetteWakeMessage, 0, 0);
    return 0;
}

int CProgramLauncher::LaunchFromRunList(const char* valueName, bool quoted) {
    if (!rights_.IsAdministrator()) {
        Tell(texts_.adminOnly);
        return 0;
    }
    char value[kTextCap];
    TextZero(value);
    // Read access is all a read needs; asking for more fails for an administrator whose token
    // the system filtered, and the program would count as missing.
    fw::RegKey run = store::OpenKey(places_.runRoot, places_.runKeyPath, KEY_QUERY_VALUE);
    if (run) store::QueryText(run.Get(), valueName, value, sizeof(value));
    const std::string path = quoted ? PathFromQuotedRunValue(value) : std::string(value);
    if (FileExists(path.c_str()))
        StartInItsFolder(path.c_str());
    else
        Tell(texts_.missingProgram);
    return 0;
}

int CProgramLauncher::LaunchNetquill() { return LaunchFromRunList(kNetquillValue, true); }
int CProgramLauncher::LaunchAmbrosel() { return LaunchFromRunList(kAmbroselValue, false); }

int CProgramLauncher::LaunchOxtane() {
    if (!rights_.IsAdministrator()) {
        Tell(texts_.adminOnly);
        return 0;
    }
    return StartSibling(places_.programFolder, kOxtaneProgramFile, nullptr) ? 1 : 0;
}
