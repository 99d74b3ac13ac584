#include "project/projectid.h"
#include "project/random32.h"

#include <gtest/gtest.h>

using namespace tz;

TEST(Random32, FollowsTheLinearCongruentialSequenceFromSeedZero) {
    Random32 random(0);
    EXPECT_EQ(random.below(899999), 0u);
    EXPECT_EQ(random.below(899999), 28241u);
    EXPECT_EQ(random.below(899999), 774942u);
    Random32 uids(0);
    EXPECT_EQ(10000000 + uids.below(9999999), 10000000u);
    EXPECT_EQ(10000000 + uids.below(9999999), 10313799u);
    EXPECT_EQ(10000000 + uids.below(9999999), 18610483u);
}

TEST(ProjectId, DateThenTwoSixDigitNumbers) {
    Random32 random(0);
    EXPECT_EQ(makeProjectId(QDate(2006, 3, 7), random), QStringLiteral("20060307100000128241"));
    EXPECT_EQ(makeProjectId(QDate(2026, 12, 8), random).size(), 20);
}

TEST(ProjectId, AYearWithoutFourDigitsIsReplacedByARandomNumber) {
    Random32 random(0);
    const QString id = makeProjectId(QDate(12345, 1, 2), random);
    EXPECT_EQ(id, QStringLiteral("10000000128241874942"));
    Random32 again(0);
    EXPECT_EQ(makeProjectId(QDate(999, 1, 2), again).left(8), QStringLiteral("10000000"));
}

TEST(ProjectId, TheProcessGeneratorIsSeededPerRun) {
    // Seed 0 would give every run the same identifiers; a system seed is 0 once in 2^32.
    EXPECT_NE(processRandom().seed(), 0u);
    EXPECT_EQ(&processRandom(), &processRandom());
}
