// The host installed for one test, and a leak check: every host object made during the test is
// gone once the test has released its references and the host is uninstalled.
#pragma once
#include <gtest/gtest.h>
#include "MpHost.h"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_liveBefore = MpHostLiveObjects();
    ASSERT_TRUE(MpHostInstall());
  }
  void TearDown() override {
    MpHostUninstall();
    EXPECT_EQ(m_liveBefore, MpHostLiveObjects()) << "host objects left alive";
  }

 private:
  long m_liveBefore = 0;
};
