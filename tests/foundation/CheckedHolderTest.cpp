// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "foundation/CPtr.h"
#include "foundation/Nullable.h"

class Cut {
public:
    explicit Cut(int* deletions) : deletions(deletions) {}
    ~Cut() { ++*deletions; }
    int* deletions;
};

namespace {
std::string LocationOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ApplicationException& e) {
        return e.LocationText();
    }
    return "(nothing raised)";
}
}   // namespace

TEST(CheckedHolders, EmptyHoldersRaiseWithTheirInstantiationInTheText) {
    CPtr<Cut> cut;
    Nullable<int> setting;
    EXPECT_EQ(LocationOf([&] { *cut; }), "CPtr<class Cut>::operator * (108)");
    EXPECT_EQ(LocationOf([&] { (void)cut->deletions; }), "CPtr<class Cut>::operator -> (114)");
    EXPECT_EQ(LocationOf([&] { (void)setting.Value(); }), "Nullable<int>::Value (20)");
    setting = 5;
    EXPECT_TRUE(setting.HasValue);
    EXPECT_EQ(setting.Value(), 5);
}

TEST(CheckedHolders, ResetDeletesOnlyWhatItReplaces) {
    int deletions = 0;
    {
        CPtr<Cut> cut;
        cut.Reset(std::make_unique<Cut>(&deletions));
        Cut* same = cut.Get();
        cut.Reset(same);
        EXPECT_EQ(deletions, 0);
        cut.Reset(std::make_unique<Cut>(&deletions));
        EXPECT_EQ(deletions, 1);
        cut.Reset();
        EXPECT_EQ(deletions, 2);
        EXPECT_EQ(cut.Get(), nullptr);
        cut.Reset(std::make_unique<Cut>(&deletions));
    }
    EXPECT_EQ(deletions, 3);
}

TEST(ExceptionFamily, NullArgumentIsNotAnArgumentException) {
    bool caughtAsArgument = false, caughtAsApplication = false;
    try {
        try {
            throw ArgumentNullException("Util::ParseInt (155)");
        } catch (const ArgumentException&) {
            caughtAsArgument = true;
        }
    } catch (const ApplicationException& e) {
        caughtAsApplication = true;
        EXPECT_EQ(e.LocationText(), "Util::ParseInt (155)");
    }
    EXPECT_FALSE(caughtAsArgument);
    EXPECT_TRUE(caughtAsApplication);
}
