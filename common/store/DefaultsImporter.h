#pragma once
// Imports the default item set (a registry script) into the registry. The programs use the
// registry editor; the seam lets tests stand in a slow or absent importer.
#include <windows.h>

#include <string>

enum class ImportOutcome {
    kFinished,    // the importer ran to its end (whether the script was good is for the caller to check)
    kTimedOut,    // still running when the time limit passed; left to finish on its own
    kNotStarted,  // the importer could not be started
};

class IDefaultsImporter {
public:
    virtual ~IDefaultsImporter() = default;
    virtual ImportOutcome Import(const char* scriptPath, DWORD timeoutMs) = 0;
};

// "<Windows folder>\regedit.exe": the registry editor of this system. Started by its name alone,
// a "Regedit.exe" in the program's or the current folder would run in its place.
// Empty when that folder cannot be had.
std::string RegistryEditorPath();

// Runs `commandFormat` with the script path in place of its one "%s", by default
// "<Windows folder>\regedit.exe" /s "<path>", and waits for it to end. The registry editor exits
// with 0 also for a missing or bad script, so its exit code tells nothing; the caller counts the
// keys afterwards.
class CRegeditImporter : public IDefaultsImporter {
public:
    CRegeditImporter();
    explicit CRegeditImporter(std::string commandFormat) : commandFormat_(std::move(commandFormat)) {}
    ImportOutcome Import(const char* scriptPath, DWORD timeoutMs) override;

    // The command line for `scriptPath`; empty when the format does not hold exactly one "%s".
    std::string CommandLine(const char* scriptPath) const;

private:
    std::string commandFormat_;
};
