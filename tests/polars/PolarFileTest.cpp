// Section polars: the shipped XFoil files as XFoil wrote them, every refusal of the reader, and the lookup
// between rows.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "PolarFixtures.h"
#include "model/FileErrorText.h"
#include "model/MessageText.h"

namespace kelvane::testing {
namespace {

TEST(PolarFile, ShippedPolarsSortedWithTheirMaxLift) {
  struct Shipped {
    const char* name;
    std::size_t rows;
    double lastAlpha;
    PolarRow maxLift;
  };
  for (const Shipped& shipped : {Shipped{"naca0012-re1e6.txt", 69, 25, {15.5, 1.3900, 0.03572}},
                                 Shipped{"naca2412-re1e6.txt", 66, 23.5, {16, 1.5305, 0.04404}},
                                 Shipped{"naca4412-re1e6.txt", 70, 25, {15, 1.6261, 0.04170}},
                                 Shipped{"naca4412-re3e5.txt", 63, 21, {17, 1.4356, 0.08655}}}) {
    const SectionPolar polar = ShippedPolar(shipped.name);
    EXPECT_EQ(polar.Rows().size(), shipped.rows) << shipped.name;
    EXPECT_EQ(polar.FirstAlpha(), -10) << shipped.name;
    EXPECT_EQ(polar.LastAlpha(), shipped.lastAlpha) << shipped.name;
    EXPECT_EQ(polar.MaxLift(), shipped.maxLift) << shipped.name;
    for (std::size_t k = 1; k < polar.Rows().size(); ++k) EXPECT_LT(polar.Rows()[k - 1].alpha, polar.Rows()[k].alpha);
  }
}

TEST(PolarFile, RefusesWhatIsNoPolarNamingFileAndLine) {
  const std::string name = "/a/folder/with/a/long/name/around/the/polar/naca2412.csv";
  const std::string table = "XFLR5 polar\r\n alpha CL CD\r\n ----- -- --\r\n";
  struct Case {
    std::string content;
    std::string says;
  };
  for (const Case& refused :
       {Case{"alpha,cl,cd\n1,0.1,0.01\n2,0.2,0.01\n1,0.15,0.01\n", "4. satırı okunamadı: alfa = 1 için 2. satırda"},
        Case{"alpha,cl,cd\n1,0.1,0.01\n1,0.1,0.01\n", "en az iki farklı açıda"},
        Case{table + " 1 0.1 0.01\r\n 2 nan 0.01\r\n", "5. satırı okunamadı: \"nan\" sonlu bir sayı değil"},
        Case{"Alpha, CL, CD, CDp\n1,0.1,-inf,0\n", "2. satırı okunamadı: \"-inf\" sonlu"},
        Case{"alpha,cl,cd\n1,1e999,0.01\n", "\"1e999\" sayı aralığının dışında"},
        Case{table + " 1 0.1 0.01\r\n\r\n 2 0.2\r\n", "6. satırı okunamadı: alfa, CL ve CD için üç sütun"},
        Case{"alpha,cl,cd\n1,abc,0.01\n", "\"abc\" bir sayı değil"},
        Case{"alpha,cl,cd\n1,0.1,0.01\n-200,0,0.01\n", "3. satırı okunamadı: alfa = -200° -180° ile 180°"},
        Case{"alpha cl cd\n1 0.1 0.01\n", "kesit poları değil"},
        Case{std::string(kPolarSizeLimit + 1, ' '), "okunamadı: " + FileErrorText(EFBIG)}}) {
    std::optional<SectionPolar> polar;
    const Outcome read = ReadPolarText(refused.content, name, polar);
    ASSERT_TRUE(read.IsRefused()) << refused.says;
    EXPECT_TRUE(read.Message().starts_with(PathForMessage(name) + " dosya")) << read.Message();
    EXPECT_NE(read.Message().find(refused.says), std::string::npos) << read.Message();
    EXPECT_FALSE(polar);
  }
  std::optional<SectionPolar> polar;
  EXPECT_TRUE(ReadPolarFile(ShippedPolarPath("missing.txt"), polar).IsRefused());
}

TEST(PolarFile, SortsRowsAndDropsExactRepeats) {
  std::optional<SectionPolar> polar;
  ASSERT_FALSE(ReadPolarText("alpha,cl,cd,cm\n2,0.2,0.02,0\n+0,0,0.01,0\n2,0.2,0.02,1\n", "p.csv", polar).IsRefused());
  EXPECT_EQ(polar->Rows(), (std::vector<PolarRow>{{0, 0, 0.01}, {2, 0.2, 0.02}}));
}

TEST(SectionPolar, LooksUpOnTheSegmentThatStartsAtARow) {
  const SectionPolar polar({{0, 0, 0.01}, {2, 0.2, 0.012}, {4, 0.3, 0.02}, {6, 0.25, 0.04}});
  struct Case {
    double alpha;
    double cl;
    double cd;
    double slope;
  };
  for (const Case& at : {Case{0, 0, 0.01, 0.1}, Case{2, 0.2, 0.012, 0.05}, Case{3, 0.25, 0.016, 0.05},
                         Case{4, 0.3, 0.02, -0.025}, Case{6, 0.25, 0.04, -0.025}, Case{-1, -0.1, 0.009, 0.1}}) {
    const PolarValues values = polar.At(at.alpha);
    EXPECT_DOUBLE_EQ(values.cl, at.cl) << at.alpha;
    EXPECT_DOUBLE_EQ(values.cd, at.cd) << at.alpha;
    EXPECT_DOUBLE_EQ(values.clSlope, at.slope) << at.alpha;
  }
  EXPECT_TRUE(polar.Covers(6));
  EXPECT_FALSE(polar.Covers(-1e-9));
  EXPECT_EQ(polar.MaxLift(), (PolarRow{4, 0.3, 0.02}));

  // Along the span the tip's polar takes over linearly; only angles both polars hold are covered.
  const WingPolars wing{polar, SectionPolar({{-2, 0, 0.03}, {5, 0.7, 0.01}})};
  EXPECT_DOUBLE_EQ(wing.At(0.25, 3).cl, 0.75 * 0.25 + 0.25 * 0.5);
  EXPECT_DOUBLE_EQ(wing.At(0.25, 3).clSlope, 0.75 * 0.05 + 0.25 * 0.1);
  EXPECT_EQ(wing.FirstAlpha(), 0);
  EXPECT_EQ(wing.LastAlpha(), 5);
}

}  // namespace
}  // namespace kelvane::testing
