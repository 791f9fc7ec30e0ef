#pragma once
// Where Tallyset finds the files it shares with the rest of the suite. The index file's place is
// decided here and nowhere else in the program.
#include <cstddef>
#include <string>

// The index file that the panel and the settings rebuild from the store: the user's own, shared
// with the panel.
bool SettingsIndexFilePath(char* out, std::size_t cap);

// The tray program beside Tallyset, and the folder it starts in; false when the paths do not fit.
bool TrayProgramPath(std::string* program, std::string* folder);
