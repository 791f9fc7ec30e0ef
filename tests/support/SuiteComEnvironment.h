#pragma once
// COM as the suite's programs set it up (apartment, then the process-wide security), once for a
// whole test program. Register it with ::testing::AddGlobalTestEnvironment.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "ComSecurity.h"

class SuiteComEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        InitializeComSecurity();
    }
    void TearDown() override { ::CoUninitialize(); }
};
