// The window's configuration files: its values saved through the writer, a file's values shown one by one
// as the reader takes them.
#include <optional>
#include <string>
#include <utility>

#include "config/ConfigFile.h"
#include "model/MessageText.h"
#include "model/TextFile.h"
#include "planform/Chords.h"
#include "results/charts/ChartSource.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {

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
  static constexpr std::pair<ConfigItem, TextBox Form_Wing::*> kNumberBoxes[] = {
      {ConfigItem::S, &Form_Wing::Text_Area},        {ConfigItem::AR, &Form_Wing::Text_AR},
      {ConfigItem::cOrt, &Form_Wing::Text_cOrt},     {ConfigItem::b, &Form_Wing::Text_b},
      {ConfigItem::dAlfa, &Form_Wing::Text_dAlfa},   {ConfigItem::AszK, &Form_Wing::Text_AszK},
      {ConfigItem::Alfa0K, &Form_Wing::Text_Alfa0K}, {ConfigItem::AszU, &Form_Wing::Text_AszU},
      {ConfigItem::Alfa0U, &Form_Wing::Text_Alfa0U}, {ConfigItem::CL, &Form_Wing::Text_CL},
      {ConfigItem::AlfaK, &Form_Wing::Text_AlfaK},
  };
  for (const auto& [number, box] : kNumberBoxes) {
    if (number != item) continue;
    ortak.*config::RecordField(item) = value;
    (this->*box).ShowNumber(value);
  }
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
