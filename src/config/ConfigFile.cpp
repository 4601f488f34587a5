// Writing and reading a wing configuration file: one table of its values drives both.
#include "config/ConfigFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "config/ConfigFormat.h"
#include "model/MessageText.h"
#include "model/TextFile.h"
#include "planform/Chords.h"

namespace kelvane::config {
namespace {

// A configuration file has at most 22 short lines; anything much larger is not one.
constexpr std::size_t kConfigSizeLimit = 64 * 1024;

// One entry of a configuration file: a number with the record's and the wing's field, an option line, or
// the trapezoid block.
struct ConfigField {
  ConfigItem item;
  double Module_ortak::*variable = nullptr;
  double Wing::*value = nullptr;
};

// The file, one value a line in this order; the writer and the reader both walk this table. The trapezoid
// block is nTrap, then ks(i) and kc(i) for each panel; it is there only when the trapezoidal option is
// selected (the writer asks the window, the reader the file's own option lines).
constexpr ConfigField kConfigFields[] = {
    {ConfigItem::S, &Module_ortak::S, &Wing::S},
    {ConfigItem::AR, &Module_ortak::AR, &Wing::AR},
    {ConfigItem::cOrt, &Module_ortak::cOrt, &Wing::cOrt},
    {ConfigItem::b, &Module_ortak::b, &Wing::b},
    {ConfigItem::EllipticOption},
    {ConfigItem::TrapezoidOption},
    {ConfigItem::PanelCount},
    {ConfigItem::dAlfa, &Module_ortak::dAlfa, &Wing::dAlfa},
    {ConfigItem::AszK, &Module_ortak::AszK, &Wing::AszK},
    {ConfigItem::Alfa0K, &Module_ortak::Alfa0K, &Wing::Alfa0K},
    {ConfigItem::AszU, &Module_ortak::AszU, &Wing::AszU},
    {ConfigItem::Alfa0U, &Module_ortak::Alfa0U, &Wing::Alfa0U},
    {ConfigItem::CL, &Module_ortak::CL, &Wing::CL},
    {ConfigItem::AlfaK, &Module_ortak::AlfaK, &Wing::AlfaK},
};

// A value from the file inside a sentence of the message.
std::string InQuotes(std::string_view value) { return "\"" + QuoteForMessage(value) + "\""; }

// Takes the file's values one by one; the first fault becomes the message that names its line.
class ConfigSource {
 public:
  ConfigSource(std::string fileName, std::string_view content) : fileName_(std::move(fileName)), values_(content) {}

  std::optional<double> Number() { return Parsed(ParseConfigNumber, " sonlu bir sayı değil"); }

  std::optional<bool> Truth() { return Parsed(ParseConfigTruth, " yerine True ya da False olmalı"); }

  // A count out of range is refused here, before a window's count box would report it a second time. A
  // count that is not whole comes back as the writer wrote it, with the pairs of its whole part; the
  // planform command refuses it.
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

  Outcome Refusal() const { return Outcome::Refused(message_); }

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

// An option line acts as a click on its button: selecting it deselects the other type; deselecting the
// type on view leaves none.
void ApplyOption(std::optional<PlanformType>& planform, PlanformType option, bool selected) {
  if (selected) {
    planform = option;
  } else if (planform == option) {
    planform.reset();
  }
}

std::string PanelLines(const Module_ortak& record) {
  std::string lines = ConfigNumberLine(record.nTrap);
  for (int i = 1; i <= record.nTrap; ++i) lines += ConfigNumberLine(record.ks[i]) + ConfigNumberLine(record.kc[i]);
  return lines;
}

}  // namespace

PlanformOptions OptionsOf(const std::optional<PlanformType>& planform) {
  return {.elliptic = planform == PlanformType::Elliptic, .trapezoidal = planform == PlanformType::Trapezoidal};
}

std::string ConfigText(const Module_ortak& record, PlanformOptions options) {
  std::string text;
  for (const ConfigField& field : kConfigFields) {
    switch (field.item) {
      case ConfigItem::EllipticOption: text += ConfigTruthLine(options.elliptic); break;
      case ConfigItem::TrapezoidOption: text += ConfigTruthLine(options.trapezoidal); break;
      case ConfigItem::PanelCount:
        if (options.trapezoidal) text += PanelLines(record);
        break;
      default: text += ConfigNumberLine(record.*field.variable); break;
    }
  }
  return text;
}

Expected<Wing> ReadConfigText(const std::string& fileName, std::string_view content, Wing wing,
                              const ConfigProgress& progress) {
  const auto taken = [&](ConfigItem item, double value, int row = 0) {
    if (progress) progress(item, row, value);
  };
  ConfigSource source(fileName, content);
  for (const ConfigField& field : kConfigFields) {
    switch (field.item) {
      case ConfigItem::EllipticOption:
      case ConfigItem::TrapezoidOption: {
        const auto selected = source.Truth();
        if (!selected) return source.Refusal();
        const auto option =
            field.item == ConfigItem::EllipticOption ? PlanformType::Elliptic : PlanformType::Trapezoidal;
        ApplyOption(wing.planform, option, *selected);
        taken(field.item, *selected ? 1 : 0);
        break;
      }
      case ConfigItem::PanelCount: {
        // The block is there when the file's own option lines, just taken, select the trapezoid.
        if (wing.planform != PlanformType::Trapezoidal) break;
        const auto count = source.PanelCount();
        if (!count) return source.Refusal();
        wing.nTrap = *count;
        taken(ConfigItem::PanelCount, *count);
        for (int row = 1; row <= *count; ++row) {
          const auto end = source.Number();
          if (!end) return source.Refusal();
          wing.ks[row] = *end;
          taken(ConfigItem::PanelEnd, *end, row);
          const auto chord = source.Number();
          if (!chord) return source.Refusal();
          wing.kc[row] = *chord;
          taken(ConfigItem::PanelChord, *chord, row);
        }
        break;
      }
      default: {
        const auto number = source.Number();
        if (!number) return source.Refusal();
        wing.*field.value = *number;
        taken(field.item, *number);
        break;
      }
    }
  }
  if (!source.NothingMore()) return source.Refusal();
  return wing;
}

Expected<Wing> ReadConfigFile(const std::string& path, Wing start, const ConfigProgress& progress) {
  std::string content;
  if (const Outcome read = ReadWholeFile(path, content, kConfigSizeLimit); read.IsRefused())
    return Outcome::Refused(PathForMessage(path) + " dosyası okunamadı: " + read.Message());
  return ReadConfigText(path, content, std::move(start), progress);
}

double Module_ortak::*RecordField(ConfigItem item) {
  for (const ConfigField& field : kConfigFields)
    if (field.item == item) return field.variable;
  return nullptr;
}

double Wing::*WingField(ConfigItem item) {
  for (const ConfigField& field : kConfigFields)
    if (field.item == item) return field.value;
  return nullptr;
}

void ForEachConfigValue(const Wing& wing, const ConfigProgress& progress) {
  const PlanformOptions options = OptionsOf(wing.planform);
  for (const ConfigField& field : kConfigFields) {
    switch (field.item) {
      case ConfigItem::EllipticOption: progress(field.item, 0, options.elliptic ? 1 : 0); break;
      case ConfigItem::TrapezoidOption: progress(field.item, 0, options.trapezoidal ? 1 : 0); break;
      case ConfigItem::PanelCount:
        if (!options.trapezoidal) break;
        progress(ConfigItem::PanelCount, 0, wing.nTrap);
        for (int row = 1; row <= wing.nTrap && row <= kMaxPanels; ++row) {
          progress(ConfigItem::PanelEnd, row, wing.ks[row]);
          progress(ConfigItem::PanelChord, row, wing.kc[row]);
        }
        break;
      default: progress(field.item, 0, wing.*field.value); break;
    }
  }
}

double AsSavedInConfig(double value) {
  const std::string line = ConfigNumberLine(value);
  ConfigValueReader reader(line);
  const auto text = reader.Next();
  return text ? ParseConfigNumber(*text).value_or(value) : value;
}

}  // namespace kelvane::config
