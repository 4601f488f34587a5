// Tests of project files: every kind of refused file, the text round trip bit for bit, and polar names
// between the project's folder and the working directory.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "project/ProjectFile.h"
#include "project/ProjectPaths.h"

namespace kelvane::project {
namespace {

const std::string kWing =
    R"({"S": 10, "AR": 10, "b": 10, "cOrt": 1, "planform": "elliptic", "AszK": 6.28, "Alfa0K": 0,)"
    R"( "AszU": 6.28, "Alfa0U": 0, "dAlfa": 0, "CL": 0, "AlfaK": 5})";

std::string WithWing(const std::string& rest) { return R"({"kelvane": 1, "wing": )" + kWing + rest + "}"; }

struct RefusedFile {
  const char* what;
  std::string content;
  const char* named;  // a part of the message
};

TEST(ProjectFile, RefusesEveryFaultNamingIt) {
  const RefusedFile cases[] = {
      {"bad JSON", "{\"kelvane\": 1,\n  \"wing\": }", "JSON hatası (2. satır, 11. sütun)"},
      {"not an object", "[1]", "bir JSON nesnesi değil"},
      {"number too large", WithWing(R"(, "rho": 1e400)"), "bir sayı çok büyük"},
      {"no version", R"({"wing": {}})", "\"kelvane\" anahtarı yok"},
      {"another version", R"({"kelvane": 2, "wing": {}})", "proje sürümü 1 olmalı, dosyadaki: 2"},
      {"unknown key", WithWing(R"(, "colour": "red")"), "bilinmeyen anahtar \"colour\""},
      {"unknown wing key", R"({"kelvane": 1, "wing": {"Sx": 1}})", "bilinmeyen anahtar \"wing.Sx\""},
      {"no wing", R"({"kelvane": 1})", "\"wing\" eksik"},
      {"missing number", R"({"kelvane": 1, "wing": {"S": 10}})", "\"wing.AR\" eksik"},
      {"text for a number", WithWing(R"(, "rho": "1.2")"), "\"rho\" sonlu bir sayı olmalı"},
      {"bad planform", R"({"kelvane": 1, "wing": )" + kWing.substr(0, kWing.size() - 1) + R"(, "planform": "round"}})",
       "\"wing.planform\" \"elliptic\" ya da \"trapezoid\" olmalı"},
      {"trapezoid without panels",
       R"({"kelvane": 1, "wing": )" + kWing.substr(0, kWing.size() - 1) + R"(, "planform": "trapezoid"}})",
       "\"wing.ks\" ve \"wing.kc\" eksik"},
      {"five panels",
       R"({"kelvane": 1, "wing": )" + kWing.substr(0, kWing.size() - 1) +
           R"(, "ks": [1, 1, 1, 1, 1], "kc": [1, 1, 1, 1, 1]}})",
       "\"wing.ks\" panel başına"},
      {"stations as text", WithWing(R"(, "stations": "21")"), "\"stations\" sonlu bir sayı olmalı"},
      {"unknown input", WithWing(R"(, "inputs": ["S", "area"])"), "\"inputs\" S, AR, b ve cOrt"},
      {"mode not a truth", WithWing(R"(, "given_cl": 1)"), "\"given_cl\" true ya da false olmalı"},
      {"negative clmax", WithWing(R"(, "clmax": [1.4, -1])"), "\"clmax\" null ya da iki pozitif sayı"},
      {"three polars", WithWing(R"(, "polar": ["a.txt", "b.txt", "c.txt"])"), "\"polar\" null, bir polar"},
      {"empty polar", WithWing(R"(, "polar": "")"), "\"polar\" null, bir polar"},
      {"no air", WithWing(R"(, "rho": 0)"), "\"rho\": Hava yoğunluğu"},
      {"flap of three", WithWing(R"(, "flaps": [[1, 2, 0.25, 10], [1, 2, 0.25]])"),
       "\"flaps\" listesinin 2. elemanı dört sayı"},
  };
  for (const RefusedFile& file : cases) {
    const auto read = ReadProjectText("wing.kelvane", file.content);
    ASSERT_TRUE(read.IsRefused()) << file.what;
    EXPECT_NE(read.Message().find("wing.kelvane projesi okunamadı: "), std::string::npos) << file.what;
    EXPECT_NE(read.Message().find(file.named), std::string::npos) << file.what << ": " << read.Message();
  }
}

TEST(ProjectFile, LeftOutKeysHoldWhatAFreshWindowHolds) {
  const auto read = ReadProjectText("wing.kelvane", WithWing(""));
  ASSERT_FALSE(read.IsRefused()) << read.Message();
  const Project fresh;
  EXPECT_EQ(read->wing.stations, fresh.wing.stations);
  EXPECT_EQ(read->wing.given, fresh.wing.given);
  EXPECT_FALSE(read->givenCL || read->detail || read->clmax || read->polar);
  EXPECT_EQ(read->rho, fresh.rho);
  EXPECT_TRUE(read->wing.flaps.empty());
  EXPECT_EQ(read->wing.AlfaK, 5);
}

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

TEST(ProjectFile, ReadsBackWhatItWroteBitForBit) {
  Project project;
  Wing& wing = project.wing;
  wing.S = 0.1 + 0.2;
  wing.AR = 1.0 / 3;
  wing.AszK = 2 * std::acos(-1.0);
  wing.Alfa0K = -0.0;
  wing.Alfa0U = 1e-300;
  wing.CL = 123456789.123456789;
  wing.planform = PlanformType::Trapezoidal;
  wing.nTrap = 2;
  wing.ks = {0, 1, 0.45};
  wing.kc = {0, 0.7, 1.0 / 7};
  wing.stations = "21";
  wing.given = {.S = false, .AR = true, .b = true, .cOrt = false};
  wing.flaps = {{.y1 = 0.5, .y2 = 2.1, .E = 0.25, .delta = -7.5}};
  project.givenCL = true;
  project.clmax = SectionMaxLift{.clmaxK = 1.45, .clmaxU = 1.2};
  project.polar = ProjectPolars{"polars/kök \"A\".txt", "naca0012@1e6"};
  project.rho = 1.0 / 1.1;

  const std::string text = ProjectText(project);
  const auto read = ReadProjectText("wing.kelvane", text);
  ASSERT_FALSE(read.IsRefused()) << read.Message() << "\n" << text;
  for (const auto& [name, field] : kWingNumbers) EXPECT_TRUE(SameBits(read->wing.*field, wing.*field)) << name;
  for (int row = 1; row <= 2; ++row)
    EXPECT_TRUE(SameBits(read->wing.ks[row], wing.ks[row]) && SameBits(read->wing.kc[row], wing.kc[row]));
  EXPECT_EQ(read->wing.planform, PlanformType::Trapezoidal);
  EXPECT_EQ(read->wing.nTrap, 2);
  EXPECT_EQ(read->wing.stations, "21");
  EXPECT_EQ(read->wing.given, wing.given);
  EXPECT_TRUE(read->givenCL);
  EXPECT_EQ(read->polar, project.polar);
  EXPECT_TRUE(SameBits(read->rho, project.rho));
  EXPECT_EQ(ProjectText(*read), text);
  EXPECT_NE(text.find("\"Alfa0K\": -0.0,"), std::string::npos) << text;
}

TEST(ProjectFile, PolarNamesStartFromTheProjectsFolder) {
  const std::filesystem::path folder = "/designs/uav";
  struct Name {
    const char* inProject;
    const char* inProgram;
  };
  const Name names[] = {
      {"polars/naca2412.txt", "/designs/uav/polars/naca2412.txt"},
      {"/shared/naca0012.txt", "/shared/naca0012.txt"},
      {"naca2412@1e6", "naca2412@1e6"},
      {"sections/clark-y.dat@3e5", "/designs/uav/sections/clark-y.dat@3e5"},
  };
  for (const Name& name : names) {
    EXPECT_EQ(PolarFromProject(name.inProject, folder), name.inProgram);
    EXPECT_EQ(PolarForProject(name.inProgram, folder), name.inProject);
  }
  EXPECT_EQ(PolarForProject("/designs/other/a.txt", folder), "/designs/other/a.txt");
}

}  // namespace
}  // namespace kelvane::project
