#include "SettingsRun.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <utility>

SettingsRun::SettingsRun(const StoreSandbox& box, CMenuItemStore& store)
    : pending(store), box_(box), store_(store) {
    Restart(box, store);
    rows = pending.ListedRows(box.IndexPath().c_str());
}

void SettingsRun::Restart(const StoreSandbox& box, CMenuItemStore& store) {
    ::DeleteFileA(box.IndexPath().c_str());
    store.RebuildOrderIndex(box.IndexPath().c_str());
}

std::size_t SettingsRun::Row(const char* name) const {
    const std::string wanted = Ansi(name);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == wanted) return i;
    }
    ADD_FAILURE() << "no row named " << name;
    return rows.size();
}

void SettingsRun::Add(const char* name, const char* path) {
    PendingRow row;
    row.name = Ansi(name);
    row.path = Ansi(path);
    row.checked = true;
    EXPECT_EQ(pending.AddItem(row.name.c_str(), row.path.c_str(), static_cast<DWORD>(rows.size() + 1),
                              &row.keyName),
              1)
        << name;
    rows.push_back(row);
}

void SettingsRun::Edit(const char* row, const char* name, const char* path) {
    const std::size_t i = Row(row);
    if (i == rows.size()) return;
    rows[i].name = Ansi(name);
    rows[i].path = Ansi(path);
    EXPECT_EQ(pending.UpdateItem(rows[i].keyName.c_str(), rows[i].name.c_str(), rows[i].path.c_str()), 1) << row;
}

void SettingsRun::Rename(const char* row, const char* name) {
    const std::size_t i = Row(row);
    if (i < rows.size()) Edit(row, name, suite::AnsiToUtf8(rows[i].path).c_str());
}

void SettingsRun::Delete(const char* row) {
    const std::size_t i = Row(row);
    if (i == rows.size()) return;
    EXPECT_EQ(pending.MarkItemDeleted(rows[i].keyName.c_str()), 1) << row;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i));
}

void SettingsRun::Up(const char* row) {
    const std::size_t i = Row(row);
    if (i > 0 && i < rows.size()) std::swap(rows[i - 1], rows[i]);
}

void SettingsRun::Down(const char* row) {
    const std::size_t i = Row(row);
    if (i + 1 < rows.size()) std::swap(rows[i], rows[i + 1]);
}

void SettingsRun::Check(const char* row, bool checked) {
    const std::size_t i = Row(row);
    if (i < rows.size()) rows[i].checked = checked;
}

int SettingsRun::Ok() {
    const int result = pending.CommitChanges(&rows);
    Restart(box_, store_);
    store_.RebuildCheckIndex(box_.IndexPath().c_str());
    return result;
}

int SettingsRun::Cancel() {
    const int result = pending.RollbackChanges();
    Restart(box_, store_);
    store_.RebuildCheckIndex(box_.IndexPath().c_str());
    return result;
}

namespace {

// The default set, imported once into a sandbox of its own and copied from there for each run.
const StoreSandbox& DefaultsTemplate() {
    static StoreSandbox box;
    static bool imported = false;
    if (!imported) {
        imported = true;
        const std::string script = box.Folder() + "\\config.bin";
        EXPECT_TRUE(WriteRegistryScript(script, SandboxConfig(box)));
        EXPECT_EQ(CRegeditImporter().Import(script.c_str(), 15000), ImportOutcome::kFinished);
    }
    return box;
}

}  // namespace

const std::vector<std::string>& DefaultKeys() {
    static const std::vector<std::string> keys = {
        "Airvane",   "Bluevane", "Brightness", "Monitor",  "Suspend", "Hibernation", "Ambrosel", "Corvela Setting",
        "Tablet PC", "Loupette", "Netquill",   "Celdrift", "Tunecast", "Journal",    "Oxtane"};
    return keys;
}

void BuildBase(StoreSandbox& box, Base base) {
    switch (base) {
        case Base::kUsers: {
            CMenuItemStore store(box.Settings());
            MenuItemRecord x;
            x.englishName = "X";
            x.path = "C:\\x.exe";
            x.order = 1;
            x.check = 1;
            MenuItemRecord y = x;
            y.englishName = "Y";
            y.path = "C:\\y.exe";
            y.order = 2;
            y.check = 0;
            WriteItem(store, "X", x);
            WriteItem(store, "Y", y);
            break;
        }
        case Base::kFourUsers: {
            const char* names[] = {"A", "B", "C", "D"};
            for (DWORD i = 0; i < 4; ++i) {
                box.PutText(box.User(), names[i], kEnglishNameValue, names[i]);
                box.PutText(box.User(), names[i], kPathValue, std::string("C:\\") + names[i] + ".exe");
                box.PutDword(box.User(), names[i], kOrderValue, i + 1);
                box.PutDword(box.User(), names[i], kCheckValue, i % 2 == 0 ? 1 : 0);
            }
            break;
        }
        case Base::kDefaults: {
            fw::RegKey from = store::OpenKey(DefaultsTemplate().User(), kStoreKeyPath, KEY_READ);
            fw::RegKey to = store::OpenOrCreateKey(box.User(), kStoreKeyPath, KEY_ALL_ACCESS);
            ASSERT_TRUE(from && to);
            ASSERT_EQ(::SHCopyKeyW(from.Get(), nullptr, to.Get(), 0), static_cast<DWORD>(ERROR_SUCCESS));
            break;
        }
    }
    box.PutDword(box.User(), nullptr, kTrayCheckValue, 1);
}

suite::RegistryImage StoreImage(const StoreSandbox& box) {
    return suite::RegistrySnapshot::ImageOf(box.User(), kStoreKeyPath);
}

std::string Sz(const std::string& ansi) {
    std::wstring wide = suite::FromCodePage(ansi, CP_ACP);
    // The registry adds the terminator that a count without it left out, when the byte after the
    // counted ones is a zero, as it always is for the store's texts; an empty text stays empty.
    if (!wide.empty()) wide += L'\0';
    const BYTE* bytes = reinterpret_cast<const BYTE*>(wide.data());
    return suite::RegistrySnapshot::DescribeValue(REG_SZ,
                                                  std::vector<BYTE>(bytes, bytes + wide.size() * sizeof(wchar_t)));
}

std::string Dw(DWORD value) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
    return suite::RegistrySnapshot::DescribeValue(REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof(value)));
}

std::string ImageDifferences(const suite::RegistryImage& expected, const suite::RegistryImage& found) {
    std::string out;
    for (const auto& e : expected) {
        auto f = found.find(e.first);
        if (f == found.end() || f->second != e.second) out += "- " + e.first + ": " + e.second + "\n";
        if (f != found.end() && f->second != e.second) out += "+ " + f->first + ": " + f->second + "\n";
    }
    for (const auto& f : found) {
        if (!expected.count(f.first)) out += "+ " + f.first + ": " + f.second + "\n";
    }
    return out;
}
