// The window's configuration files: its values saved through the writer, a file's values shown one by one
// as the reader takes them; and the wing its boxes hold.
#include <optional>
#include <string>
#include <utility>

#include "config/ConfigFile.h"
#include "model/MessageText.h"
#include "model/Numbers.h"
#include "model/TextFile.h"
#include "planform/Chords.h"
#include "results/charts/ChartSource.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

// The box of each number of a configuration.
constexpr std::pair<config::ConfigItem, TextBox Form_Wing::*> kNumberBoxes[] = {
    {config::ConfigItem::S, &Form_Wing::Text_Area},        {config::ConfigItem::AR, &Form_Wing::Text_AR},
    {config::ConfigItem::cOrt, &Form_Wing::Text_cOrt},     {config::ConfigItem::b, &Form_Wing::Text_b},
    {config::ConfigItem::dAlfa, &Form_Wing::Text_dAlfa},   {config::ConfigItem::AszK, &Form_Wing::Text_AszK},
    {config::ConfigItem::Alfa0K, &Form_Wing::Text_Alfa0K}, {config::ConfigItem::AszU, &Form_Wing::Text_AszU},
    {config::ConfigItem::Alfa0U, &Form_Wing::Text_Alfa0U}, {config::ConfigItem::CL, &Form_Wing::Text_CL},
    {config::ConfigItem::AlfaK, &Form_Wing::Text_AlfaK},
};

}  // namespace

std::optional<std::string> Form_Wing::WindowConfigText() {
  const config::PlanformOptions options{.elliptic = Option_Eliptik.Value(), .trapezoidal = Option_Trapez.Value()};
  if (options.trapezoidal && !PanelCountInRange(ortak.nTrap)) {
    MsgBox(kPanelCountMessage);
    return std::nullopt;
  }
  return config::ConfigText(ortak, options);
}

bool Form_Wing::ReplaceFile(const std::string& path, const std::string& content) {
  if (const Outcome written = WriteFileReplacing(path, content); written.IsRefused()) {
    MsgBox(PathForMessage(path) + " dosyası yazılamadı: " + written.Message());
    return false;
  }
  return true;
}

bool Form_Wing::WriteExistingConfig_in_aFile() {
  const std::optional<std::string> text = WindowConfigText();
  if (!text || !ReplaceFile(ConfigFileName, *text)) return false;
  Frm_IO.SetVisible(false);
  return true;
}

// Each value reaches the model and its box before the next is taken, as the file panel's user sees it;
// the option lines click their buttons and the panel count goes through its box, whose reaction shows the
// panel rows.
void Form_Wing::ShowConfigValue(config::ConfigItem item, int row, double value) {
  using config::ConfigItem;
  switch (item) {
    case ConfigItem::EllipticOption: Option_Eliptik.SetValue(value != 0); return;
    case ConfigItem::TrapezoidOption: Option_Trapez.SetValue(value != 0); return;
    case ConfigItem::PanelCount:
      ortak.nTrap = value;
      Text_nTrap.ShowNumber(value);
      return;
    case ConfigItem::PanelEnd:
      ortak.ks[row] = value;
      Text_ks[row]->ShowNumber(value);
      return;
    case ConfigItem::PanelChord:
      ortak.kc[row] = value;
      Text_kc[row]->ShowNumber(value);
      return;
    default: break;
  }
  for (const auto& [number, box] : kNumberBoxes) {
    if (number != item) continue;
    ortak.*config::RecordField(item) = value;
    (this->*box).ShowNumber(value);
  }
}

Wing Form_Wing::BoxWing() const {
  Wing wing;
  for (const auto& [item, box] : kNumberBoxes) wing.*config::WingField(item) = ReadNumber((this->*box).Text());
  wing.planform = PlanformBoxTexts().type;
  wing.nTrap = ReadNumber(Text_nTrap.Text());
  for (int row = 1; row <= kMaxPanels; ++row) {
    wing.ks[row] = ReadNumber(Text_ks[row]->Text());
    wing.kc[row] = ReadNumber(Text_kc[row]->Text());
  }
  wing.stations = Text_N.Text();
  wing.given = {.S = Check_Area.Value() == kTicked,
                .AR = Check_AR.Value() == kTicked,
                .b = Check_b.Value() == kTicked,
                .cOrt = Check_cOrt.Value() == kTicked};
  return wing;
}

bool Form_Wing::ReadAnExistingConfig_from_aFile() {
  const auto read = config::ReadConfigFile(
      ConfigFileName, Wing{},
      [this](config::ConfigItem item, int row, double value) { ShowConfigValue(item, row, value); });
  if (!read) {
    MsgBox(read.Message());
    return false;
  }
  SetWingName(charts::WingNameOf(ConfigFileName));
  Frm_IO.SetVisible(false);
  return Planform();
}

}  // namespace kelvane::ui
