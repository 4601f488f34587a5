// Tests of the window's configuration files: writing, reading and every refused line.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

#include "StartedForm.h"

namespace kelvane::ui::testing {
namespace {

namespace fs = std::filesystem;

const std::string kStartUpFile =
    " 10 \r\n 10 \r\n 1 \r\n 10 \r\nTrue\r\nFalse\r\n"
    " 0 \r\n 6.28318530717959 \r\n 0 \r\n 6.28318530717959 \r\n 0 \r\n 0 \r\n 10 \r\n";
const std::string kTwoPanelFile =
    " 10 \r\n 10 \r\n 1 \r\n 10 \r\nFalse\r\nTrue\r\n 2 \r\n 1 \r\n 1 \r\n .8 \r\n .6 \r\n"
    " 0 \r\n 6.28318530717959 \r\n 0 \r\n 6.28318530717959 \r\n 0 \r\n 0 \r\n 10 \r\n";

class ConfigFile : public StartedForm {
 protected:
  bool Save(const std::string& name) {
    form.Mn_Save.Click();
    form.Text_OutFile.SetText(name);
    form.Command_Save.Click();
    return fs::exists(name);
  }
  void Read(const std::string& name, const std::string& content) {
    WriteFile(name, content);
    form.Mn_Open.Click();
    form.File1.RefreshList();
    form.File1.Click(name);
  }
  void EnterTwoPanels() {
    form.Option_Trapez.Click();
    form.Text_nTrap.SetText("2");
    const char* texts[] = {"1", "1", "0.8", "0.6"};
    for (int i = 1; i <= 2; ++i) {
      form.Text_ks[i]->SetText(texts[2 * i - 2]);
      form.Text_kc[i]->SetText(texts[2 * i - 1]);
    }
    form.Cmd_Planform.Click();
  }
};

TEST_F(ConfigFile, WritesTheStartUpWingByteForByte) {
  ASSERT_TRUE(Save("wing.cfg"));
  EXPECT_EQ(ReadFile("wing.cfg"), kStartUpFile);
  EXPECT_FALSE(form.Frm_IO.Visible());
}

TEST_F(ConfigFile, WritesTheModelNotTheBoxes) {
  form.Text_Area.SetText("20");  // not yet taken by a planform command
  Save("wing.cfg");
  EXPECT_EQ(ReadFile("wing.cfg"), kStartUpFile);
}

TEST_F(ConfigFile, WritesTheTrapezoidBlock) {
  EnterTwoPanels();
  Save("two.cfg");
  EXPECT_EQ(ReadFile("two.cfg"), kTwoPanelFile);

  form.Text_nTrap.SetText("2.5");
  Save("half.cfg");
  const auto lines = CrLfLines(ReadFile("half.cfg"));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[6], " 2.5 ");
  EXPECT_EQ(lines[9], " .8 ");

  form.Text_nTrap.SetText("5");
  const auto shown = form.Messages().size();
  EXPECT_FALSE(Save("five.cfg"));
  EXPECT_EQ(MessagesSince(shown), std::vector<std::string>{"Trapez sayısı 1 ile 4 arasında olmalıdır"});
  EXPECT_TRUE(form.Frm_IO.Visible());
}

TEST_F(ConfigFile, ReadsATrapezoidalFileIntoAnEllipticWindow) {
  Read("two.cfg", kTwoPanelFile);
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_TRUE(form.Option_Trapez.Value());
  EXPECT_TRUE(form.Frame_Trap.Visible());
  EXPECT_TRUE(form.Text_ks[2]->Visible());
  EXPECT_FALSE(form.Text_ks[3]->Visible());
  EXPECT_EQ(form.Text_ks[2]->Text(), "0.8");
  EXPECT_EQ(form.Text_kc[2]->Text(), "0.6");
  EXPECT_FALSE(form.Frm_IO.Visible());
  EXPECT_EQ(form.Picture1.Surface().CountOf(PlotCommand::Kind::DrawLine), 3 * 15 + 65);
  EXPECT_EQ(form.Picture1.Surface().CountOf(PlotCommand::Kind::DrawLineTo), 6);
}

// A count the window has no panel rows for is refused with the count box's own message.
TEST_F(ConfigFile, PanelCountOutOfRangeIsRefusedWithTheCountBoxMessage) {
  std::string five = kTwoPanelFile;
  five.replace(five.find("\r\n 2 \r\n"), 7, "\r\n 5 \r\n");
  Read("five.cfg", five);
  ASSERT_EQ(form.Messages().size(), 1u);
  const std::string reason = "7. satırı okunamadı: Trapez sayısı 1 ile 4 arasında olmalıdır";
  EXPECT_TRUE(form.Messages()[0].ends_with(reason)) << form.Messages()[0];
}

// 2.5 is saved with the pairs of panels 1 and 2 and read back with them; only the planform command at the
// end of the read refuses a count that is not whole.
TEST_F(ConfigFile, ReadsBackAPanelCountThatIsNotWhole) {
  EnterTwoPanels();
  form.Text_nTrap.SetText("2.5");
  Save("half.cfg");
  auto fresh = StartForm();
  Form_Wing& f = *fresh;
  WriteFile("half-copy.cfg", ReadFile("half.cfg"));
  f.Mn_Open.Click();
  f.File1.RefreshList();
  f.File1.Click("half-copy.cfg");

  EXPECT_EQ(f.Messages(), std::vector<std::string>{"Trapez sayısı 1 ile 4 arasında olmalıdır"});
  EXPECT_EQ(f.Text_nTrap.Text(), "2.5");
  EXPECT_EQ(f.Text_ks[2]->Text(), "0.8");
  EXPECT_EQ(f.Text_kc[2]->Text(), "0.6");
  EXPECT_TRUE(f.Text_ks[2]->Visible());
  EXPECT_FALSE(f.Text_ks[3]->Visible());
  f.Text_nTrap.SetText("2");
  f.Cmd_Planform.Click();
  EXPECT_EQ(f.Messages().size(), 1u);
}

TEST_F(ConfigFile, ReadsWhatItWrites) {
  form.Text_dAlfa.SetText("-3");
  form.Text_Alfa0K.SetText("0.402");
  form.PLL.Click();
  const std::string written = ReadFile("LastConfig.cfg");
  auto lfOnly = written;
  std::erase(lfOnly, '\r');
  Read("lf.cfg", lfOnly + "\n \n\t\n");  // blank lines after the last value are no fault
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(form.Text_dAlfa.Text(), "-3");
  EXPECT_EQ(form.Text_Alfa0K.Text(), "0.402");
  Save("again.cfg");
  EXPECT_EQ(ReadFile("again.cfg"), written);

  Read("two.cfg", kTwoPanelFile);  // the trapezoid block, both ways
  EXPECT_TRUE(form.Messages().empty());
  Save("two-again.cfg");
  EXPECT_EQ(ReadFile("two-again.cfg"), kTwoPanelFile);
}

TEST_F(ConfigFile, PlanformTypeLinesDecideTheOptions) {
  std::string bothTrue = kTwoPanelFile;
  bothTrue.replace(bothTrue.find("False"), 5, "True");
  Read("both.cfg", bothTrue);
  EXPECT_TRUE(form.Option_Trapez.Value());
  EXPECT_FALSE(form.Option_Eliptik.Value());
  EXPECT_TRUE(form.Messages().empty());

  std::string neither = kStartUpFile;
  neither.replace(neither.find("True"), 4, "False");
  Read("neither.cfg", neither);
  EXPECT_FALSE(form.Option_Trapez.Value() || form.Option_Eliptik.Value());
  EXPECT_EQ(form.Messages(), std::vector<std::string>{"Üst görünüm şeklini seçiniz"});
}

TEST_F(ConfigFile, ReadFaultShowsOneMessageAndKeepsTheRest) {
  const auto withLine = [](std::string file, int line, const std::string& value) {
    auto start = std::string::size_type{0};
    for (int i = 1; i < line; ++i) start = file.find("\r\n", start) + 2;
    return file.replace(start, file.find("\r\n", start) - start, value);
  };
  const std::string elliptic = withLine(kStartUpFile, 1, " 20 ");
  const std::string trapezoidal = withLine(kTwoPanelFile, 1, " 20 ");
  struct Case {
    std::string content;
    std::string message;  // its start after the path
    const char* area;     // line 1 is applied before a fault further down
  };
  const Case cases[] = {
      {withLine(elliptic, 2, " abc "), " dosyasının 2. satırı okunamadı: ", "20"},
      {withLine(elliptic, 2, "12abc"), " dosyasının 2. satırı okunamadı: ", "20"},
      {withLine(elliptic, 3, "1e999"), " dosyasının 3. satırı okunamadı: ", "20"},
      {withLine(elliptic, 5, "Yes"), " dosyasının 5. satırı okunamadı: ", "20"},
      {elliptic.substr(0, elliptic.find("\r\n 0 \r\n 6.28") + 2), " dosyasının 7. satırı okunamadı: ", "20"},
      {withLine(trapezoidal, 7, " 5 "), " dosyasının 7. satırı okunamadı: ", "20"},
      {withLine(trapezoidal, 7, " 0 "), " dosyasının 7. satırı okunamadı: ", "20"},
      {std::string(100 * 1024, ' '), " dosyası okunamadı: ", "10"},
      // Values left over: every value after the split one, or after the panels counted, was misplaced.
      {elliptic + " 7 \r\n", " dosyasının 14. satırında fazla değer var: \"7\"", "20"},
      {withLine(elliptic, 7, " 1,5 "), " dosyasının 13. satırında fazla değer var: \"10\"", "20"},
      {withLine(trapezoidal, 7, " 1 "), " dosyasının 17. satırında fazla değer var: \"0\"", "20"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    auto fresh = StartForm();
    Form_Wing& f = *fresh;
    const auto report = ReadFile("PLL.txt");
    WriteFile("bad.cfg", c.content);
    f.Mn_Open.Click();
    f.File1.Click("bad.cfg");

    ASSERT_EQ(f.Messages().size(), 1u);
    EXPECT_EQ(f.Messages()[0].rfind((workDir.Path() / "bad.cfg").string() + c.message, 0), 0u) << f.Messages()[0];
    EXPECT_TRUE(f.Frm_IO.Visible());
    EXPECT_EQ(ReadFile("PLL.txt"), report);  // the planform command did not run
    EXPECT_EQ(f.Text_Area.Text(), c.area);
    EXPECT_EQ(f.Text_AR.Text(), "10");
    EXPECT_EQ(f.Text_nTrap.Text(), "1");
  }
}

TEST_F(ConfigFile, MissingFileIsNamedInItsMessage) {
  form.ConfigFileName = "nosuch.cfg";
  EXPECT_FALSE(form.ReadAnExistingConfig_from_aFile());
  ASSERT_EQ(form.Messages().size(), 1u);
  EXPECT_EQ(form.Messages()[0].rfind("nosuch.cfg dosyası okunamadı: ", 0), 0u);
}

// A file size limit makes the write fail for root as well as for anyone else.
TEST_F(ConfigFile, FailedSaveKeepsTheOldFile) {
  constexpr rlim_t kTinyFileSize = 16;
  WriteFile("wing.cfg", "old");
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = previous;
  tiny.rlim_cur = kTinyFileSize;
  setrlimit(RLIMIT_FSIZE, &tiny);
  Save("wing.cfg");
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(ReadFile("wing.cfg"), "old");
  ASSERT_EQ(form.Messages().size(), 1u);
  // The bare name was saved in the folder the panel shows; the reason is the window's language too.
  EXPECT_EQ(form.Messages()[0], (workDir.Path() / "wing.cfg").string() + " dosyası yazılamadı: dosya çok büyük");
  EXPECT_TRUE(form.Frm_IO.Visible());
}

}  // namespace
}  // namespace kelvane::ui::testing
