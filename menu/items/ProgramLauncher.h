#pragma once
// Starts the maker's companion programs and Windows Journal from the panel. Each is found one of
// three ways: beside the panel, through the machine's Run list, or under Program Files; the
// magnifier is reached through its window when it already runs.
#include <windows.h>

#include <cstddef>
#include <string>

#include "ItemTexts.h"
#include "RightsProbe.h"
#include "SuiteContract.h"

// Where the companion programs are looked for.
struct LaunchPlaces {
    std::string programFolder;          // the panel's own folder, without a trailing backslash
    bool programFilesKnown = false;     // false: the fixed paths under C:\Program Files are used
    std::string programFiles;           // the Program Files folder, without a trailing backslash
    HKEY runRoot = HKEY_LOCAL_MACHINE;  // the Run list
    std::string runKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

    // The places of this machine and of the running program.
    static LaunchPlaces OfSystem();
};

// The program path in a Run value of the kind "\"C:\\Path\\Program.exe\" /switches": the text
// between the first pair of double quotes. A value without a leading quote is taken whole.
std::string PathFromQuotedRunValue(const char* value);
// "C:\\Dir\\Prog.exe" -> "C:\\Dir\\": the folder a program is started in.
std::string FolderWithBackslash(const std::string& path);
// "<folder>\<fileName>": a program installed beside the panel. Empty when it does not fit.
std::string SiblingPath(const std::string& folder, const char* fileName);
// Starts that program with `parameters` (may be null), in `folder`, as the suite starts its
// siblings. False when there is no such path to start; a start the shell refuses is traced.
bool StartSibling(const std::string& folder, const char* fileName, const char* parameters);

class CProgramLauncher {
public:
    // `texts` and `rights` must outlive the launcher.
    CProgramLauncher(const ItemTexts& texts, const IRightsProbe& rights, LaunchPlaces places);

    // Window the message boxes are modal to.
    void SetOwner(HWND owner) { owner_ = owner; }
    const LaunchPlaces& Places() const { return places_; }

    // The panel ignores these results: 1 only from a started Oxtane, 0 everywhere else.
    int LaunchTunecast();
    int LaunchJournal();
    int LaunchCeldrift();
    int LaunchLoupette();
    int LaunchNetquill();
    int LaunchAmbrosel();
    int LaunchOxtane();

private:
    int LaunchFromProgramFiles(const char* tail);
    int LaunchFromRunList(const char* valueName, bool quoted);
    void StartInItsFolder(const char* path);
    void Tell(const std::string& text);

    const ItemTexts& texts_;
    const IRightsProbe& rights_;
    LaunchPlaces places_;
    HWND owner_ = nullptr;
};
