#pragma once
// A folder of a test's own under the temporary folder, made empty when the object is made and
// removed with everything in it when it goes. Shared by the unit and the system tests.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace suite {

// Removes a folder with everything in it; true when it is gone.
inline bool RemoveFolderTree(const std::string& path) {
    if (path.empty() || ::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    // SHFileOperation wants a list ending in two zeros.
    std::string list = path;
    list.push_back('\0');
    list.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = list.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&op);
    return ::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

// "<temp>\<tag>-<process id>-<n>", n counting the folders made in this process.
class ScratchFolder {
public:
    explicit ScratchFolder(const char* tag) {
        static int made = 0;
        char temp[MAX_PATH] = {};
        const DWORD n = ::GetTempPathA(sizeof(temp), temp);
        if (n == 0 || n >= sizeof(temp)) return;
        path_ = std::string(temp) + tag + "-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++made);
        RemoveFolderTree(path_);
        ::CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveFolderTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string Join(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

}  // namespace suite
