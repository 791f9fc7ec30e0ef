// The system tests rewrite the store, the machine defaults and the simulated firmware of the
// prefix they run in. That prefix is also the one people run the suite in (scripts/run), so the
// whole test program puts all three back as it found them when it ends.
#include <gtest/gtest.h>

#include <memory>

#include "RegistrySnapshot.h"
#include "SimState.h"

namespace {

class PrefixStateGuard : public ::testing::Environment {
public:
    void SetUp() override {
        store_ = std::make_unique<suite::RegistrySnapshot>(HKEY_CURRENT_USER, "Software\\Brevant\\Corvela");
        machine_ = std::make_unique<suite::RegistrySnapshot>(HKEY_LOCAL_MACHINE, "Software\\Brevant\\Corvela");
        firmware_ = std::make_unique<suite::RegistrySnapshot>(HKEY_LOCAL_MACHINE, kSimKey, kSimView);
    }
    void TearDown() override {
        for (auto* snapshot : {store_.get(), machine_.get(), firmware_.get()})
            EXPECT_TRUE(snapshot->Restore()) << "the prefix's registry could not be put back";
    }

private:
    std::unique_ptr<suite::RegistrySnapshot> store_;
    std::unique_ptr<suite::RegistrySnapshot> machine_;
    std::unique_ptr<suite::RegistrySnapshot> firmware_;
};

::testing::Environment* const kGuard = ::testing::AddGlobalTestEnvironment(new PrefixStateGuard);

}  // namespace
