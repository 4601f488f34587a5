// Writing and reading a wing configuration file.
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "model/Outcome.h"
#include "model/TextFile.h"
#include "planform/Chords.h"
#include "ui/ConfigFormat.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

// A configuration file has at most 22 short lines; anything much larger is not one.
constexpr std::size_t kConfigSizeLimit = 64 * 1024;

// Takes the file's values one by one; the first fault becomes the message that names its line.
class ConfigSource {
 public:
  ConfigSource(std::string fileName, std::string_view content)
      : fileName_(std::move(fileName)), values_(content) {}

  std::optional<double> Number() {
    const auto value = Take();
    if (!value) return std::nullopt;
    const auto number = ParseConfigNumber(*value);
    if (!number) Fault("\"" + std::string(*value) + "\" sonlu bir sayı değil");
    return number;
  }

  std::optional<bool> Truth() {
    const auto value = Take();
    if (!value) return std::nullopt;
    const auto truth = ParseConfigTruth(*value);
    if (!truth) Fault("\"" + std::string(*value) + "\" yerine True ya da False olmalı");
    return truth;
  }

  // Checked before it reaches the count box, whose own reaction would report it a second time.
  std::optional<int> PanelCount() {
    const auto count = Number();
    if (!count) return std::nullopt;
    if (!PanelCountInRange(*count) || *count != std::floor(*count)) {
      Fault("trapez sayısı 1 ile 4 arasında bir tam sayı olmalıdır");
      return std::nullopt;
    }
    return static_cast<int>(*count);
  }

  const std::string& Message() const { return message_; }

 private:
  std::optional<std::string_view> Take() {
    const auto value = values_.Next();
    if (!value) Fault("dosya erken bitiyor");
    return value;
  }

  void Fault(const std::string& reason) {
    message_ = fileName_ + " dosyasının " + std::to_string(values_.Line()) + ". satırı okunamadı: " + reason;
  }

  std::string fileName_;
  ConfigValueReader values_;
  std::string message_;
};

// Reads one number into its model variable and shows it in its box.
bool ApplyNumber(ConfigSource& source, double& variable, TextBox& box) {
  const auto number = source.Number();
  if (!number) return false;
  variable = *number;
  box.ShowNumber(*number);
  return true;
}

using NumberTarget = std::pair<double*, TextBox*>;

bool ApplyNumbers(ConfigSource& source, std::initializer_list<NumberTarget> targets) {
  for (const auto& [variable, box] : targets) {
    if (!ApplyNumber(source, *variable, *box)) return false;
  }
  return true;
}

bool ApplyTruth(ConfigSource& source, OptionButton& option) {
  const auto truth = source.Truth();
  if (!truth) return false;
  option.SetValue(*truth);
  return true;
}

}  // namespace

bool Form_Wing::WriteExistingConfig_in_aFile() {
  const bool trapezoidal = Option_Trapez.Value();
  if (trapezoidal && !PanelCountInRange(ortak.nTrap)) {
    MsgBox(kPanelCountMessage);
    return false;
  }

  std::string text;
  for (const double value : {ortak.S, ortak.AR, ortak.cOrt, ortak.b}) text += ConfigNumberLine(value);
  text += ConfigTruthLine(Option_Eliptik.Value());
  text += ConfigTruthLine(trapezoidal);
  if (trapezoidal) {
    text += ConfigNumberLine(ortak.nTrap);
    for (int i = 1; i <= ortak.nTrap; ++i) {
      text += ConfigNumberLine(ortak.ks[i]) + ConfigNumberLine(ortak.kc[i]);
    }
  }
  for (const double value :
       {ortak.dAlfa, ortak.AszK, ortak.Alfa0K, ortak.AszU, ortak.Alfa0U, ortak.CL, ortak.AlfaK}) {
    text += ConfigNumberLine(value);
  }

  if (const Outcome written = WriteFileReplacing(ConfigFileName, text); written.IsRefused()) {
    MsgBox(ConfigFileName + " dosyası yazılamadı: " + written.Message());
    return false;
  }
  Frm_IO.SetVisible(false);
  return true;
}

bool Form_Wing::ReadAnExistingConfig_from_aFile() {
  std::string content;
  if (const Outcome read = ReadWholeFile(ConfigFileName, content, kConfigSizeLimit); read.IsRefused()) {
    MsgBox(ConfigFileName + " dosyası okunamadı: " + read.Message());
    return false;
  }

  ConfigSource source(ConfigFileName, content);
  const auto fail = [&] {
    MsgBox(source.Message());
    return false;
  };

  if (!ApplyNumbers(source, {{&ortak.S, &Text_Area}, {&ortak.AR, &Text_AR}, {&ortak.cOrt, &Text_cOrt},
                             {&ortak.b, &Text_b}}))
    return fail();

  if (!ApplyTruth(source, Option_Eliptik) || !ApplyTruth(source, Option_Trapez)) return fail();

  if (Option_Trapez.Value()) {
    const auto count = source.PanelCount();
    if (!count) return fail();
    ortak.nTrap = *count;
    Text_nTrap.ShowNumber(*count);
    for (int i = 1; i <= *count; ++i) {
      if (!ApplyNumbers(source, {{&ortak.ks[i], Text_ks[i]}, {&ortak.kc[i], Text_kc[i]}})) return fail();
    }
  }

  if (!ApplyNumbers(source, {{&ortak.dAlfa, &Text_dAlfa}, {&ortak.AszK, &Text_AszK},
                             {&ortak.Alfa0K, &Text_Alfa0K}, {&ortak.AszU, &Text_AszU},
                             {&ortak.Alfa0U, &Text_Alfa0U}, {&ortak.CL, &Text_CL}, {&ortak.AlfaK, &Text_AlfaK}}))
    return fail();

  Frm_IO.SetVisible(false);
  return Planform();
}

}  // namespace kelvane::ui
