// Reading a project file: the JSON parsed, then every key checked and taken into a Project.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "model/MessageText.h"
#include "model/Numbers.h"
#include "model/TextFile.h"
#include "planform/Chords.h"
#include "project/ProjectFile.h"
#include "solver/Flaps.h"

namespace kelvane::project {
namespace {

using Json = nlohmann::json;

// A project is a few hundred bytes; anything much larger is not one.
constexpr std::size_t kProjectSizeLimit = 64 * 1024;
constexpr std::size_t kFlapValues = 4;

constexpr std::string_view kTopKeys[] = {"kelvane", "wing",  "stations", "inputs", "given_cl",
                                         "detail",  "clmax", "polar",    "rho",    "flaps"};
constexpr std::string_view kPanelKeys[] = {"planform", "ks", "kc", "nTrap"};

// A key as a message names it, "wing.S" for a key of the wing.
std::string Key(std::string_view name) { return "\"" + QuoteForMessage(name) + "\""; }

Outcome Fault(std::string reason) { return Outcome::Refused(std::move(reason)); }

// "3. satır, 14. sütun": where the parser stopped, byte counted from 1.
std::string Place(std::string_view content, std::size_t byte) {
  const std::string_view before = content.substr(0, std::min(byte, content.size()));
  const std::size_t line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
  const std::size_t lineStart = before.rfind('\n');
  const std::size_t column = lineStart == std::string_view::npos ? before.size() : before.size() - lineStart - 1;
  return std::to_string(line) + ". satır, " + std::to_string(std::max<std::size_t>(column, 1)) + ". sütun";
}

bool IsWingKey(std::string_view key) {
  const auto named = [key](const auto& entry) { return key == entry.first; };
  return std::any_of(kWingNumbers.begin(), kWingNumbers.end(), named) ||
         std::find(std::begin(kPanelKeys), std::end(kPanelKeys), key) != std::end(kPanelKeys);
}

bool IsTopKey(std::string_view key) {
  return std::find(std::begin(kTopKeys), std::end(kTopKeys), key) != std::end(kTopKeys);
}

Outcome FiniteNumber(const Json& value, const std::string& name, double& number) {
  if (!value.is_number()) return Fault(Key(name) + " sonlu bir sayı olmalı");
  number = value.get<double>();
  if (!std::isfinite(number)) return Fault(Key(name) + " sonlu bir sayı olmalı");
  return Outcome::Done();
}

Outcome Truth(const Json& value, const std::string& name, bool& truth) {
  if (!value.is_boolean()) return Fault(Key(name) + " true ya da false olmalı");
  truth = value.get<bool>();
  return Outcome::Done();
}

// One panel table, ks or kc: a number a panel.
Outcome PanelValues(const Json& value, const std::string& name, TrapezoidTable& table, std::size_t& count) {
  const std::string reason =
      Key(name) + " panel başına birer sayının listesi olmalı (1 ile " + std::to_string(kMaxPanels) + " panel)";
  if (!value.is_array() || value.empty() || value.size() > static_cast<std::size_t>(kMaxPanels)) return Fault(reason);
  for (std::size_t k = 0; k < value.size(); ++k)
    if (FiniteNumber(value[k], name, table[k + 1]).IsRefused()) return Fault(reason);
  count = value.size();
  return Outcome::Done();
}

Outcome Panels(const Json& wing, Wing& into) {
  const bool trapezoid = into.planform == PlanformType::Trapezoidal;
  if (!wing.contains("ks") && !wing.contains("kc")) {
    if (trapezoid) return Fault(Key("wing.ks") + " ve " + Key("wing.kc") + " eksik: bir trapez panellerini ister");
    return Outcome::Done();
  }
  std::size_t ends = 0, chords = 0;
  if (!wing.contains("ks") || !wing.contains("kc"))
    return Fault(Key("wing.ks") + " ve " + Key("wing.kc") + " birlikte verilmeli");
  if (Outcome read = PanelValues(wing["ks"], "wing.ks", into.ks, ends); read.IsRefused()) return read;
  if (Outcome read = PanelValues(wing["kc"], "wing.kc", into.kc, chords); read.IsRefused()) return read;
  if (ends != chords) return Fault(Key("wing.ks") + " ve " + Key("wing.kc") + " aynı sayıda panel vermeli");
  into.nTrap = static_cast<double>(ends);
  if (wing.contains("nTrap")) {
    double count = 0;
    if (Outcome read = FiniteNumber(wing["nTrap"], "wing.nTrap", count); read.IsRefused()) return read;
    if (count != into.nTrap) return Fault(Key("wing.nTrap") + " ks ve kc'deki panel sayısına eşit olmalı");
  }
  return Outcome::Done();
}

Outcome ReadWing(const Json& wing, Wing& into) {
  if (!wing.is_object()) return Fault(Key("wing") + " bir JSON nesnesi olmalı");
  for (const auto& item : wing.items())
    if (!IsWingKey(item.key())) return Fault("bilinmeyen anahtar " + Key("wing." + item.key()));
  for (const auto& [name, member] : kWingNumbers) {
    const std::string key = std::string("wing.") + name;
    if (!wing.contains(name)) return Fault(Key(key) + " eksik");
    if (Outcome read = FiniteNumber(wing[name], key, into.*member); read.IsRefused()) return read;
  }
  if (!wing.contains("planform")) return Fault(Key("wing.planform") + " eksik");
  const Json& planform = wing["planform"];
  if (planform == kEllipticName) {
    into.planform = PlanformType::Elliptic;
  } else if (planform == kTrapezoidName) {
    into.planform = PlanformType::Trapezoidal;
  } else {
    return Fault(Key("wing.planform") + " \"" + kEllipticName + "\" ya da \"" + kTrapezoidName + "\" olmalı");
  }
  return Panels(wing, into);
}

Outcome Stations(const Json& value, Wing& wing) {
  double count = 0;
  if (Outcome read = FiniteNumber(value, "stations", count); read.IsRefused()) return read;
  // The station box's text; the planform command judges it.
  wing.stations = PlainNumberText(count);
  return Outcome::Done();
}

Outcome Inputs(const Json& value, PlanformInputs& inputs) {
  const std::string reason = Key("inputs") + " S, AR, b ve cOrt adlarının listesi olmalı";
  if (!value.is_array()) return Fault(reason);
  inputs = {.S = false, .AR = false};
  for (const Json& name : value) {
    const auto known = std::find_if(kInputNames.begin(), kInputNames.end(),
                                    [&name](const auto& input) { return name == input.first; });
    if (known == kInputNames.end()) return Fault(reason);
    inputs.*known->second = true;
  }
  return Outcome::Done();
}

Outcome MaxLift(const Json& value, std::optional<SectionMaxLift>& clmax) {
  if (value.is_null()) return Outcome::Done();
  const Outcome reason = Fault(Key("clmax") + " null ya da iki pozitif sayı, [kök, uç] olmalı");
  if (!value.is_array() || value.size() != 2) return reason;
  SectionMaxLift read;
  if (FiniteNumber(value[0], "clmax", read.clmaxK).IsRefused() ||
      FiniteNumber(value[1], "clmax", read.clmaxU).IsRefused())
    return reason;
  if (!(read.clmaxK > 0) || !(read.clmaxU > 0)) return reason;
  clmax = read;
  return Outcome::Done();
}

Outcome Polars(const Json& value, std::optional<ProjectPolars>& polar) {
  if (value.is_null()) return Outcome::Done();
  const Outcome reason = Fault(Key("polar") + " null, bir polar dosyası (ya da naca2412@1e6 gibi bir XFoil isteği) " +
                               "ya da bunların ikisi, [kök, uç] olmalı");
  const auto named = [](const Json& name) { return name.is_string() && !name.get<std::string>().empty(); };
  if (named(value)) {
    polar = ProjectPolars{value.get<std::string>(), value.get<std::string>()};
  } else if (value.is_array() && value.size() == 2 && named(value[0]) && named(value[1])) {
    polar = ProjectPolars{value[0].get<std::string>(), value[1].get<std::string>()};
  } else {
    return reason;
  }
  return Outcome::Done();
}

Outcome Density(const Json& value, double& rho) {
  if (Outcome read = FiniteNumber(value, "rho", rho); read.IsRefused()) return read;
  if (Outcome density = CheckAirDensity(rho); density.IsRefused()) return Fault(Key("rho") + ": " + density.Message());
  return Outcome::Done();
}

Outcome Flaps(const Json& value, std::vector<Flap>& flaps) {
  if (!value.is_array()) return Fault(Key("flaps") + " [y1, y2, E, δ] flaplarının listesi olmalı");
  if (value.size() > kMaxFlaps) return Fault(Key("flaps") + " en çok " + std::to_string(kMaxFlaps) + " flap tutar");
  for (std::size_t k = 0; k < value.size(); ++k) {
    const Json& flap = value[k];
    const Outcome reason =
        Fault(Key("flaps") + " listesinin " + std::to_string(k + 1) + ". elemanı dört sayı, [y1, y2, E, δ] olmalı");
    if (!flap.is_array() || flap.size() != kFlapValues) return reason;
    Flap read;
    double* const values[kFlapValues] = {&read.y1, &read.y2, &read.E, &read.delta};
    for (std::size_t v = 0; v < kFlapValues; ++v)
      if (FiniteNumber(flap[v], "flaps", *values[v]).IsRefused()) return reason;
    flaps.push_back(read);
  }
  return Outcome::Done();
}

Outcome Version(const Json& document) {
  if (!document.contains("kelvane"))
    return Fault(Key("kelvane") + " anahtarı yok: bir Kelvane projesi \"kelvane\": 1 ile başlar");
  const Json& version = document["kelvane"];
  if (!version.is_number() || version.get<double>() != kProjectVersion)
    return Fault("proje sürümü " + std::to_string(kProjectVersion) +
                 " olmalı, dosyadaki: " + QuoteForMessage(version.dump()));
  return Outcome::Done();
}

// Every key of the document, in the file's order of meaning: the version first, then the wing.
Outcome ReadDocument(const Json& document, Project& project) {
  if (!document.is_object()) return Fault("dosya bir JSON nesnesi değil");
  if (Outcome version = Version(document); version.IsRefused()) return version;
  for (const auto& item : document.items())
    if (!IsTopKey(item.key())) return Fault("bilinmeyen anahtar " + Key(item.key()));
  if (!document.contains("wing")) return Fault(Key("wing") + " eksik");
  Wing& wing = project.wing;
  Outcome read = ReadWing(document["wing"], wing);
  const auto ifGiven = [&document, &read](const char* key, const auto& take) {
    if (!read.IsRefused() && document.contains(key)) read = take(document[key]);
  };
  ifGiven("stations", [&](const Json& value) { return Stations(value, wing); });
  ifGiven("inputs", [&](const Json& value) { return Inputs(value, wing.given); });
  ifGiven("given_cl", [&](const Json& value) { return Truth(value, "given_cl", project.givenCL); });
  ifGiven("detail", [&](const Json& value) { return Truth(value, "detail", project.detail); });
  ifGiven("clmax", [&](const Json& value) { return MaxLift(value, project.clmax); });
  ifGiven("polar", [&](const Json& value) { return Polars(value, project.polar); });
  ifGiven("rho", [&](const Json& value) { return Density(value, project.rho); });
  ifGiven("flaps", [&](const Json& value) { return Flaps(value, wing.flaps); });
  return read;
}

Outcome Refusal(const std::string& fileName, const std::string& reason) {
  return Outcome::Refused(LimitMessage(PathForMessage(fileName) + " projesi okunamadı: " + reason));
}

}  // namespace

Expected<Project> ReadProjectText(const std::string& fileName, std::string_view content) {
  Json document;
  try {
    document = Json::parse(content);
  } catch (const Json::parse_error& error) {
    return Refusal(fileName, "JSON hatası (" + Place(content, error.byte) + ")");
  } catch (const Json::out_of_range&) {  // a number past the range of a double
    return Refusal(fileName, "bir sayı çok büyük");
  }
  Project project;
  if (Outcome read = ReadDocument(document, project); read.IsRefused()) return Refusal(fileName, read.Message());
  return project;
}

Expected<Project> ReadProjectFile(const std::string& path) {
  std::string content;
  if (const Outcome read = ReadWholeFile(path, content, kProjectSizeLimit); read.IsRefused())
    return Outcome::Refused(LimitMessage(PathForMessage(path) + " dosyası okunamadı: " + read.Message()));
  return ReadProjectText(path, content);
}

}  // namespace kelvane::project
