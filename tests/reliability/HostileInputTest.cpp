// Every box the two commands read, given text no user should type: the window either explains itself or
// solves, and nothing it shows or writes carries a non-finite number.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "planform/Chords.h"
#include "solver/Report.h"
#include "testkit/ResultChecks.h"
#include "ui/StartedForm.h"

namespace kelvane::ui::testing {
namespace {

using reliability::FaultsIn;
using reliability::IsClearMessage;
using reliability::IsShownNumber;

constexpr std::size_t kMegabyte = 1024 * 1024;

struct HostileText {
  const char* label;
  std::string text;
};

const HostileText kHostileTexts[] = {
    {"Empty", ""},
    {"Letters", "abcXYZ"},
    {"Zero", "0"},
    {"MinusOne", "-1"},
    {"Huge", "1e308"},
    {"Tiny", "1e-308"},
    {"HugeNegative", "-1e308"},
    {"MegabyteOfDigits", std::string(kMegabyte, '9')},
    {"NulAndControls", std::string("1\0\x01\x1b[2J\x7f", 8)},
    {"HexAllOnes", "&HFFFFFFFF"},
    {"DExponentOverflow", "1D400"},
};

using Prepare = std::function<void(Form_Wing&)>;

struct HostileBox {
  std::string name;
  std::function<TextBox&(Form_Wing&)> box;
  Prepare prepare;  // makes the commands read the box
};

void TickOnly(Form_Wing& form, CheckBox Form_Wing::*first, CheckBox Form_Wing::*second) {
  for (CheckBox Form_Wing::*tick :
       {&Form_Wing::Check_Area, &Form_Wing::Check_AR, &Form_Wing::Check_b, &Form_Wing::Check_cOrt})
    (form.*tick).SetValue(tick == first || tick == second ? 1 : 0);
}

// Four sound panels, so that each panel box is read.
void FourPanels(Form_Wing& form) {
  const char* spans[] = {"1", ".8", ".5", ".25"};
  const char* chords[] = {".3", ".55", ".8", ".95"};
  form.Option_Trapez.Click();
  form.Text_nTrap.SetText("4");
  for (int row = 1; row <= kMaxPanels; ++row) {
    form.Text_ks[row]->SetText(spans[row - 1]);
    form.Text_kc[row]->SetText(chords[row - 1]);
  }
}

HostileBox Plain(
    const char* name, TextBox Form_Wing::*box, Prepare prepare = [](Form_Wing&) {}) {
  return {name, [box](Form_Wing& form) -> TextBox& { return form.*box; }, std::move(prepare)};
}

std::vector<HostileBox> HostileBoxes() {
  std::vector<HostileBox> boxes = {
      Plain("Text_Area", &Form_Wing::Text_Area),
      Plain("Text_AR", &Form_Wing::Text_AR),
      Plain("Text_b", &Form_Wing::Text_b, [](Form_Wing& f) { TickOnly(f, &Form_Wing::Check_AR, &Form_Wing::Check_b); }),
      Plain("Text_cOrt", &Form_Wing::Text_cOrt,
            [](Form_Wing& f) { TickOnly(f, &Form_Wing::Check_b, &Form_Wing::Check_cOrt); }),
      Plain("Text_N", &Form_Wing::Text_N),
      Plain("Text_nTrap", &Form_Wing::Text_nTrap, FourPanels),
      Plain("Text_dAlfa", &Form_Wing::Text_dAlfa),
      Plain("Text_AszK", &Form_Wing::Text_AszK),
      Plain("Text_Alfa0K", &Form_Wing::Text_Alfa0K),
      Plain("Text_AszU", &Form_Wing::Text_AszU),
      Plain("Text_Alfa0U", &Form_Wing::Text_Alfa0U),
      Plain("Text_AlfaK", &Form_Wing::Text_AlfaK, [](Form_Wing& f) { f.Option_Alfa.Click(); }),
      Plain("Text_CL", &Form_Wing::Text_CL,
            [](Form_Wing& f) {
              f.Option_CL.Click();
              f.Text_CL.SetText("0.5");
            }),
  };
  for (int row = 1; row <= kMaxPanels; ++row) {
    const std::string number = std::to_string(row);
    boxes.push_back({"Text_ks" + number, [row](Form_Wing& f) -> TextBox& { return *f.Text_ks[row]; }, FourPanels});
    boxes.push_back({"Text_kc" + number, [row](Form_Wing& f) -> TextBox& { return *f.Text_kc[row]; }, FourPanels});
  }
  return boxes;
}

// Parameters print as their names: the texts themselves may be a megabyte of digits.
void PrintTo(const HostileText& hostile, std::ostream* out) { *out << hostile.label; }
void PrintTo(const HostileBox& target, std::ostream* out) { *out << target.name; }

class HostileInput : public StartedForm, public ::testing::WithParamInterface<std::tuple<HostileBox, HostileText>> {};

TEST_P(HostileInput, EndsInAClearMessageOrAFiniteSolution) {
  const auto& [target, hostile] = GetParam();
  target.prepare(form);
  form.Cmd_Planform.Click();
  ASSERT_THAT(form.Messages(), ::testing::IsEmpty()) << "the wing must be sound before the hostile text";
  const auto shown = form.Messages().size();

  target.box(form).SetText(hostile.text);
  form.Cmd_Planform.Click();
  form.PLL.Click();

  const std::string lastConfig = ReadFile(kLastConfigFileName);
  EXPECT_THAT(FaultsIn(form, ReadFile(kReportFileName), lastConfig), ::testing::IsEmpty());
  const auto messages = MessagesSince(shown);
  for (const auto& message : messages) EXPECT_TRUE(IsClearMessage(message)) << message.substr(0, kMaxMessageBytes);
  if (messages.empty()) {
    for (const TextBox* box : {&form.Text_AlfaK, &form.Text_CL, &form.Text_CDi, &form.Text_E})
      EXPECT_TRUE(!box->Text().empty() && IsShownNumber(box->Text())) << box->Name() << " " << box->Text();
    EXPECT_FALSE(lastConfig.empty());
  }
  if (lastConfig.empty()) return;

  // What was saved must open again as it stands.
  auto reader = StartForm();
  reader->ConfigFileName = kLastConfigFileName;
  EXPECT_TRUE(reader->ReadAnExistingConfig_from_aFile());
  EXPECT_THAT(reader->Messages(), ::testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryReadBox, HostileInput,
                         ::testing::Combine(::testing::ValuesIn(HostileBoxes()), ::testing::ValuesIn(kHostileTexts)),
                         [](const auto& info) {
                           return std::get<0>(info.param).name + "_" + std::get<1>(info.param).label;
                         });

}  // namespace
}  // namespace kelvane::ui::testing
