#pragma once
// How the other programs of the suite know that the settings program (Tallyset) is running: it
// holds a named mutex for the whole of its run. While it runs, its edits are pending in the store
// (flags and backups that only its own OK or Cancel may settle).

// The name (with its trailing blank) by which Tallyset keeps to one instance.
constexpr char kSettingsMutexName[] = "The Program is Setting Dlg of Corvela ";

// Whether a settings program holds the mutex now.
bool IsSettingsProgramRunning();
