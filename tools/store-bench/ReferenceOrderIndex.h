#pragma once
// The order index rebuild as it was first designed, kept only to check and measure the store's
// own rebuild against it: for each number 1..N a walk from the first item key that opens every key
// it passes, clears its "New" and "Delete", and stops at the first key whose "Order" is the number.
// N walks of up to N keys each. Never linked into a program of the suite.
#include <windows.h>

#include <string>

void ReferenceRebuildOrderIndex(HKEY userRoot, const std::string& keyPath, const char* indexFilePath);
