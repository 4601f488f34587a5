// Writing and reading a wing configuration file: one table of its values drives both.
#include "ui/ConfigFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/MessageText.h"
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

// One entry of a configuration file: a number with the model variable and the box it belongs to, a truth
// value with its option button and that button's state among the planform options, or the trapezoid block.
struct ConfigField {
  enum class Kind { Number, Truth, Panels };
  Kind kind;
  double Module_ortak::*variable = nullptr;
  TextBox Form_Wing::*box = nullptr;
  OptionButton Form_Wing::*option = nullptr;
  bool PlanformOptions::*state = nullptr;
};

constexpr ConfigField NumberField(double Module_ortak::*variable, TextBox Form_Wing::*box) {
  return {ConfigField::Kind::Number, variable, box, nullptr, nullptr};
}
constexpr ConfigField TruthField(OptionButton Form_Wing::*option, bool PlanformOptions::*state) {
  return {ConfigField::Kind::Truth, nullptr, nullptr, option, state};
}

// The file, one value a line in this order; the writer and the reader both walk this table. The trapezoid
// block is nTrap, then ks(i) and kc(i) for each panel; it is there only when the trapezoidal option is
// selected (the writer asks the window, the reader the file's own option lines).
constexpr ConfigField kConfigFields[] = {
    NumberField(&Module_ortak::S, &Form_Wing::Text_Area),
    NumberField(&Module_ortak::AR, &Form_Wing::Text_AR),
    NumberField(&Module_ortak::cOrt, &Form_Wing::Text_cOrt),
    NumberField(&Module_ortak::b, &Form_Wing::Text_b),
    TruthField(&Form_Wing::Option_Eliptik, &PlanformOptions::elliptic),
    TruthField(&Form_Wing::Option_Trapez, &PlanformOptions::trapezoidal),
    {ConfigField::Kind::Panels},
    NumberField(&Module_ortak::dAlfa, &Form_Wing::Text_dAlfa),
    NumberField(&Module_ortak::AszK, &Form_Wing::Text_AszK),
    NumberField(&Module_ortak::Alfa0K, &Form_Wing::Text_Alfa0K),
    NumberField(&Module_ortak::AszU, &Form_Wing::Text_AszU),
    NumberField(&Module_ortak::Alfa0U, &Form_Wing::Text_Alfa0U),
    NumberField(&Module_ortak::CL, &Form_Wing::Text_CL),
    NumberField(&Module_ortak::AlfaK, &Form_Wing::Text_AlfaK),
};

// A value from the file inside a sentence of the message.
std::string InQuotes(std::string_view value) { return "\"" + QuoteForMessage(value) + "\""; }

// Takes the file's values one by one; the first fault becomes the message that names its line.
class ConfigSource {
 public:
  ConfigSource(std::string fileName, std::string_view content)
      : fileName_(std::move(fileName)), values_(content) {}

  std::optional<double> Number() { return Parsed(ParseConfigNumber, " sonlu bir sayı değil"); }

  std::optional<bool> Truth() { return Parsed(ParseConfigTruth, " yerine True ya da False olmalı"); }

  // Checked before it reaches the count box, whose own reaction would report it a second time. A count
  // that is not whole comes back as the writer wrote it, with the pairs of its whole part; the planform
  // command at the end of the read refuses it.
  std::optional<double> PanelCount() {
    const auto number = Number();
    if (!number) return std::nullopt;
    if (!PanelCountInRange(*number)) {
      Fault(kPanelCountMessage);
      return std::nullopt;
    }
    return number;
  }

  // Blank lines may follow the last value; any other value there means the values before it were taken
  // from the wrong lines (a decimal comma splits one value in two; a panel count too small for the panels).
  bool NothingMore() {
    while (const auto value = values_.Next()) {
      if (value->empty()) continue;
      message_ = LinePlace() + " satırında fazla değer var: " + InQuotes(*value);
      return false;
    }
    return true;
  }

  const std::string& Message() const { return message_; }

 private:
  // The next value through parse; one it refuses is quoted before the reason.
  template <typename Parse>
  auto Parsed(Parse parse, const char* reason) -> decltype(parse(std::string_view())) {
    const auto value = Take();
    if (!value) return std::nullopt;
    const auto parsed = parse(*value);
    if (!parsed) Fault(InQuotes(*value) + reason);
    return parsed;
  }

  std::optional<std::string_view> Take() {
    const auto value = values_.Next();
    if (!value) Fault("dosya erken bitiyor");
    return value;
  }

  // "<file> dosyasının <line>.", naming the line of the value last taken.
  std::string LinePlace() const {
    return PathForMessage(fileName_) + " dosyasının " + std::to_string(values_.Line()) + ".";
  }

  void Fault(const std::string& reason) { message_ = LinePlace() + " satırı okunamadı: " + reason; }

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

bool ApplyTruth(ConfigSource& source, OptionButton& option) {
  const auto truth = source.Truth();
  if (!truth) return false;
  option.SetValue(*truth);
  return true;
}

// The count goes through its box, whose reaction shows the panel rows, before the panels' values.
bool ApplyPanels(ConfigSource& source, Form_Wing& form) {
  const auto count = source.PanelCount();
  if (!count) return false;
  ortak.nTrap = *count;
  form.Text_nTrap.ShowNumber(*count);
  for (int i = 1; i <= *count; ++i) {
    if (!ApplyNumber(source, ortak.ks[i], *form.Text_ks[i]) || !ApplyNumber(source, ortak.kc[i], *form.Text_kc[i]))
      return false;
  }
  return true;
}

std::string PanelLines(const Module_ortak& record) {
  std::string lines = ConfigNumberLine(record.nTrap);
  for (int i = 1; i <= record.nTrap; ++i)
    lines += ConfigNumberLine(record.ks[i]) + ConfigNumberLine(record.kc[i]);
  return lines;
}

}  // namespace

std::string ConfigText(const Module_ortak& record, PlanformOptions options) {
  std::string text;
  for (const ConfigField& field : kConfigFields) {
    switch (field.kind) {
      case ConfigField::Kind::Number:
        text += ConfigNumberLine(record.*field.variable);
        break;
      case ConfigField::Kind::Truth:
        text += ConfigTruthLine(options.*field.state);
        break;
      case ConfigField::Kind::Panels:
        if (options.trapezoidal) text += PanelLines(record);
        break;
    }
  }
  return text;
}

std::optional<std::string> Form_Wing::WindowConfigText() {
  const PlanformOptions options{.elliptic = Option_Eliptik.Value(), .trapezoidal = Option_Trapez.Value()};
  if (options.trapezoidal && !PanelCountInRange(ortak.nTrap)) {
    MsgBox(kPanelCountMessage);
    return std::nullopt;
  }
  return ConfigText(ortak, options);
}

bool Form_Wing::ReplaceFileNow(const std::string& path, const std::string& content) {
  if (const Outcome written = WriteFileReplacing(path, content); written.IsRefused()) {
    MsgBox(PathForMessage(path) + " dosyası yazılamadı: " + written.Message());
    return false;
  }
  return true;
}

bool Form_Wing::WriteExistingConfig_in_aFile() {
  WriteHeldFiles();
  const std::optional<std::string> text = WindowConfigText();
  if (!text || !ReplaceFileNow(ConfigFileName, *text)) return false;
  Frm_IO.SetVisible(false);
  return true;
}

void Form_Wing::WriteLastConfig() {
  ConfigFileName = (OutputFolder / kLastConfigFileName).string();
  if (!deferredWrites_) {
    WriteExistingConfig_in_aFile();
    return;
  }
  const std::optional<std::string> text = WindowConfigText();
  if (!text) return;
  deferredWrites_->HoldFile(ConfigFileName, *text);
  Frm_IO.SetVisible(false);
}

bool Form_Wing::ReadAnExistingConfig_from_aFile() {
  WriteHeldFiles();
  std::string content;
  if (const Outcome read = ReadWholeFile(ConfigFileName, content, kConfigSizeLimit); read.IsRefused()) {
    MsgBox(PathForMessage(ConfigFileName) + " dosyası okunamadı: " + read.Message());
    return false;
  }

  // Each value reaches the model and its box before the next is taken, as the file panel's user sees it.
  ConfigSource source(ConfigFileName, content);
  for (const ConfigField& field : kConfigFields) {
    bool applied = true;
    switch (field.kind) {
      case ConfigField::Kind::Number:
        applied = ApplyNumber(source, ortak.*field.variable, this->*field.box);
        break;
      case ConfigField::Kind::Truth:
        applied = ApplyTruth(source, this->*field.option);
        break;
      case ConfigField::Kind::Panels:
        // The block is there when the file's own option lines, just applied, select the trapezoid.
        applied = !Option_Trapez.Value() || ApplyPanels(source, *this);
        break;
    }
    if (!applied) {
      MsgBox(source.Message());
      return false;
    }
  }

  if (!source.NothingMore()) {
    MsgBox(source.Message());
    return false;
  }

  Frm_IO.SetVisible(false);
  return Planform();
}

}  // namespace kelvane::ui
