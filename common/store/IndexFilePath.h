#pragma once
// Where the index file "Pellary.ini" lives: per user, at "Brevant\Corvela\Pellary.ini" under the
// user's local application data folder. The program folder is no place for it: a standard user
// cannot write there (with the manifest's asInvoker, Vista does not virtualise the write either),
// and two users signed in at once would share one file. The panel and the settings program both
// take the path from here.
#include <cstddef>

// Fills `out` with the path, making the folders that are missing. False, and `out` empty, when
// the folder cannot be had or made or the path does not fit `cap`.
bool GetUserIndexFilePath(char* out, std::size_t cap);
