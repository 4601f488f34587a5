// Polar requests as typed, the cache names they get, and coordinate files put in the order XFoil reads.
#include "polars/xfoil/PolarRequest.h"

#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "polars/xfoil/CoordinateFile.h"
#include "polars/xfoil/PolarCache.h"
#include "support/ScopedWorkDir.h"

namespace kelvane::xfoil {
namespace {

using testing::ScopedWorkDir;
using testing::WriteFile;

TEST(PolarRequest, ReadsSectionAndReynoldsNumberOrSaysWhatIsWrong) {
  ScopedWorkDir workDir;
  WriteFile("clark y.dat", "CLARK Y\n1 0\n0 0\n1 0\n");
  struct Case {
    const char* argument;
    const char* code;          // the NACA code, "" for a coordinate file
    const char* reynoldsText;  // "" when refused
    const char* refusal;       // a piece of the refusal's message, "" when accepted
  };
  const Case cases[] = {
      {"naca2412@1e6", "2412", "1e6", ""},
      {"NACA0012@1000000", "0012", "1e6", ""},
      {"naca23012@2.5e5", "23012", "2.5e5", ""},
      {"clark y.dat@3e5", "", "3e5", ""},
      {"naca2412", "", "", "KESİT@Re biçiminde"},
      {"polar.txt@1e6", "", "", "KESİT@Re biçiminde"},
      {"naca24x2@1e6", "", "", "4 ya da 5 rakam olmalı: 24x2"},
      {"naca412@1e6", "", "", "4 ya da 5 rakam"},
      {"naca2400@1e6", "", "", "NACA 2400: kalınlık"},
      {"naca2012@1e6", "", "", "NACA 2012: kamburluğun yeri"},
      {"naca23112@1e6", "", "", "NACA 23112: XFoil 5 rakamlı"},
      {"naca12012@1e6", "", "", "NACA 12012: XFoil 5 rakamlı"},
      {"naca2412@", "", "", "Reynolds sayısı 1e4 ile 1e8 arasında"},
      {"naca2412@1e6x", "", "", "Reynolds sayısı"},
      {"naca2412@9999", "", "", "Reynolds sayısı"},
      {"naca2412@inf", "", "", "Reynolds sayısı"},
      {"missing.dat@1e6", "", "", "missing.dat dosyası okunamadı: böyle bir dosya"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    const std::variant<PolarRequest, Outcome> parsed = ParsePolarRequest(c.argument);
    if (*c.refusal != '\0') {
      ASSERT_TRUE(std::holds_alternative<Outcome>(parsed));
      EXPECT_NE(std::get<Outcome>(parsed).Message().find(c.refusal), std::string::npos)
          << std::get<Outcome>(parsed).Message();
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<PolarRequest>(parsed)) << std::get<Outcome>(parsed).Message();
    const PolarRequest& request = std::get<PolarRequest>(parsed);
    EXPECT_EQ(request.nacaCode, c.code);
    EXPECT_EQ(request.reynoldsText, c.reynoldsText);
    EXPECT_EQ(request.coordinateFile.empty(), *c.code != '\0');
  }
  // A polar file whose name holds an "@" stays a polar file.
  EXPECT_FALSE(NamesXfoilPolar("polars/me@home.txt"));
  EXPECT_TRUE(NamesXfoilPolar("wings/clark.DAT@abc"));
}

TEST(PolarCache, NamesFileFromSectionReynoldsNumberAndCoordinateContent) {
  const PolarRequest naca{"2412", {}, 1e6, "1e6"};
  EXPECT_EQ(CachedPolarName(naca, ""), "naca2412-re1e6.txt");
  const PolarRequest file{"", "wings/clark y.dat", 3e5, "3e5"};
  const std::string name = CachedPolarName(file, "CLARK Y\n");
  EXPECT_TRUE(name.starts_with("clark_y-")) << name;
  EXPECT_TRUE(name.ends_with("-re3e5.txt")) << name;
  EXPECT_NE(CachedPolarName(file, "CLARK Y edited\n"), name);
}

TEST(CoordinateFile, PutsLednicerInSeligOrderAndNamesABareList) {
  const std::string selig = "S\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n";
  EXPECT_EQ(SeligText(selig, "x"), selig);
  // Each side from the leading edge; the shared leading-edge point is kept once.
  const std::string lednicer = "L\r\n3. 3.\r\n\r\n0 0\r\n0.5 0.1\r\n1 0\r\n\r\n 0.  0.\r\n0.5 -0.1\r\n1 0\r\n";
  EXPECT_EQ(SeligText(lednicer, "x"), "L\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n");
  EXPECT_EQ(SeligText("1 0\n0 0\n1 0\n", "bare"), "bare\n1 0\n0 0\n1 0\n");
  // Counts that do not match the points: not Lednicer, left for XFoil to judge.
  const std::string miscounted = "L\n3 2\n0 0\n1 0\n";
  EXPECT_EQ(SeligText(miscounted, "x"), miscounted);
}

}  // namespace
}  // namespace kelvane::xfoil
