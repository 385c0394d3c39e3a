// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test that runs with the headless window system started.

#include <gtest/gtest.h>

#include "platform/Platform.h"

namespace UiTest {

class PlatformTest : public ::testing::Test {
protected:
    PlatformSession session{"UiTest"};
};

}   // namespace UiTest
