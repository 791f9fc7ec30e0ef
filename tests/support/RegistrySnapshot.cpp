#include "RegistrySnapshot.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "Encoding.h"
#include "Handles.h"

namespace suite {
namespace {

// Deep enough for any store; a cycle cannot happen in the registry, but a bound costs nothing.
const int kMaxDepth = 16;
// Registry limits: key names 255 characters, value names 16383.
const DWORD kKeyNameCap = 256;
const DWORD kValueNameCap = 16384;

}  // namespace

RegistrySnapshot::RegistrySnapshot(HKEY root, const std::string& keyPath, REGSAM view)
    : root_(root), path_(FromCodePage(keyPath, CP_ACP)), view_(view) {
    fw::RegKey key;
    if (::RegOpenKeyExW(root_, path_.c_str(), 0, KEY_READ | view_, key.Put()) != ERROR_SUCCESS) return;
    existed_ = true;
    Capture(key.Get(), saved_, 0, view_);
}

RegistrySnapshot::~RegistrySnapshot() { Restore(); }

void RegistrySnapshot::Capture(HKEY key, Node& node, int depth, REGSAM view) {
    std::vector<wchar_t> name(kValueNameCap);
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = kValueNameCap;
        DWORD type = 0;
        DWORD size = 0;
        if (::RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        Value value;
        value.name.assign(name.data(), nameLength);
        value.type = type;
        value.data.resize(size);
        DWORD got = size;
        if (size > 0 && ::RegQueryValueExW(key, value.name.c_str(), nullptr, &type, value.data.data(),
                                           &got) == ERROR_SUCCESS)
            value.data.resize(got);
        node.values.push_back(std::move(value));
    }
    if (depth >= kMaxDepth) return;
    for (DWORD i = 0;; ++i) {
        wchar_t childName[kKeyNameCap] = {};
        DWORD length = kKeyNameCap;
        if (::RegEnumKeyExW(key, i, childName, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        auto child = std::make_unique<Node>();
        child->name.assign(childName, length);
        fw::RegKey sub;
        if (::RegOpenKeyExW(key, child->name.c_str(), 0, KEY_READ | view, sub.Put()) == ERROR_SUCCESS)
            Capture(sub.Get(), *child, depth + 1, view);
        node.children.push_back(std::move(child));
    }
}

bool RegistrySnapshot::Write(HKEY key, const Node& node, REGSAM view) {
    bool ok = true;
    for (const Value& v : node.values) {
        ok = ::RegSetValueExW(key, v.name.c_str(), 0, v.type, v.data.empty() ? nullptr : v.data.data(),
                              static_cast<DWORD>(v.data.size())) == ERROR_SUCCESS &&
             ok;
    }
    for (const auto& child : node.children) {
        fw::RegKey sub;
        if (::RegCreateKeyExW(key, child->name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                              sub.Put(), nullptr) != ERROR_SUCCESS) {
            ok = false;
            continue;
        }
        ok = Write(sub.Get(), *child, view) && ok;
    }
    return ok;
}

void RegistrySnapshot::DeleteTree(HKEY parent, const std::wstring& name, REGSAM view) {
    {
        fw::RegKey key;
        if (::RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | view, key.Put()) != ERROR_SUCCESS) return;
        wchar_t childName[kKeyNameCap] = {};
        for (;;) {  // always the first: the one before was deleted
            DWORD length = kKeyNameCap;
            if (::RegEnumKeyExW(key.Get(), 0, childName, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            const std::wstring child(childName, length);
            DeleteTree(key.Get(), child, view);
            fw::RegKey still;
            if (::RegOpenKeyExW(key.Get(), child.c_str(), 0, KEY_READ | view, still.Put()) == ERROR_SUCCESS) break;
        }
    }
    ::RegDeleteKeyExW(parent, name.c_str(), view, 0);
}

bool RegistrySnapshot::Restore() {
    DeleteTree(root_, path_, view_);
    if (!existed_) return true;
    fw::RegKey key;
    if (::RegCreateKeyExW(root_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr, key.Put(),
                          nullptr) != ERROR_SUCCESS)
        return false;
    return Write(key.Get(), saved_, view_);
}

std::string RegistrySnapshot::DescribeValue(DWORD type, const std::vector<BYTE>& data) {
    if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
        DWORD value = 0;
        std::memcpy(&value, data.data(), sizeof(value));
        return "dword " + std::to_string(value);
    }
    std::string hex;
    char byte[4];
    for (BYTE b : data) {
        std::snprintf(byte, sizeof(byte), "%02x", b);
        hex += byte;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return "type " + std::to_string(type) + " " + hex;
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(&text[0], data.data(), text.size() * sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));
    return std::string(type == REG_SZ ? "sz" : "expand_sz") + " \"" + ToUtf8(text) + "\" " + hex;
}

void RegistrySnapshot::AddToImage(const Node& node, const std::string& prefix, RegistryImage* image) {
    (*image)[prefix] = "<key>";
    for (const Value& v : node.values) (*image)[prefix + ToUtf8(v.name)] = DescribeValue(v.type, v.data);
    for (const auto& child : node.children) AddToImage(*child, prefix + ToUtf8(child->name) + "\\", image);
}

RegistryImage RegistrySnapshot::Image() const {
    RegistryImage image;
    if (existed_) AddToImage(saved_, "\\", &image);
    return image;
}

RegistryImage RegistrySnapshot::ImageOf(HKEY root, const std::string& keyPath, REGSAM view) {
    RegistryImage image;
    fw::RegKey key;
    if (::RegOpenKeyExW(root, FromCodePage(keyPath, CP_ACP).c_str(), 0, KEY_READ | view, key.Put()) !=
        ERROR_SUCCESS)
        return image;
    Node node;
    Capture(key.Get(), node, 0, view);
    AddToImage(node, "\\", &image);
    return image;
}

}  // namespace suite
