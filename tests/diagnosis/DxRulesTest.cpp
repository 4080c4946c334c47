// The rule engine: the four effects on Severity and the age groups.

#include <gtest/gtest.h>

#include "diagnosis/DxRules.h"

namespace vt {
namespace {

TEST(DxRules, SeverityEffects) {
    const struct { SeverityEffect effect; std::int16_t before, after; } rows[] = {
        {SeverityEffect::None, 0, 0},     {SeverityEffect::None, 2, 2},     {SeverityEffect::SetTo1, 0, 1},
        {SeverityEffect::SetTo1, 2, 1},   {SeverityEffect::SetTo2, 1, 2},   {SeverityEffect::RaiseTo1, 0, 1},
        {SeverityEffect::RaiseTo1, 1, 1}, {SeverityEffect::RaiseTo1, 2, 2},
    };
    for (const auto& row : rows) EXPECT_EQ(Apply(row.effect, row.before), row.after) << row.before;
}

TEST(DxRules, AgeGroupsAtTheirBounds) {
    constexpr AgeGroups groups{11, {14, 13}, {18, 16}};
    const struct { std::int16_t sex; double age; AgeGroup group; } rows[] = {
        {0, 10.99, AgeGroup::Child},  {1, 10.99, AgeGroup::Child},  {0, 11, AgeGroup::Early},
        {0, 13.99, AgeGroup::Early},  {0, 14, AgeGroup::Growing},   {1, 12.99, AgeGroup::Early},
        {1, 13, AgeGroup::Growing},   {0, 17.99, AgeGroup::Growing}, {0, 18, AgeGroup::Grown},
        {1, 15.99, AgeGroup::Growing}, {1, 16, AgeGroup::Grown},    {2, 12, AgeGroup::Grown},
    };
    for (const auto& row : rows) EXPECT_EQ(GroupOf(groups, row.sex, row.age), row.group) << row.sex << " " << row.age;
}

TEST(DxRules, ConditionsAnyOfAll) {
    using namespace rules;
    constexpr Condition c = Any(All(Ge(Fact::OB, 4), Ge(Fact::OJ, 3)), Lt(Fact::SOI, -1));
    Facts f{};
    EXPECT_FALSE(Holds(c, f));
    f[static_cast<std::size_t>(Fact::OB)] = 4;
    EXPECT_FALSE(Holds(c, f));
    f[static_cast<std::size_t>(Fact::OJ)] = 3;
    EXPECT_TRUE(Holds(c, f));
    f = {};
    f[static_cast<std::size_t>(Fact::SOI)] = -1.5;
    EXPECT_TRUE(Holds(c, f));
    EXPECT_TRUE(Holds(Always(), f));
    EXPECT_FALSE(Holds(Condition{}, f));
}

}  // namespace
}  // namespace vt
