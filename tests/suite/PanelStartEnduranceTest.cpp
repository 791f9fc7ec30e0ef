// The panel started again and again on stores made up to hurt it (StartStore.h): from 0 to 12000
// item keys, names with every byte, values of every type and size, leftovers of unfinished
// settings runs, a key nobody may open, damaged index files. Each start must show the panel in
// its place within a bound (or, when a folder stands where its index file belongs, say so and
// end), show only labels that fit their buffers and are the index file's, close on WM_CLOSE and
// end cleanly; and a store of 10 item keys or more must keep every healthy item byte for byte
// (fewer keys make a damaged store, which the panel replaces by the default items).
//
// Rounds: SUITE_ENDURANCE_COUNT (100 unless set); the stores come from seed
// SUITE_ENDURANCE_SEED (0 unless set) plus the round, and a failure names both.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "EnduranceCount.h"
#include "PanelFacts.h"
#include "RegistrySnapshot.h"
#include "StartStore.h"
#include "SuiteHarness.h"

namespace {

using namespace suite::panel;
using suite::endurance::IndexDamage;
using suite::endurance::StartStore;

const DWORD kCloseTimeoutMs = 15000;
const int kLabelCap = 259;  // the panel's 260-byte buffers
const char kIndexNotWritten[] = "The menu list cannot be written:";

// A start may import the default items (the registry editor) or walk 10000 keys.
DWORD ShowTimeoutMs(int keys) { return 30000 + static_cast<DWORD>(keys) * 3; }

unsigned BaseSeed() {
    char text[32] = {};
    const DWORD n = ::GetEnvironmentVariableA("SUITE_ENDURANCE_SEED", text, sizeof(text));
    return n > 0 && n < sizeof(text) ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : 0;
}

// The entries of the healthy items' keys in an image of the whole store.
suite::RegistryImage HealthyPart(const suite::RegistryImage& store, const StartStore& s) {
    suite::RegistryImage part;
    for (const std::string& key : s.healthy) {
        const std::string prefix = "\\" + suite::AnsiToUtf8(key) + "\\";
        for (auto e = store.lower_bound(prefix); e != store.end() && e->first.compare(0, prefix.size(), prefix) == 0;
             ++e)
            part.insert(*e);
    }
    return part;
}

std::string Differences(const suite::RegistryImage& before, const suite::RegistryImage& after) {
    std::string out;
    for (const auto& e : before) {
        auto f = after.find(e.first);
        if (f == after.end()) out += "lost " + e.first + "\n";
        else if (f->second != e.second) out += "changed " + e.first + ": " + e.second.substr(0, 80) + " -> " + f->second.substr(0, 80) + "\n";
        if (out.size() > 2000) break;
    }
    for (const auto& f : after)
        if (!before.count(f.first) && out.size() < 2000) out += "added " + f.first + "\n";
    return out;
}

std::string IndexEntry(const std::string& index, const char* section, const char* key) {
    char text[kLabelCap + 3] = {};
    ::GetPrivateProfileStringA(section, key, "", text, sizeof(text), index.c_str());
    return std::string(text).substr(0, kLabelCap);
}

// A visible message box of process `pid` (the suite titles them "Cor Vela"), or null.
HWND BoxOf(DWORD pid) {
    for (HWND w = ::FindWindowA("#32770", kMessageBoxCaption); w;
         w = ::FindWindowExA(nullptr, w, "#32770", kMessageBoxCaption))
        if (suite::WindowProcess(w) == pid && ::IsWindowVisible(w)) return w;
    return nullptr;
}

std::string BoxText(HWND box) {
    char text[1024] = {};
    ::GetWindowTextA(::GetDlgItem(box, 0xFFFF), text, sizeof(text));
    return text;
}

struct Tally {
    std::map<std::string, std::vector<double>> shownMs;  // by size class
    std::map<std::string, int> damages;
    int resets = 0;
    int refusedIndexFiles = 0;  // a folder in the index file's place
    int deniedKeys = 0;
    long healthyKept = 0;
};

std::string SizeClass(int keys) {
    return keys < 10 ? "0-9" : keys < 100 ? "10-99" : keys < 1000 ? "100-999" : keys < 10000 ? "1000-9999" : "10000+";
}

class PanelStartEnduranceTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAnyPanel(kCloseTimeoutMs);
        suite::EndProgramsWithWindow(kTrayWindowTitle, kCloseTimeoutMs);
        // Machine defaults would refill a short store before the panel checks it.
        suite::DeleteTree(kStoreKey, HKEY_LOCAL_MACHINE);
        SimSet("FailConnect", 0);
        SimSet("FailGet", 0);
        index_ = UserIndexFile();
        ASSERT_FALSE(index_.empty());
        suite::MovePointer(100, 100);
    }
    void TearDown() override {
        CloseAnyPanel(kCloseTimeoutMs);
        run_.Terminate();
        suite::endurance::RemoveStartStore(store_, index_);
    }

    // One start on the store just written; every check of the round.
    void StartAndCheck(Tally* tally) {
        const StartStore& s = store_;
        const bool healthyStore = s.keys >= 10;
        const suite::RegistryImage before =
            healthyStore ? HealthyPart(suite::RegistrySnapshot::ImageOf(HKEY_CURRENT_USER, kStoreKey), s)
                         : suite::RegistryImage();
        const DWORD started = ::GetTickCount();
        run_ = suite::ProgramRun::Start("Corvela.exe");
        ASSERT_TRUE(run_.Started());
        HWND panel = nullptr;
        HWND box = nullptr;
        bool shown = false;
        suite::WaitUntil(
            [&] {
                panel = ::FindWindowA(nullptr, kPanelTitle);
                const RECT r = panel ? suite::WindowRect(panel) : RECT{};
                shown = panel && ::IsWindowVisible(panel) && ::EqualRect(&r, &kPlaced);
                box = BoxOf(run_.Pid());
                return shown || box || !run_.Running();
            },
            ShowTimeoutMs(s.keys), 10);

        if (s.damage == IndexDamage::Folder) {
            // A folder where the index file belongs: the panel says so and ends without showing.
            ASSERT_NE(nullptr, box) << "no message about the index file (panel shown: " << shown << ")";
            EXPECT_FALSE(shown);
            EXPECT_EQ(0u, BoxText(box).find(kIndexNotWritten)) << BoxText(box);
            ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            ASSERT_TRUE(run_.WaitForExit(kCloseTimeoutMs)) << "Corvela.exe hangs after the message";
            EXPECT_EQ(0u, run_.ExitCode());
            ++tally->refusedIndexFiles;
            return;
        }
        ASSERT_TRUE(run_.Running()) << "Corvela.exe ended without a panel, status 0x" << std::hex << run_.ExitCode();
        ASSERT_EQ(nullptr, box) << "unexpected message: " << BoxText(box);
        ASSERT_TRUE(shown) << "no panel in its place within " << ShowTimeoutMs(s.keys) << " ms";
        tally->shownMs[SizeClass(s.keys)].push_back(static_cast<double>(::GetTickCount() - started));

        // Every label fits the panel's buffers and is what the index file lists, in its order.
        const int checked = std::atoi(IndexEntry(index_, "Check", "Count").c_str());
        int visible = 0;
        for (int id = 2001; id <= 2008; ++id) {
            HWND button = ::GetDlgItem(panel, id);
            if (!::IsWindowVisible(button)) continue;
            ++visible;
            char label[1024] = {};
            const int length = ::GetWindowTextA(button, label, sizeof(label));
            EXPECT_LE(length, kLabelCap) << "button " << id;
            EXPECT_EQ(IndexEntry(index_, "Check", std::to_string(id - 2000).c_str()), std::string(label))
                << "button " << id;
        }
        EXPECT_EQ(std::min(checked, 8), visible) << "checked items listed: " << checked;

        ::PostMessageA(panel, WM_CLOSE, 0, 0);
        ASSERT_TRUE(run_.WaitForExit(kCloseTimeoutMs)) << "Corvela.exe hangs after WM_CLOSE";
        EXPECT_EQ(0u, run_.ExitCode());
        EXPECT_FALSE(suite::FileExists(index_)) << "the index file outlived the panel";

        if (healthyStore) {
            const suite::RegistryImage after =
                HealthyPart(suite::RegistrySnapshot::ImageOf(HKEY_CURRENT_USER, kStoreKey), s);
            EXPECT_EQ("", Differences(before, after)) << "healthy items were not kept";
            tally->healthyKept += static_cast<long>(s.healthy.size());
        } else {
            // Too few keys: the default items replace them.
            EXPECT_GE(suite::CountSubkeys(kStoreKey), 10);
            EXPECT_TRUE(suite::KeyExists((std::string(kStoreKey) + "\\Suspend").c_str()));
            ++tally->resets;
        }
    }

    std::string index_;
    StartStore store_;
    suite::ProgramRun run_;
};

void Print(const Tally& t, int count, double seconds) {
    std::printf("\n%d panel starts in %.0f s: %d resets of a store under 10 keys, %d refused index files, "
                "%d stores with a key nobody may open, %ld healthy items kept\n",
                count, seconds, t.resets, t.refusedIndexFiles, t.deniedKeys, t.healthyKept);
    std::printf("index files found damaged:");
    for (const auto& d : t.damages) std::printf(" %s %d,", d.first.c_str(), d.second);
    std::printf("\n%12s %7s %12s %12s\n", "item keys", "starts", "median ms", "slowest ms");
    for (auto [size, times] : t.shownMs) {
        std::sort(times.begin(), times.end());
        std::printf("%12s %7u %12.0f %12.0f\n", size.c_str(), static_cast<unsigned>(times.size()),
                    times[times.size() / 2], times.back());
    }
}

TEST_F(PanelStartEnduranceTest, DamagedStoresNeverCrashHangOrLoseAHealthyItem) {
    const int count = suite::EnduranceCount();
    const unsigned base = BaseSeed();
    std::printf("%d starts, seeds %u + round\n", count, base);
    Tally tally;
    const DWORD began = ::GetTickCount();
    for (int round = 1; round <= count; ++round) {
        const unsigned seed = base + static_cast<unsigned>(round);
        const int keys = suite::endurance::KeyCountForRound(round, seed);
        store_ = suite::endurance::WriteStartStore(seed, keys, index_);
        ++tally.damages[suite::endurance::DamageName(store_.damage)];
        tally.deniedKeys += store_.denied.empty() ? 0 : 1;
        {
            SCOPED_TRACE("round " + std::to_string(round) + ": " + store_.Describe());
            ASSERT_NO_FATAL_FAILURE(StartAndCheck(&tally));
            ASSERT_FALSE(HasFailure());
        }
        suite::endurance::RemoveStartStore(store_, index_);
        store_ = StartStore();
    }
    Print(tally, count, (::GetTickCount() - began) / 1000.0);
}

}  // namespace
