// Tests of the main window's start-up state.
#include <numbers>
#include <tuple>

#include "StartedForm.h"
#include "solver/Report.h"

namespace kelvane::ui::testing {
namespace {

constexpr char kStartSummary[] =
    "  Kanat Alanı(m²) =  10 \r\n"
    "  Açıklık oranı   =  10 \r\n"
    "  Açıklık    (m)  =  10 \r\n"
    "  Ort. veter (m)  =  1 \r\n";

class FormStartup : public StartedForm {};

TEST_F(FormStartup, BoxesShowTheStartAndDesignTexts) {
  const std::pair<const TextBox*, const char*> expected[] = {
      {&form.Text_Area, "10"},
      {&form.Text_AR, "10"},
      {&form.Text_b, "10"},
      {&form.Text_cOrt, "1"},
      {&form.Text_N, "15"},
      {&form.Text_dAlfa, "0"},
      {&form.Text_AszK, "6.28318530717959"},
      {&form.Text_AszU, "6.28318530717959"},
      {&form.Text_Alfa0K, "0"},
      {&form.Text_Alfa0U, "0"},
      {&form.Text_Voo, "1"},
      {&form.Text_AlfaK, "10"},
      {&form.Text_CL, "0"},
      {&form.Text_nTrap, "1"},
      {form.Text_ks[1], "1"},
      {form.Text_kc[1], "1"},
      {form.Text_ks[2], "0.8"},
      {form.Text_kc[2], "0.6"},
      {form.Text_ks[4], "0.4"},
      {form.Text_kc[4], "0.9"},
      {&form.Text_CDi, "0"},
      {&form.Text_E, ""},
      {&form.Text_CDiE, "0"},
      {&form.Text_OutFile, ""},
  };
  for (const auto& [box, text] : expected) EXPECT_EQ(box->Text(), text) << box->Name();
}

TEST_F(FormStartup, OptionsTicksAndVisibility) {
  EXPECT_TRUE(form.Option_Eliptik.Value());
  EXPECT_FALSE(form.Option_Trapez.Value());
  EXPECT_TRUE(form.Option_Alfa.Value());
  EXPECT_FALSE(form.Option_CL.Value());
  EXPECT_EQ(std::make_tuple(form.Check_Area.Value(), form.Check_AR.Value(), form.Check_b.Value(),
                            form.Check_cOrt.Value(), form.Check1.Value()),
            std::make_tuple(1, 1, 0, 0, 0));

  const std::pair<const Control*, bool> shown[] = {
      {&form.Frame_Trap, false}, {form.Text_ks[1], false}, {&form.Text_CL, false},   {&form.Frm_IO, false},
      {&form.File1, false},      {&form.Text_AlfaK, true}, {&form.Label_deg1, true}, {&form.Label7, true},
      {&form.Picture1, true},    {&form.Text_N, true},
  };
  for (const auto& [control, onView] : shown) EXPECT_EQ(control->Shown(), onView) << control->Name();
  // Row 1 only waits for its frame; rows 2-4 are hidden themselves.
  EXPECT_TRUE(form.Text_ks[1]->Visible());
  for (int row = 2; row <= 4; ++row) EXPECT_FALSE(form.Text_kc[row]->Visible()) << row;
}

TEST_F(FormStartup, RunsThePlanformCommandOnTheStartValues) {
  EXPECT_EQ(form.Record().Pi, std::numbers::pi);
  EXPECT_EQ(form.Record().DegToRad, std::numbers::pi / 180);
  EXPECT_EQ(form.Record().AszK, 2 * std::numbers::pi);
  EXPECT_EQ(std::make_tuple(form.Record().S, form.Record().AR, form.Record().b, form.Record().cOrt, form.Record().N,
                            form.Record().nTrap, form.Record().AlfaK, form.Record().Voo),
            std::make_tuple(10.0, 10.0, 10.0, 1.0, 15.0, 1.0, 10.0, 1.0));
  EXPECT_TRUE(form.Record().PlanformDone);
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(ReadFile(kReportFileName), kStartSummary);
  EXPECT_EQ(form.Picture1.Surface().CountOf(PlotCommand::Kind::SetUserScale), 1);
  EXPECT_EQ(form.Picture1.Surface().CountOf(PlotCommand::Kind::Clear), 1);
  EXPECT_EQ(form.Picture1.Surface().CountOf(PlotCommand::Kind::DrawLine), 5 * 15 + 3);
}

TEST_F(FormStartup, ControlsSitInTheirFramesWithTheirLook) {
  auto bounds = [](const Control& control) {
    const Geometry& g = control.Bounds();
    return std::make_tuple(g.left, g.top, g.width, g.height);
  };
  const std::tuple<const Control*, const Control*, std::tuple<int, int, int, int>> layout[] = {
      {&form.Frame_PlanPar, nullptr, {8, 28, 137, 156}},
      {&form.Text_cOrt, &form.Frame_PlanPar, {88, 126, 41, 19}},
      {&form.Picture1, nullptr, {152, 40, 420, 180}},
      {&form.Frm_IO, nullptr, {192, 40, 289, 241}},
      {&form.File1, &form.Frm_IO, {136, 16, 145, 149}},
      {&form.Frame_Trap, &form.Frame1, {8, 48, 153, 169}},
      {form.Text_kc[3], &form.Frame_Trap, {112, 112, 33, 19}},
      {&form.Text_N, &form.Frame3, {104, 16, 25, 19}},
  };
  for (const auto& [control, parent, geometry] : layout) {
    EXPECT_EQ(control->Parent(), parent) << control->Name();
    EXPECT_EQ(bounds(*control), geometry) << control->Name();
  }

  const Color lightGreen{0xC0, 0xFF, 0xC0}, peach{0xFF, 0xE0, 0xC0};
  const std::pair<const Control*, Color> colours[] = {
      {&form.Frame_PlanPar, lightGreen},    {&form.Check_cOrt, lightGreen},      {&form.Label18, lightGreen},
      {&form.Option_Trapez, lightGreen},    {&form.Frame_Trap, peach},           {form.Label_kc[4], peach},
      {&form.Picture3, kPictureBackground}, {form.Text_ks[1], kSystemMenuColor},
  };
  for (const auto& [control, colour] : colours) EXPECT_EQ(control->Look().background, colour) << control->Name();
  EXPECT_FALSE(form.Text_ks[2]->Look().background.has_value());
}

// What the front end is handed at each request: a second window would start its count afresh.
TEST_F(FormStartup, AboutTwiceShowsOneWindow) {
  std::vector<std::tuple<bool, bool, int>> handed;  // created, visible, showCount
  form.SetAboutHook([&](AboutWindow& about) { handed.emplace_back(about.created, about.visible, about.showCount); });
  EXPECT_FALSE(form.Form_About.created);
  form.Mn_About.Click();
  form.Mn_About.Click();
  EXPECT_EQ(handed, (std::vector<std::tuple<bool, bool, int>>{{true, true, 1}, {true, true, 2}}));
  EXPECT_EQ(form.Form_About.labels.front().caption, "This program calculates");
}

TEST_F(FormStartup, ChangeHookHearsOnlyRealChanges) {
  std::vector<std::string> changed;
  form.SetChangeHook([&](Control& control) { changed.push_back(control.Name()); });
  form.Text_N.SetText("17");
  form.Text_N.SetText("17");
  form.Option_Trapez.Click();
  EXPECT_EQ(changed, (std::vector<std::string>{"Text_N", "Option_Eliptik", "Option_Trapez", "Frame_Trap"}));
}

}  // namespace
}  // namespace kelvane::ui::testing
