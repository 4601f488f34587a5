// Tests of the elliptic and trapezoidal chord distributions.
#include <gtest/gtest.h>

#include <cmath>

#include "planform/Chords.h"
#include "planform/yDist.h"
#include "support/OutcomeChecks.h"
#include "testkit/FreshRecord.h"

namespace kelvane {
namespace {

using testing::Done;
using testing::testRecord;

constexpr double kTight = 1e-15;

class ChordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::StartFreshRecord();
    ASSERT_TRUE(Done(yDist(testRecord, "15")));
  }
  static TrapezInput Panels(const char* count, std::initializer_list<std::pair<const char*, const char*>> ends) {
    TrapezInput input{count, {}, {}};
    int k = 1;
    for (const auto& [ks, kc] : ends) {
      input.ks[k] = ks;
      input.kc[k++] = kc;
    }
    return input;
  }
};

TEST_F(ChordsTest, EllipseOfTheSpanAndAspectRatio) {
  testRecord.yTrap[1] = 3;
  testRecord.cTrap[1] = 2;
  Planform_Eliptik(testRecord, testRecord.c);
  EXPECT_EQ(testRecord.c[15], 1.2732395447351628);
  EXPECT_EQ(testRecord.c[0], 0);
  EXPECT_NEAR(testRecord.c[5], testRecord.c[15] / 2, kTight);
  EXPECT_EQ(testRecord.yTrap[1], 3);
  EXPECT_EQ(testRecord.cTrap[1], 2);
}

TEST_F(ChordsTest, OnePanelTapersLinearly) {
  EXPECT_TRUE(Done(Planform_Trapez(testRecord, Panels("1", {{"1", "0.402"}}))));
  EXPECT_FALSE(testRecord.InputError);
  const double rootChord = 1.4265335235378032;
  EXPECT_NEAR(testRecord.cTrap[2], rootChord, kTight);
  EXPECT_NEAR(testRecord.c[15], rootChord, kTight);
  EXPECT_NEAR(testRecord.c[0], 0.573466476462197, kTight);
  for (int i = 0; i <= 15; ++i) {
    EXPECT_NEAR(testRecord.c[i], rootChord * (1 - (1 - 0.402) * testRecord.y[i] / 5), 1e-14) << i;
  }
}

TEST_F(ChordsTest, TwoPanelsWithRectangularInnerPanel) {
  testRecord.ks[3] = 0.7;
  testRecord.kc[3] = 0.3;
  EXPECT_TRUE(Done(Planform_Trapez(testRecord, Panels("2", {{"1", "0.5"}, {"0.5", "1"}, {"0.25", "9"}}))));
  const double rootChord = 2 * 10.0 / (1.75 * 10);
  EXPECT_EQ(testRecord.nTrap, 2);
  EXPECT_EQ(testRecord.ks[3], 0);  // the root, whatever the third panel's boxes hold
  EXPECT_EQ(testRecord.kc[3], 1);
  EXPECT_EQ(testRecord.yTrap[2], 2.5);
  EXPECT_NEAR(testRecord.c[0], rootChord / 2, kTight);
  for (int i = 0; i <= 15; ++i) {
    if (testRecord.y[i] <= 2.5) {
      EXPECT_NEAR(testRecord.c[i], rootChord, kTight) << i;
    }
  }
}

TEST_F(ChordsTest, StationOnASharedPanelEndTakesTheInnerPanel) {
  // With these panels the outer panel's formula misses cTrap(2) by one unit in the last place.
  testRecord.y[10] = 2.5;
  EXPECT_TRUE(Done(Planform_Trapez(testRecord, Panels("2", {{"1", "0.2"}, {"0.5", "0.85"}}))));
  EXPECT_EQ(testRecord.c[10], testRecord.cTrap[2]);
}

TEST_F(ChordsTest, RejectedPanelsChangeNothing) {
  const char* kBadCount = "Trapez sayısı 1 ile 4 arasında olmalıdır";
  const char* kBadEnds = "Trapez kenarları ky1 = 1 den başlayıp köke doğru küçülmelidir";
  const char* kBadRatios = "Trapez veter oranları sıfırdan büyük olmalıdır";
  const struct {
    const char* name;
    TrapezInput input;
    const char* message;
  } cases[] = {
      {"no panels", Panels("0", {}), kBadCount},
      {"five panels", Panels("5", {}), kBadCount},
      {"fractional count", Panels("1.5", {{"1", "1"}}), kBadCount},
      {"letters", Panels("abc", {}), kBadCount},
      {"tip not at 1", Panels("1", {{"0.9", "1"}}), kBadEnds},
      {"equal ends", Panels("2", {{"1", "1"}, {"1", "1"}}), kBadEnds},
      {"last end at root", Panels("2", {{"1", "1"}, {"0", "1"}}), kBadEnds},
      {"ends out of order", Panels("3", {{"1", "1"}, {"0.3", "1"}, {"0.6", "1"}}), kBadEnds},
      {"zero ratio", Panels("2", {{"1", "0"}, {"0.5", "1"}}), kBadRatios},
      {"negative ratio", Panels("2", {{"1", "1"}, {"0.5", "-1"}}), kBadRatios},
      {"unreadable ratio", Panels("1", {{"1", "1e400"}}), kBadRatios},
  };
  ASSERT_TRUE(Done(Planform_Trapez(testRecord, Panels("1", {{"1", "0.5"}}))));
  // A refusal raises InputError and changes nothing else in the record.
  Module_ortak refused = testRecord;
  refused.InputError = true;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testRecord.InputError = false;
    EXPECT_EQ(Planform_Trapez(testRecord, c.input).Message(), c.message);
    EXPECT_TRUE(testRecord == refused);
  }
}

TEST_F(ChordsTest, RejectsASizeThatGivesNoRootChord) {
  const char* kBadSize = "Trapez kanat bu açıklık ve alan değerleriyle hesaplanamaz";
  const struct {
    const char* name;
    double S, b, SemiSpan;
  } cases[] = {
      {"zero span", 10, 0, 5},
      {"zero semi-span", 10, 10, 0},
      {"root chord overflows", 1e308, 1e-10, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testRecord.S = c.S;
    testRecord.b = c.b;
    testRecord.SemiSpan = c.SemiSpan;
    testRecord.InputError = false;
    EXPECT_EQ(Planform_Trapez(testRecord, Panels("1", {{"1", "0.5"}})).Message(), kBadSize);
    EXPECT_TRUE(testRecord.InputError);
  }
}

}  // namespace
}  // namespace kelvane
