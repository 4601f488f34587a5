// Tests of the configuration file panel.
#include <gtest/gtest.h>

#include <filesystem>

#include "StartedForm.h"

namespace kelvane::ui::testing {
namespace {

namespace fs = std::filesystem;

class FilePanel : public StartedForm {
 protected:
  std::vector<bool> Shown() {
    return {form.Frm_IO.Visible(),        form.Drive1.Visible(),       form.Dir1.Visible(),
            form.File1.Visible(),         form.Text_OutFile.Visible(), form.Command_Save.Visible(),
            form.Command_Cancel.Visible()};
  }
};

TEST_F(FilePanel, ModesShowTheirControls) {
  form.Mn_Open.Click();
  EXPECT_EQ(Shown(), (std::vector<bool>{true, true, true, true, false, false, false}));
  form.Mn_Save.Click();
  EXPECT_EQ(Shown(), (std::vector<bool>{true, true, true, false, true, true, true}));
  form.Command_Cancel.Click();
  EXPECT_FALSE(form.Frm_IO.Visible());
}

TEST_F(FilePanel, SaveModeOffersThePatternEachTime) {
  form.Mn_Save.Click();
  form.Text_OutFile.SetText("mine.cfg");
  form.Command_Cancel.Click();
  form.Mn_Save.Click();
  EXPECT_EQ(form.Text_OutFile.Text(), "*.cfg");
  EXPECT_FALSE(fs::exists("mine.cfg"));
}

TEST_F(FilePanel, RefusesNamesThatCannotTakeAFile) {
  fs::create_directory("folder");
  for (const char* name : {"*.cfg", "", "   ", "wing?.cfg", "folder", "folder/", "new/"}) {
    SCOPED_TRACE(name);
    const auto shown = form.Messages().size();
    form.Mn_Save.Click();
    form.Text_OutFile.SetText(name);
    form.Command_Save.Click();
    EXPECT_EQ(MessagesSince(shown), std::vector<std::string>{"Geçerli bir dosya adı yazınız"});
    EXPECT_TRUE(form.Frm_IO.Visible());
  }
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2);  // PLL.txt, folder
}

TEST_F(FilePanel, BareNameIsSavedInTheFolderThePanelShowsAndListed) {
  fs::create_directory("other");
  form.Mn_Save.Click();
  form.Dir1.SetPath((workDir.Path() / "other").string());
  EXPECT_EQ(form.File1.Path(), (workDir.Path() / "other").string());
  form.Text_OutFile.SetText("bare.cfg");
  form.Command_Save.Click();

  EXPECT_TRUE(fs::exists(workDir.Path() / "other" / "bare.cfg"));
  EXPECT_FALSE(fs::exists(workDir.Path() / "bare.cfg"));
  EXPECT_FALSE(form.Frm_IO.Visible());
  form.Mn_Open.Click();
  EXPECT_EQ(form.File1.Items(), std::vector<std::string>{"bare.cfg"});

  // A full path stands as typed.
  form.Mn_Save.Click();
  form.Text_OutFile.SetText((workDir.Path() / "full.cfg").string());
  form.Command_Save.Click();
  EXPECT_TRUE(fs::exists(workDir.Path() / "full.cfg"));
  EXPECT_TRUE(form.Questions().empty());
}

// A name without an extension is saved with the configuration files' one, so that the file list shows it.
TEST_F(FilePanel, NameWithoutExtensionIsSavedAsAConfigurationFile) {
  fs::create_directory("sub");
  for (const auto& [typed, saved] : std::vector<std::pair<std::string, std::string>>{
           {"wing", "wing.cfg"}, {"notes.txt", "notes.txt"}, {"sub/inner", "sub/inner.cfg"}, {"wing", "wing.cfg"}}) {
    form.Mn_Save.Click();
    form.Text_OutFile.SetText(typed);
    form.Command_Save.Click();
    EXPECT_TRUE(fs::exists(saved)) << typed;
  }
  EXPECT_EQ(form.Questions(), std::vector<std::string>{"wing.cfg dosyası zaten var. Üzerine yazılsın mı?"});
  form.Mn_Open.Click();
  EXPECT_EQ(form.File1.Items(), std::vector<std::string>{"wing.cfg"});
}

TEST_F(FilePanel, SavingOverAFileAsksFirst) {
  WriteFile("wing.cfg", "old");
  bool answer = false;
  form.SetQuestionHook([&answer](const std::string&) { return answer; });
  form.Mn_Save.Click();
  form.Text_OutFile.SetText("wing.cfg");
  form.Command_Save.Click();
  EXPECT_EQ(form.Questions(), std::vector<std::string>{"wing.cfg dosyası zaten var. Üzerine yazılsın mı?"});
  EXPECT_EQ(ReadFile("wing.cfg"), "old");
  EXPECT_TRUE(form.Frm_IO.Visible());  // for another name

  answer = true;
  form.Command_Save.Click();
  EXPECT_EQ(form.Questions().size(), 2u);
  EXPECT_EQ(CrLfLines(ReadFile("wing.cfg")).front(), " 10 ");
  EXPECT_FALSE(form.Frm_IO.Visible());
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(FilePanel, FoldersBeginningWithADotAreNotListed) {
  for (const char* folder : {".config", ".git", "wings", "a.b"}) fs::create_directory(folder);
  EXPECT_EQ(form.Dir1.Subfolders(), (std::vector<std::string>{"a.b", "wings"}));
}

// A name written on another system, in Windows-1254: "ı" is the byte FD, not valid UTF-8.
TEST_F(FilePanel, NamesThatAreNotUtf8AreListedReadAndSavedByTheirBytes) {
  const std::string folder = "kanat\xFD";
  const std::string name = "\xFD.cfg";
  fs::create_directory(folder);
  WriteFile(fs::path(folder) / name,
            " 20 \r\n 5 \r\n 2 \r\n 10 \r\nTrue\r\nFalse\r\n 0 \r\n 6 \r\n 0 \r\n 6 \r\n 0 \r\n 0 \r\n 4 \r\n");
  form.Mn_Open.Click();
  form.Dir1.SetPath(workDir.Path().string());
  EXPECT_EQ(form.Dir1.Subfolders(), std::vector<std::string>{folder});
  form.Dir1.SetPath((workDir.Path() / folder).string());
  ASSERT_EQ(form.File1.Items(), std::vector<std::string>{name});
  form.File1.Click(name);
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(form.Text_Area.Text(), "20");

  form.Mn_Save.Click();
  form.Text_OutFile.SetText("copy.cfg");
  form.Command_Save.Click();
  EXPECT_EQ(CrLfLines(ReadFile(workDir.Path() / folder / "copy.cfg")).front(), " 20 ");
}

TEST_F(FilePanel, FileFaultsAreToldInTurkish) {
  form.File1.Click("missing.cfg");
  form.Mn_Save.Click();
  form.Text_OutFile.SetText("/kelvane-no-such-folder/wing.cfg");
  form.Command_Save.Click();
  EXPECT_EQ(form.Messages(),
            (std::vector<std::string>{
                (workDir.Path() / "missing.cfg").string() + " dosyası okunamadı: böyle bir dosya ya da klasör yok",
                "/kelvane-no-such-folder/wing.cfg dosyası yazılamadı: böyle bir dosya ya da klasör yok"}));
  EXPECT_TRUE(form.Frm_IO.Visible());
}

TEST_F(FilePanel, ClickOnANameReadsItAndClosesThePanel) {
  fs::create_directory("wings");
  WriteFile("wings/b.cfg",
            " 20 \r\n 5 \r\n 2 \r\n 10 \r\nTrue\r\nFalse\r\n 0 \r\n 6 \r\n 0 \r\n 6 \r\n 0 \r\n 0 \r\n 4 \r\n");
  WriteFile("wings/a.cfg", "");
  WriteFile("wings/notes.txt", "");
  fs::create_directory("wings/sub.cfg");
  form.Mn_Open.Click();
  form.Dir1.SetPath((workDir.Path() / "wings").string());
  EXPECT_EQ(form.File1.Items(), (std::vector<std::string>{"a.cfg", "b.cfg"}));

  form.File1.Click("b.cfg");
  EXPECT_EQ(form.ConfigFileName, (workDir.Path() / "wings" / "b.cfg").string());
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(form.Text_Area.Text(), "20");
  EXPECT_EQ(form.Text_AlfaK.Text(), "4");
  EXPECT_FALSE(form.Frm_IO.Visible());
}

TEST_F(FilePanel, DriveLeadsTheFolderAndFileLists) {
  EXPECT_EQ(form.Drive1.Drives(), std::vector<std::string>{"/"});
  EXPECT_EQ(form.Dir1.Path(), workDir.Path().string());
  form.Drive1.SetDrive("/");
  EXPECT_EQ(form.Dir1.Path(), "/");
  EXPECT_EQ(form.File1.Path(), "/");

  form.File1.Click("kelvane-missing.cfg");
  EXPECT_EQ(form.ConfigFileName, "/kelvane-missing.cfg");
  ASSERT_EQ(form.Messages().size(), 1u);
}

}  // namespace
}  // namespace kelvane::ui::testing
