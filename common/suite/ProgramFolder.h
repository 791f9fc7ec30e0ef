#pragma once
// The suite's programs are installed side by side in one folder and find each other there.
#include <cstddef>

// Everything of `path` before its last backslash; a path without a backslash has no folder
// (empty result). Returns false when `out` is too small (the result is then empty, never a cut path).
bool FolderOfPath(const char* path, char* out, std::size_t cap);

// The folder of the running program, from its module file name. Empty and false when the module
// name cannot be read in full (a name that filled the buffer may be cut and is not trusted).
bool GetProgramFolder(char* out, std::size_t cap);

// "<folder>\<fileName>"; empty and false when it does not fit.
bool JoinFolderFile(const char* folder, const char* fileName, char* out, std::size_t cap);

// "<program folder>\<fileName>", e.g. the path of a sibling program or of the index file.
bool GetProgramFilePath(const char* fileName, char* out, std::size_t cap);

// A find-first search finds a file of that name (the suite's test before it starts a sibling).
bool FileExists(const char* path);
