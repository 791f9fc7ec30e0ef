#pragma once
// A copy of a registry key with everything under it, taken when the object is made and put back
// when it goes: a test that rewrites the suite's store (or the machine defaults, or the firmware
// simulator's state) leaves the prefix as it found it, also when an assertion ends it early.
// Values are copied as raw bytes through the wide functions, so Korean texts survive whatever
// code page the test runs under.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace suite {

// A key with everything under it, one entry for each key ("Sub\Key\" -> "<key>") and each
// value ("Sub\Key\Name" -> type and bytes) under paths relative to it, in UTF-8. Two trees are
// equal byte for byte when their images are; a difference shows as the entries that differ.
using RegistryImage = std::map<std::string, std::string>;

class RegistrySnapshot {
public:
    RegistrySnapshot(HKEY root, const std::string& keyPath);
    ~RegistrySnapshot();
    RegistrySnapshot(const RegistrySnapshot&) = delete;
    RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

    // Whether the key existed when the snapshot was taken.
    bool Existed() const { return existed_; }
    // Removes the key and writes the saved copy back (or leaves it removed if there was none).
    // True when every key and value could be written.
    bool Restore();

    // The saved copy as an image (empty when the key did not exist).
    RegistryImage Image() const;
    // The key as it is now; empty when it does not exist.
    static RegistryImage ImageOf(HKEY root, const std::string& keyPath);
    // How an image shows a value: "dword N" for a 4-byte number, "sz \"text\" <hex>" for a
    // text (the bytes tell a stored terminator), "type T <hex>" for anything else.
    static std::string DescribeValue(DWORD type, const std::vector<BYTE>& data);

private:
    struct Value {
        std::wstring name;
        DWORD type = 0;
        std::vector<BYTE> data;
    };
    struct Node {
        std::wstring name;
        std::vector<Value> values;
        std::vector<std::unique_ptr<Node>> children;
    };
    static void Capture(HKEY key, Node& node, int depth);
    static bool Write(HKEY parent, const Node& node);
    static void AddToImage(const Node& node, const std::string& prefix, RegistryImage* image);

    HKEY root_;
    std::wstring path_;
    bool existed_ = false;
    Node saved_;
};

}  // namespace suite
