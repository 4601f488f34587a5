#include <gtest/gtest.h>

#include <cmath>

#include "planform/Chords.h"
#include "planform/yDist.h"
#include "testkit/FreshRecord.h"
#include "support/OutcomeChecks.h"

namespace kelvane {
namespace {

using testing::Done;

constexpr double kTight = 1e-15;

class ChordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::StartFreshRecord();
    ASSERT_TRUE(Done(yDist("15")));
  }
  static TrapezInput Panels(const char* count,
                            std::initializer_list<std::pair<const char*, const char*>> ends) {
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
  ortak.yTrap[1] = 3;
  ortak.cTrap[1] = 2;
  Planform_Eliptik(ortak.c);
  EXPECT_EQ(ortak.c[15], 1.2732395447351628);
  EXPECT_EQ(ortak.c[0], 0);
  EXPECT_NEAR(ortak.c[5], ortak.c[15] / 2, kTight);
  EXPECT_EQ(ortak.yTrap[1], 3);
  EXPECT_EQ(ortak.cTrap[1], 2);
}

TEST_F(ChordsTest, OnePanelTapersLinearly) {
  EXPECT_TRUE(Done(Planform_Trapez(Panels("1", {{"1", "0.402"}}))));
  EXPECT_FALSE(ortak.InputError);
  const double rootChord = 1.4265335235378032;
  EXPECT_NEAR(ortak.cTrap[2], rootChord, kTight);
  EXPECT_NEAR(ortak.c[15], rootChord, kTight);
  EXPECT_NEAR(ortak.c[0], 0.573466476462197, kTight);
  for (int i = 0; i <= 15; ++i) {
    EXPECT_NEAR(ortak.c[i], rootChord * (1 - (1 - 0.402) * ortak.y[i] / 5), 1e-14) << i;
  }
}

TEST_F(ChordsTest, TwoPanelsWithRectangularInnerPanel) {
  ortak.ks[3] = 0.7;
  ortak.kc[3] = 0.3;
  EXPECT_TRUE(Done(Planform_Trapez(Panels("2", {{"1", "0.5"}, {"0.5", "1"}, {"0.25", "9"}}))));
  const double rootChord = 2 * 10.0 / (1.75 * 10);
  EXPECT_EQ(ortak.nTrap, 2);
  EXPECT_EQ(ortak.ks[3], 0);  // the root, whatever the third panel's boxes hold
  EXPECT_EQ(ortak.kc[3], 1);
  EXPECT_EQ(ortak.yTrap[2], 2.5);
  EXPECT_NEAR(ortak.c[0], rootChord / 2, kTight);
  for (int i = 0; i <= 15; ++i) {
    if (ortak.y[i] <= 2.5) {
      EXPECT_NEAR(ortak.c[i], rootChord, kTight) << i;
    }
  }
}

TEST_F(ChordsTest, StationOnASharedPanelEndTakesTheInnerPanel) {
  // With these panels the outer panel's formula misses cTrap(2) by one unit in the last place.
  ortak.y[10] = 2.5;
  EXPECT_TRUE(Done(Planform_Trapez(Panels("2", {{"1", "0.2"}, {"0.5", "0.85"}}))));
  EXPECT_EQ(ortak.c[10], ortak.cTrap[2]);
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
  ASSERT_TRUE(Done(Planform_Trapez(Panels("1", {{"1", "0.5"}}))));
  // A refusal raises InputError and changes nothing else in the record.
  Module_ortak refused = ortak;
  refused.InputError = true;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ortak.InputError = false;
    EXPECT_EQ(Planform_Trapez(c.input).Message(), c.message);
    EXPECT_TRUE(ortak == refused);
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
    ortak.S = c.S;
    ortak.b = c.b;
    ortak.SemiSpan = c.SemiSpan;
    ortak.InputError = false;
    EXPECT_EQ(Planform_Trapez(Panels("1", {{"1", "0.5"}})).Message(), kBadSize);
    EXPECT_TRUE(ortak.InputError);
  }
}

}  // namespace
}  // namespace kelvane
