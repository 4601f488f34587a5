// Tests of the solve command through the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>

#include "StartedForm.h"
#include "model/Module_ortak.h"

namespace kelvane::ui::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPerformanceHeading = "  Aerodinamik performans";
const std::vector<std::string> kBlockHeadings = {"  Kanat parametrelerinin açıklık boyunca dağılımları",
                                                 "  Katsayılar Matrisi", "  Fourier Katsayıları",
                                                 "  Distributions along wing span", kPerformanceHeading};

std::vector<std::string> HeadingsIn(const std::string& report) {
  std::vector<std::string> found;
  for (const auto& line : CrLfLines(report)) {
    for (const auto& heading : kBlockHeadings) {
      if (line == heading) found.push_back(heading);
    }
  }
  return found;
}

class SolveCommand : public StartedForm {
 protected:
  std::vector<TextBox*> ResultBoxes() {
    return {&form.Text_AlfaK, &form.Text_CL,   &form.Text_CDi, &form.Text_E,
            &form.Text_CDiE,  &form.Text_AlfE, &form.Text_EE};
  }
  std::vector<std::string> ResultTexts() {
    std::vector<std::string> texts;
    for (TextBox* box : ResultBoxes()) texts.push_back(box->Text());
    return texts;
  }
  void Replan(const std::string& stations, int detail) {
    form.Text_N.SetText(stations);
    form.Check1.SetValue(detail);
    form.Cmd_Planform.Click();
  }
};

TEST_F(SolveCommand, StartUpWingShowsItsResultsAndWritesOnlyThePerformanceBlock) {
  form.PLL.Click();

  EXPECT_EQ(ResultTexts(),
            (std::vector<std::string>{"10", "0.91385", "0.026583", "34.377", "0.02658", "10", "34.377"}));
  EXPECT_TRUE(form.Messages().empty());
  const fs::path example = fs::path(KELVANE_EXAMPLES_DIR) / "01-default-elliptic";
  EXPECT_EQ(ReadFile("PLL.txt"), ReadFile(example / "PLL.txt"));
  EXPECT_EQ(ReadFile("LastConfig.cfg"), ReadFile(example / "LastConfig.cfg"));
  EXPECT_EQ(CrLfLines(ReadFile("LastConfig.cfg"))[11], " .913852259360126 ");
}

TEST_F(SolveCommand, RefusesBeforeAnyPlanform) {
  form.Text_N.SetText("16");
  form.Cmd_Planform.Click();  // refused: an even station count
  const auto report = ReadFile("PLL.txt");
  const auto shown = form.Messages().size();

  form.PLL.Click();

  EXPECT_EQ(MessagesSince(shown), (std::vector<std::string>{"Önce üst-görünüm hesabını yapınız"}));
  EXPECT_EQ(form.Text_CL.Text(), "0");
  EXPECT_EQ(ReadFile("PLL.txt"), report);
  EXPECT_FALSE(fs::exists("LastConfig.cfg"));
}

TEST_F(SolveCommand, WritesTheReportBlocksTheStationCountAndDetailAskFor) {
  struct Case {
    const char* stations;
    int detail;
    std::vector<std::string> headings;
  };
  const Case cases[] = {
      {"3", 1, kBlockHeadings},
      {"7", 0, {kBlockHeadings[0], kBlockHeadings[3], kPerformanceHeading}},
      {"15", 0, {kPerformanceHeading}},
      {"15", 2, {kPerformanceHeading}},  // the greyed state does not ask for details
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stations);
    Replan(c.stations, c.detail);
    form.PLL.Click();
    EXPECT_EQ(HeadingsIn(ReadFile("PLL.txt")), c.headings);
  }

  Replan("3", 1);
  form.PLL.Click();
  const auto lines = CrLfLines(ReadFile("PLL.txt"));
  const std::regex matrixRow(R"((  -?\d+\.\d{4}){3}   -?\d+\.\d{4})");
  const std::regex fourierRow(R"(  An\( \d \) = [ -]\S+ )");
  const auto countMatching = [&](const std::regex& row) {
    return std::count_if(lines.begin(), lines.end(), [&](const auto& line) { return std::regex_match(line, row); });
  };
  EXPECT_EQ(countMatching(matrixRow), 3);  // three values, then the right-hand side after three blanks
  EXPECT_EQ(countMatching(fourierRow), 3);
  EXPECT_EQ(lines.size(), 4u + 8 + 6 + 6 + 8 + 6);
}

TEST_F(SolveCommand, SecondSolutionAppendsAfterTheFirst) {
  form.PLL.Click();
  const auto first = ReadFile("PLL.txt");
  form.PLL.Click();
  const auto performance = first.substr(first.find("\r\n" + std::string(kPerformanceHeading)));
  EXPECT_EQ(ReadFile("PLL.txt"), first + performance);
}

TEST_F(SolveCommand, NegativeTwistShiftsItsStationLineByOneCharacter) {
  std::vector<std::size_t> lengths;
  for (const char* twist : {"3", "-3"}) {
    Replan("5", 0);
    form.Text_dAlfa.SetText(twist);
    form.PLL.Click();
    lengths.push_back(CrLfLines(ReadFile("PLL.txt"))[9].size());  // station 1
  }
  EXPECT_EQ(lengths[1], lengths[0] + 1);
}

TEST_F(SolveCommand, DrawsBothDistributionPlots) {
  form.PLL.Click();
  const auto& circulation = form.Picture2.Surface();
  const auto& commands = circulation.Commands();
  const auto scale =
      std::find_if(commands.begin(), commands.end(), [](auto& c) { return c.kind == PlotCommand::Kind::SetUserScale; });
  ASSERT_NE(scale, commands.end());
  EXPECT_NEAR(scale->b, 0.63995, 1e-5);
  EXPECT_NEAR(scale->d, -0.058178, 1e-6);
  EXPECT_EQ(circulation.CountOf(PlotCommand::Kind::DrawLine), 2 * 15 + 62);
  EXPECT_EQ(form.Picture3.Surface().CountOf(PlotCommand::Kind::DrawLine), 42);
}

TEST_F(SolveCommand, GivenLiftCoefficientEmptiesTheAngleBoxWhileSolving) {
  form.Option_CL.Click();
  form.Text_CL.SetText("0.913852");
  std::vector<std::string> angleTexts;
  form.SetChangeHook([&](Control& control) {
    if (&control == &form.Text_AlfaK) angleTexts.push_back(form.Text_AlfaK.Text());
  });
  form.PLL.Click();

  ASSERT_FALSE(angleTexts.empty());
  EXPECT_EQ(angleTexts.front(), "");
  EXPECT_EQ(form.Text_AlfaK.Text(), "10");
  EXPECT_TRUE(form.Text_AlfaK.Visible() && form.Text_CL.Visible() && form.Label_deg1.Visible());
  EXPECT_EQ(form.Text_CDi.Text(), "0.026583");
}

TEST_F(SolveCommand, FaultShowsOneMessageAndChangesNoResult) {
  struct Case {
    const char* name;
    std::function<void(Form_Wing&)> setUp;
    const char* message;
  };
  const Case cases[] = {
      {"singular",
       [](Form_Wing& f) {
         f.Option_CL.Click();
         f.Text_CL.SetText("0.5");
         f.Text_AszK.SetText("0");
         f.Text_AszU.SetText("0");
       },
       "Denklem sistemi çözülemedi: katsayılar matrisi tekil. Kesit özelliklerini kontrol ediniz"},
      {"elliptic slope", [](Form_Wing& f) { f.Text_AszK.SetText("0"); },
       "Eşdeğer eliptik kanat hesaplanamadı: kök kesitin taşıma eğimi 0 ya da -π·AR olamaz"},
      {"infinite input", [](Form_Wing& f) { f.Text_dAlfa.SetText("1e400"); }, "Bu sayı çok büyük: 1e400"},
      {"overflowing stage", [](Form_Wing& f) { f.Text_dAlfa.SetText("1e308"); },
       "Girilen değerler sonlu bir sonuç vermiyor"},
      {"no mode", [](Form_Wing& f) { f.Option_Alfa.SetValue(false); }, "Hesap için bir seçim yapınız"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto fresh = StartForm();
    Form_Wing& f = *fresh;
    f.PLL.Click();
    c.setUp(f);
    const auto results = std::vector<std::string>{f.Text_AlfaK.Text(), f.Text_CL.Text(), f.Text_CDiE.Text()};
    const auto report = ReadFile("PLL.txt");
    const auto config = ReadFile("LastConfig.cfg");
    const auto plot = f.Picture2.Surface().Commands();

    const auto shown = f.Messages().size();
    f.PLL.Click();

    EXPECT_EQ(std::vector<std::string>(f.Messages().begin() + shown, f.Messages().end()),
              std::vector<std::string>{c.message});
    EXPECT_EQ((std::vector<std::string>{f.Text_AlfaK.Text(), f.Text_CL.Text(), f.Text_CDiE.Text()}), results);
    EXPECT_EQ(ReadFile("PLL.txt"), report);
    EXPECT_EQ(ReadFile("LastConfig.cfg"), config);
    EXPECT_EQ(f.Picture2.Surface().Commands(), plot);
  }
}

TEST_F(SolveCommand, ReportsFilesThatCannotBeWritten) {
  fs::remove("PLL.txt");
  fs::create_directory("PLL.txt");
  fs::create_directory("LastConfig.cfg");
  form.PLL.Click();

  ASSERT_EQ(form.Messages().size(), 2u);
  EXPECT_EQ(form.Messages()[0].rfind("PLL.txt", 0), 0u);
  EXPECT_EQ(form.Messages()[1].rfind("LastConfig.cfg dosyası yazılamadı", 0), 0u);
  EXPECT_EQ(form.Text_CL.Text(), "0.91385");
}

}  // namespace
}  // namespace kelvane::ui::testing
