// Tests of the station count rules and the cosine spacing.
#include <gtest/gtest.h>

#include <cmath>

#include "model/Module_ortak.h"
#include "planform/yDist.h"
#include "support/OutcomeChecks.h"
#include "testkit/FreshRecord.h"

namespace kelvane {
namespace {

using testing::Done;
using testing::Refused;
using testing::testRecord;

class yDistTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartFreshRecord(); }
};

TEST_F(yDistTest, FifteenStationsWithCosineSpacing) {
  EXPECT_TRUE(Done(yDist(testRecord, "15")));
  EXPECT_FALSE(testRecord.InputError);
  EXPECT_EQ(testRecord.N, 15);
  EXPECT_EQ(testRecord.N1, 16);
  EXPECT_EQ(testRecord.SemiSpan, 5);
  for (int i = 0; i <= 15; ++i) EXPECT_DOUBLE_EQ(testRecord.theta[i], i * testRecord.Pi / 30) << i;
  EXPECT_EQ(testRecord.y[0], 5);
  EXPECT_EQ(testRecord.y[15], 0);
  EXPECT_DOUBLE_EQ(testRecord.y[5], 5 * std::cos(testRecord.Pi / 6));
  for (int i = 1; i <= 15; ++i) EXPECT_LT(testRecord.y[i], testRecord.y[i - 1]) << i;
}

TEST_F(yDistTest, AcceptedTexts) {
  const struct {
    const char* text;
    double N;
  } cases[] = {{"99", 99}, {"3", 3}, {"  15", 15}, {"15 istasyon", 15}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_TRUE(Done(yDist(testRecord, c.text)));
    EXPECT_FALSE(testRecord.InputError);
    EXPECT_EQ(testRecord.N, c.N);
    EXPECT_EQ(testRecord.y[static_cast<int>(c.N)], 0);
  }
}

TEST_F(yDistTest, RejectedCountsKeepTheStations) {
  const char* kTooMany = "Yarı-açıklık boyunca istasyon sayısı 99 dan büyük olamaz";
  const char* kTooFew = "Yarı-açıklık boyunca istasyon sayısı 2 den küçük olamaz";
  const char* kEven = " İstasyon sayısı simetrik yük dağılımı için ÇİFT SAYI olamaz";
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"100", kTooMany}, {"101", kTooMany}, {"1e400", kTooMany}, {"2", kEven},
      {"16", kEven},     {"1", kTooFew},    {"0", kTooFew},      {"-5", kTooFew},
      {"", kTooFew},     {"abc", kTooFew},  {"-1e400", kTooFew}, {"15.5", "İstasyon sayısı tam sayı olmalıdır"},
  };
  ASSERT_TRUE(Done(yDist(testRecord, "5")));
  const Module_ortak before = testRecord;
  testRecord.b = 20;  // would move every station if it were used
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    testRecord.InputError = false;
    EXPECT_EQ(yDist(testRecord, c.text).Message(), c.message);
    EXPECT_TRUE(testRecord.InputError);
    EXPECT_EQ(testRecord.SemiSpan, before.SemiSpan);
    EXPECT_EQ(testRecord.theta, before.theta);
    EXPECT_EQ(testRecord.y, before.y);
  }
}

TEST_F(yDistTest, RejectedCountIsStillRecorded) {
  EXPECT_TRUE(Refused(yDist(testRecord, "16")));
  EXPECT_EQ(testRecord.N, 16);
  EXPECT_EQ(testRecord.N1, 17);
}

}  // namespace
}  // namespace kelvane
