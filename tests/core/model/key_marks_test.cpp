// SPDX-License-Identifier: MIT
#include "core/model/configurator_model.h"
#include "core/model/key_positions.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

// A model whose image holds the factory key table and every key enabled.
ConfiguratorModel factoryModel() {
    ConfiguratorModel m;
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        const auto c = KeyPositionMatrixCode(i);
        std::copy_n(DefaultKeyTable().begin() + c, 4, m.image().keyTableEntry(c).begin());
    }
    m.image().enableAllKeys();
    m.assignments().writeOwnKeys();
    return m;
}

TEST(KeyMarks, FactoryStateMarksNothing) {
    auto m = factoryModel();
    m.recomputeMarks();
    for (std::size_t i = 0; i < KeyMarks::kCount; ++i) {
        EXPECT_FALSE(m.marks().marked(i)) << i;
    }
}

TEST(KeyMarks, EachRuleMarksAKey) {
    auto m = factoryModel();
    m.image().keyTableEntry(KeyPositionMatrixCode(1))[2] = 0x04; // usage changed
    m.assignments()[2].setKind(3);                               // assigned
    m.assignments()[3].data()[0] = 'A';                          // retargeted
    m.assignments()[3].setKeyCount(1);
    m.assignments()[4].data()[0] = 'A'; // count not 1
    m.assignments()[4].setKeyCount(2);
    m.image().setKeyEnabled(KeyPositionEnableBit(5), false); // disabled
    m.assignments()[kFnKeyPosition].setKind(1);              // Fn: never
    m.recomputeMarks();
    EXPECT_TRUE(m.marks().marked(1));
    EXPECT_TRUE(m.marks().marked(2));
    EXPECT_TRUE(m.marks().marked(3));
    EXPECT_FALSE(m.marks().marked(4));
    EXPECT_TRUE(m.marks().marked(5));
    EXPECT_FALSE(m.marks().marked(kFnKeyPosition));
}

TEST(Model, RevertRestoresSyncedStateAndMarks) {
    auto m = factoryModel();
    m.syncImage();
    m.syncAssignments();
    m.image().setGameMode(1);
    m.assignments()[9].setKind(2);
    m.marks().set(9, true);
    m.revert();
    EXPECT_EQ(m.image(), m.syncedImage());
    EXPECT_EQ(m.assignments(), m.syncedAssignments());
    EXPECT_FALSE(m.marks().marked(9));
}

} // namespace
} // namespace vantrel
