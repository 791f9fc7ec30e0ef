#pragma once
// How the other programs of the suite know that the settings program (Tallyset) is running: it
// holds kSettingsMutexName (SuiteContract.h) for the whole of its run. While it runs, its edits
// are pending in the store (flags and backups that only its own OK or Cancel may settle).

// Whether a settings program holds the mutex now.
bool IsSettingsProgramRunning();
