#pragma once
// Where things are, as the Windows programs under test see them: the build's folders beside the
// tests folder this program runs from, and the host's files under drive Z:.
#include <string>

namespace suite {

// The folder of the running test program (<build>\tests), without a trailing backslash.
std::string ModuleFolder();
// The build's dist folder (the programs and config.bin), and a file in it.
std::string DistDir();
std::string DistFile(const char* name);
// "<build>\tools\<name>": the test tools (Stub.exe, FirmwareCtl.exe, ...).
std::string ToolFile(const char* name);
// A host path ("/tmp/x") as Wine's programs see it ("Z:\tmp\x").
std::string HostPath(const std::string& unixPath);

// The whole of a file; empty when it cannot be read (also while another program writes it).
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);
bool DeleteFileIfAny(const std::string& path);
// Makes `folder` with the folders above it that are missing.
void MakeFolders(const std::string& folder);

}  // namespace suite
