#include "StoreSandbox.h"

#include <shlwapi.h>

#include <cstdio>
#include <cstring>

#include "RandomStore.h"
#include "StoreRegistry.h"

namespace {
int g_sandboxes = 0;
}

StoreSandbox::StoreSandbox() {
    const std::string id = std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++g_sandboxes);
    base_ = "Software\\CorvelaTest\\" + id;
    user_ = store::OpenOrCreateKey(HKEY_CURRENT_USER, base_ + "\\User", KEY_ALL_ACCESS);
    machine_ = store::OpenOrCreateKey(HKEY_CURRENT_USER, base_ + "\\Machine", KEY_ALL_ACCESS);
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof(temp), temp);
    folder_ = std::string(temp) + "CorvelaTest" + id;
    ::CreateDirectoryA(folder_.c_str(), nullptr);
}

StoreSandbox::~StoreSandbox() {
    user_.Reset();
    machine_.Reset();
    DeleteTree(HKEY_CURRENT_USER, base_ + "\\User\\" + kStoreKeyPath);
    DeleteTree(HKEY_CURRENT_USER, base_);
    WIN32_FIND_DATAA data;
    fw::FindHandle find(::FindFirstFileA((folder_ + "\\*").c_str(), &data));
    if (find) {
        do {
            ::DeleteFileA((folder_ + "\\" + data.cFileName).c_str());
        } while (::FindNextFileA(find.Get(), &data));
    }
    find.Reset();
    ::RemoveDirectoryA(folder_.c_str());
}

StoreSettings StoreSandbox::Settings() {
    StoreSettings s;
    s.userRoot = User();
    s.machineRoot = Machine();
    s.displayValueName = kEnglishNameValue;
    s.defaultsFolder = folder_;
    s.importTimeoutMs = 10000;
    s.notifier = &notifier;
    return s;
}

std::string StoreSandbox::ItemPath(const char* item) const {
    return item ? std::string(kStoreKeyPath) + "\\" + item : std::string(kStoreKeyPath);
}

void StoreSandbox::PutRaw(HKEY root, const char* item, const char* name, DWORD type, const void* data,
                          DWORD size) const {
    fw::RegKey key = store::OpenOrCreateKey(root, ItemPath(item), KEY_SET_VALUE);
    ::RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size);
}

void StoreSandbox::PutDword(HKEY root, const char* item, const char* name, DWORD value) const {
    PutRaw(root, item, name, REG_DWORD, &value, sizeof(value));
}

void StoreSandbox::PutText(HKEY root, const char* item, const char* name, const std::string& text) const {
    PutRaw(root, item, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size()));
}

void StoreSandbox::PutItem(HKEY root, const char* item, DWORD order, DWORD check, const char* english) const {
    PutText(root, item, kEnglishNameValue, english ? english : item);
    PutText(root, item, kKoreanNameValue, "");
    PutDword(root, item, kOrderValue, order);
    PutDword(root, item, kCheckValue, check);
}

void StoreSandbox::PutItems(HKEY root, DWORD count, const char* prefix) const {
    char name[64];
    for (DWORD i = 0; i < count; ++i) {
        std::snprintf(name, sizeof(name), "%s%05lu", prefix, static_cast<unsigned long>(i + 1));
        PutItem(root, name, i + 1);
    }
}

bool StoreSandbox::HasValue(HKEY root, const char* item, const char* name) const {
    fw::RegKey key = store::OpenKey(root, ItemPath(item), KEY_QUERY_VALUE);
    return key && ::RegQueryValueExA(key.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

DWORD StoreSandbox::Dword(HKEY root, const char* item, const char* name) const {
    fw::RegKey key = store::OpenKey(root, ItemPath(item), KEY_QUERY_VALUE);
    DWORD value = 0;
    return key && store::QueryDword(key.Get(), name, &value) ? value : MAXDWORD;
}

std::string StoreSandbox::Ini(const char* section, const char* key) const {
    char text[1024] = {};
    ::GetPrivateProfileStringA(section, key, "<absent>", text, sizeof(text), IndexPath().c_str());
    return text;
}

std::string BesideTestProgram(const char* relative) {
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof(module));
    char* cut = std::strrchr(module, '\\');
    if (cut) *cut = '\0';
    return std::string(module) + "\\" + relative;
}

double NowMs() { return static_cast<double>(::GetTickCount()); }

std::wstring ReadConfigBin() {
    const std::string bytes = ReadFileBytes(BesideTestProgram("..\\dist\\config.bin"));
    if (bytes.size() < 2 || bytes[0] != '\xff' || bytes[1] != '\xfe') return {};
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::memcpy(&text[0], bytes.data() + 2, text.size() * 2);
    return text;
}

bool WriteRegistryScript(const std::string& path, const std::wstring& script) {
    fw::KernelHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file || file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();
        return false;
    }
    DWORD written = 0;
    const WCHAR mark = 0xFEFF;
    bool ok = ::WriteFile(file.Get(), &mark, sizeof(mark), &written, nullptr) &&
              ::WriteFile(file.Get(), script.data(), static_cast<DWORD>(script.size() * sizeof(WCHAR)),
                          &written, nullptr);
    return ok;
}

std::wstring SandboxConfig(const StoreSandbox& box) {
    std::wstring script = ReadConfigBin();
    const std::wstring from = L"HKEY_CURRENT_USER\\Software\\Brevant\\Corvela";
    const std::wstring to = suite::FromUtf8((box.UserScriptPath() + "\\" + kStoreKeyPath).c_str());
    for (std::wstring::size_type at = script.find(from); at != std::wstring::npos;
         at = script.find(from, at + to.size())) {
        script.replace(at, from.size(), to);
    }
    return script;
}
