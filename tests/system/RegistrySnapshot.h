#pragma once
// A copy of a registry key with everything under it, taken when the object is made and put back
// when it goes: a test that rewrites the suite's store (or the machine defaults, or the firmware
// simulator's state) leaves the prefix as it found it, also when an assertion ends it early.
// Values are copied as raw bytes through the wide functions, so Korean texts survive whatever
// code page the test runs under.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace suite {

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

    HKEY root_;
    std::wstring path_;
    bool existed_ = false;
    Node saved_;
};

}  // namespace suite
