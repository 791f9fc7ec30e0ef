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
    // `view`: 0 for this program's own registry view, or KEY_WOW64_64KEY / KEY_WOW64_32KEY.
    RegistrySnapshot(HKEY root, const std::string& keyPath, REGSAM view = 0);
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
    static RegistryImage ImageOf(HKEY root, const std::string& keyPath, REGSAM view = 0);
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
    // Every open and delete names the view: a key reached through a handle of the other view
    // would be redirected again.
    static void Capture(HKEY key, Node& node, int depth, REGSAM view);
    static bool Write(HKEY parent, const Node& node, REGSAM view);
    static void DeleteTree(HKEY parent, const std::wstring& name, REGSAM view);
    static void AddToImage(const Node& node, const std::string& prefix, RegistryImage* image);

    HKEY root_;
    std::wstring path_;
    REGSAM view_;
    bool existed_ = false;
    Node saved_;
};

}  // namespace suite
