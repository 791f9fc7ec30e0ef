#pragma once
// The index file "Pellary.ini": a profile file derived from the registry store, with the section
// "Order" (key names by position) and the section "Check" (display names of the checked items).
// Each section is written in one piece, so a rebuild costs one file write however many items
// there are, and stale entries of an earlier rebuild never survive into the new one.
#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

constexpr char kIndexFileName[] = "Pellary.ini";
constexpr char kOrderSection[] = "Order";
constexpr char kCheckSection[] = "Check";

class CIndexFile {
public:
    using Entries = std::vector<std::pair<DWORD, std::string>>;

    explicit CIndexFile(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    // "Count" of `section`: 0 when absent or not a number, at most `limit` (a hand-edited count
    // must not send a reader through billions of entries).
    DWORD ReadCount(const char* section, DWORD limit) const;
    // Entry `number` of `section`, zero-filled and cut to `cap`; false and empty when absent.
    bool ReadEntry(const char* section, DWORD number, char* out, std::size_t cap) const;
    // Entries 1..`count` of `section` from one read of the file (element 0 is entry 1), each as
    // written, cut to `cap` - 1 bytes at a character boundary; empty where absent. Reading entry by
    // entry costs a look at the file each (measured under Wine: about half a second for 1000).
    std::vector<std::string> ReadEntries(const char* section, DWORD count, std::size_t cap) const;

    // Replaces `section` with "Count" = `count` followed by the entries in the given order.
    bool WriteSection(const char* section, DWORD count, const Entries& entries) const;

    // A profile value ends at the line's end; a line break inside a name would start a forged
    // entry, so it is written as a blank.
    static std::string FlattenValue(const std::string& value);

private:
    std::string path_;
};
