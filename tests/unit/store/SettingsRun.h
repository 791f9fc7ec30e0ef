#pragma once
// One run of the settings dialog as the store sees it: the start (index rebuilt, rows read), the
// list's edits through the pending-change operations, and OK or Cancel with the index rebuilds
// that follow them. Rows are found by their display name; texts are given in UTF-8 (as in the
// test sources) and reach the store in the ANSI code page.
#include <string>
#include <vector>

#include "PendingChanges.h"
#include "RegistrySnapshot.h"
#include "StoreSandbox.h"

// Stores a run starts from, in the sandbox's user root ("TrayChk" 1 in each):
// kUsers: X (C:\x.exe, Order 1, checked) and Y (C:\y.exe, Order 2, unchecked), every value of
//   the record written as the suite writes it;
// kFourUsers: A, B, C, D (Order 1-4, A and C checked, paths C:\A.exe ...) with only the English
//   name, path, "Order" and "Check", as a hand-made or older store may hold them;
// kDefaults: the shipped default item set, imported by the registry editor (texts with their
//   terminators, names in both languages, built-in items).
enum class Base { kUsers, kFourUsers, kDefaults };
void BuildBase(StoreSandbox& box, Base base);
// The key names of the default set in their order.
const std::vector<std::string>& DefaultKeys();

// The whole store key of the sandbox.
suite::RegistryImage StoreImage(const StoreSandbox& box);
// How an image shows a text as the store writes it (given in the ANSI code page), and a number.
std::string Sz(const std::string& ansi);
std::string Dw(DWORD value);
// The entries that differ, one a line ("- expected", "+ found"); empty when the images are equal.
std::string ImageDifferences(const suite::RegistryImage& expected, const suite::RegistryImage& found);

class SettingsRun {
public:
    SettingsRun(const StoreSandbox& box, CMenuItemStore& store);

    void Add(const char* name, const char* path);
    void Edit(const char* row, const char* name, const char* path);
    void Rename(const char* row, const char* name);
    void Delete(const char* row);
    void Up(const char* row);
    void Down(const char* row);
    void Check(const char* row, bool checked);
    int Ok();
    int Cancel();

    // A new start of a program: the order index rebuild that settles what a run left.
    static void Restart(const StoreSandbox& box, CMenuItemStore& store);

    std::vector<PendingRow> rows;
    CPendingChanges pending;

private:
    std::size_t Row(const char* name) const;

    const StoreSandbox& box_;
    CMenuItemStore& store_;
};
