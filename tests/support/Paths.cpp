#include "Paths.h"

#include <windows.h>

#include "Handles.h"

namespace suite {

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof(path));
    if (n == 0 || n >= sizeof(path)) return std::string();
    const std::string module(path, n);
    return module.substr(0, module.find_last_of('\\'));
}

std::string TestBuildDir() {
    const std::string folder = ModuleFolder();  // <build>\tests
    const std::size_t cut = folder.find_last_of('\\');
    return cut == std::string::npos ? std::string(".") : folder.substr(0, cut);
}

std::string ProductDir() {
#ifdef SUITE_PRODUCT_DIR
    const char* compiledIn = SUITE_PRODUCT_DIR;
#else
    const char* compiledIn = "";
#endif
    char named[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableA("SUITE_PRODUCT_DIR", named, sizeof(named));
    if (n > 0 && n < sizeof(named)) return named;
    return *compiledIn ? std::string(compiledIn) : TestBuildDir();
}

std::string DistDir() { return ProductDir() + "\\dist"; }

std::string DistFile(const char* name) { return DistDir() + "\\" + name; }

std::string ToolFile(const char* name) { return ProductDir() + "\\tools\\" + name; }

std::string HostPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string ReadFileText(const std::string& path) {
    fw::KernelHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file || file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();  // INVALID_HANDLE_VALUE is not ours to close
        return std::string();
    }
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool DeleteFileIfAny(const std::string& path) { return ::DeleteFileA(path.c_str()) || !FileExists(path); }

void MakeFolders(const std::string& folder) {
    for (std::size_t i = 3; i <= folder.size(); ++i)
        if (i == folder.size() || folder[i] == '\\') ::CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
}

}  // namespace suite
