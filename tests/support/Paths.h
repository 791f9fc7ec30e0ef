#pragma once
// Where things are, as the Windows programs under test see them: the build's folders beside the
// tests folder this program runs from (or the product's i686 build that the product's test build
// drives), and the host's files under drive Z:.
#include <string>

namespace suite {

// The folder of the running test program (<build>\tests), without a trailing backslash.
std::string ModuleFolder();
// The test program's own build folder (the parent of its tests folder).
std::string TestBuildDir();
// The build folder whose programs are under test: the test program's own, or the product's i686
// build that the product's test build names (SUITE_PRODUCT_DIR, from the environment or compiled in).
std::string ProductDir();
// "<product>\dist" (the programs and config.bin), and a file in it.
std::string DistDir();
std::string DistFile(const char* name);
// "<product>\tools\<name>": the test tools of the same build (Stub.exe, FirmwareCtl.exe, ...).
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
