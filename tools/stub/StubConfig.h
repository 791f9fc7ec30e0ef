#pragma once
// What a copy of the stub program is told to do, and where it is told. See Stub.cpp for the use.
#include <string>
#include <vector>

namespace stub {

const long kForever = -1;

struct StubConfig {
    std::string log;        // log file; empty: log nothing
    std::string className;  // window class; empty with a title: "StubWindow"
    std::string title;      // window title
    long lifetimeMs = -2;   // -2: not given (a window stays 60 s, without one the stub ends at once)
    int exitCode = 0;
    bool show = false;  // hidden by default: a shown window would take the activation from the suite

    bool WantsWindow() const { return !className.empty() || !title.empty(); }
    // The lifetime in force: the given one, or the default for with/without a window.
    long EffectiveLifetimeMs() const;
};

// Applies one "key=value" setting (keys: log, class, title, lifetime, exit, show). Returns false
// for an unknown key or a malformed number, leaving the configuration unchanged.
bool ApplySetting(const std::string& key, const std::string& value, StubConfig* config);

// Splits a command line the way the C runtime does (quotes group, \" is a quote, backslashes
// before a quote pair up), so the logged arguments match what a real program would see.
// The first element is the program.
std::vector<std::string> SplitCommandLine(const char* commandLine);

// Takes "/stub:key=value" arguments out of args (from index 1 on) and applies them.
// Returns the settings that were not understood, for the log.
std::vector<std::string> TakeStubArguments(std::vector<std::string>* args, StubConfig* config);

// "C:\dir\Suspend.exe" -> "C:\dir\Suspend.stub.ini".
std::string IniPathFor(const std::string& modulePath);

// A relative log path in the ini file is taken relative to the ini file's folder.
std::string ResolveBeside(const std::string& iniPath, const std::string& path);

}  // namespace stub
