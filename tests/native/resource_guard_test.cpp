#include "sysres/resource_guard.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace qvn {
namespace {

// Answers fixed percentages and records which kinds were asked for.
class FakeProbe : public ResourceProbe {
 public:
  FakeProbe(std::uint16_t system, std::uint16_t gdi, std::uint16_t user)
      : values{
            {ResourceKind::System, system}, {ResourceKind::Gdi, gdi}, {ResourceKind::User, user}} {}

  std::uint16_t FreePercent(ResourceKind kind) override {
    asked.push_back(kind);
    return values.at(kind);
  }

  std::map<ResourceKind, std::uint16_t> values;
  std::vector<ResourceKind> asked;
};

// What the Windows side answers wherever nothing can be measured.
FakeProbe NothingMeasured() {
  return FakeProbe(kResourcesNotMeasured, kResourcesNotMeasured, kResourcesNotMeasured);
}

TEST(ResourceGuard, KindsCarryTheValuesTheSystemExpects) {
  EXPECT_EQ(static_cast<std::uint16_t>(ResourceKind::System), 0);
  EXPECT_EQ(static_cast<std::uint16_t>(ResourceKind::Gdi), 1);
  EXPECT_EQ(static_cast<std::uint16_t>(ResourceKind::User), 2);
}

TEST(ResourceGuard, WithoutAMeasurementOnlyALimitAbove100Stops) {
  for (std::int32_t limit : {INT32_MIN, -1, 0, 30, 35, 99, 100}) {
    FakeProbe probe = NothingMeasured();
    EXPECT_FALSE(ResourcesBelowLimit(probe, limit)) << "limit " << limit;
  }
  for (std::int32_t limit : {101, 1000, INT32_MAX}) {
    FakeProbe probe = NothingMeasured();
    EXPECT_TRUE(ResourcesBelowLimit(probe, limit)) << "limit " << limit;
  }
}

TEST(ResourceGuard, AValueEqualToTheLimitIsNotBelowIt) {
  FakeProbe probe(40, 35, 60);
  EXPECT_FALSE(ResourcesBelowLimit(probe, 35));
  EXPECT_TRUE(ResourcesBelowLimit(probe, 36));
}

TEST(ResourceGuard, AnyOneKindBelowTheLimitStops) {
  FakeProbe systemLow(20, 90, 90);
  FakeProbe gdiLow(90, 20, 90);
  FakeProbe userLow(90, 90, 20);
  EXPECT_TRUE(ResourcesBelowLimit(systemLow, 35));
  EXPECT_TRUE(ResourcesBelowLimit(gdiLow, 35));
  EXPECT_TRUE(ResourcesBelowLimit(userLow, 35));
}

TEST(ResourceGuard, MeasuresAllThreeKindsInOrderEvenWhenTheFirstIsBelow) {
  FakeProbe probe(0, 100, 100);
  EXPECT_TRUE(ResourcesBelowLimit(probe, 35));
  const std::vector<ResourceKind> expected = {ResourceKind::System, ResourceKind::Gdi,
                                              ResourceKind::User};
  EXPECT_EQ(probe.asked, expected);
}

TEST(ResourceGuard, MeasuresAfreshEachTimeItIsAsked) {
  FakeProbe probe(50, 50, 50);
  EXPECT_FALSE(ResourcesBelowLimit(probe, 35));
  probe.values[ResourceKind::Gdi] = 10;
  EXPECT_TRUE(ResourcesBelowLimit(probe, 35));
  EXPECT_EQ(probe.asked.size(), 6u);
}

TEST(ResourceGuard, PercentagesAreWidenedWithoutSign) {
  // A probe bound to the 0 to 100 range never answers this, but the guard
  // must not read a high 16-bit value as negative.
  FakeProbe probe(0xFFFF, 0x8000, 100);
  EXPECT_FALSE(ResourcesBelowLimit(probe, 100));
  EXPECT_TRUE(ResourcesBelowLimit(probe, 0x8001));
}

TEST(ResourceGuard, RawSystemAnswersAreBroughtIntoRange) {
  EXPECT_EQ(ClampResourcePercent(0), 0);
  EXPECT_EQ(ClampResourcePercent(99), 99);
  EXPECT_EQ(ClampResourcePercent(100), 100);
  EXPECT_EQ(ClampResourcePercent(101), 100);
  EXPECT_EQ(ClampResourcePercent(0xFFFF), 100);
}

TEST(ResourceGuard, PercentagesReadAsPlainDecimalsWithAPercentSign) {
  EXPECT_EQ(ResourcePercentText(0), L"0%");
  EXPECT_EQ(ResourcePercentText(7), L"7%");
  EXPECT_EQ(ResourcePercentText(87), L"87%");
  EXPECT_EQ(ResourcePercentText(100), L"100%");
}

}  // namespace
}  // namespace qvn
