#pragma once
// Tests that draw pictures: GDI+ is up, as a program starts it, from before the first test of the
// suite until after the last.
#include <gtest/gtest.h>

#include <memory>

#include "GdiplusSession.h"

class GdiplusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = std::make_unique<CGdiplusSession>(); }
    static void TearDownTestSuite() { session_.reset(); }
    void SetUp() override { ASSERT_TRUE(session_->Ok()) << "GdiplusStartup: " << session_->StartStatus(); }

    static inline std::unique_ptr<CGdiplusSession> session_;
};
