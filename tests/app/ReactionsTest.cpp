// The user's actions on the widgets reach the form, and what the form then changes shows at once.
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <filesystem>

#include "WindowFixture.h"
#include "app/AboutWidget.h"

namespace kelvane::testing {
namespace {

constexpr const char* kPanelCountOutOfRange = "Trapez sayısı 1 ile 4 arasında olmalıdır";

// How many pixels of the picture show something other than its background.
int DrawnPixels(QWidget* picture) {
  const QImage image = picture->grab().toImage();
  const QRgb background = qRgb(255, 255, 192);
  int drawn = 0;
  const QRect inside = picture->contentsRect().adjusted(1, 1, -1, -1);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) drawn += image.pixel(x, y) != background;
  return drawn;
}

QListWidgetItem* FindItem(QListWidget* list, const QString& text) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->text().trimmed() == text) return list->item(row);
  return nullptr;
}

TEST_F(WindowTest, CommandButtonsDrawAndShowTheResults) {
  EXPECT_GT(DrawnPixels(Widget(form_->Picture1)), 0);  // the start-up planform
  EXPECT_EQ(DrawnPixels(Widget(form_->Picture2)), 0);
  Click(form_->Cmd_Planform);
  Click(form_->PLL);
  EXPECT_EQ(TextOf(form_->Text_CL), "0.91385");
  EXPECT_EQ(TextOf(form_->Text_CDi), "0.026583");
  EXPECT_EQ(TextOf(form_->Text_E), "34.377");
  EXPECT_EQ(TextOf(form_->Text_CDiE), "0.02658");
  EXPECT_TRUE(OnView(form_->Text_CL));
  EXPECT_TRUE(OnView(form_->Text_AlfaK));
  EXPECT_GT(DrawnPixels(Widget(form_->Picture2)), 0);
  EXPECT_GT(DrawnPixels(Widget(form_->Picture3)), 0);
}

TEST_F(WindowTest, TypingAPlanformValueAsksForThePlanformCommandWhichClearsTheResults) {
  Click(form_->PLL);
  Type(form_->Text_Area, "20");
  MessageBoxCloser closer;
  Click(form_->PLL);
  EXPECT_EQ(closer.Texts(), QStringList{"Önce üst-görünüm hesabını yapınız"});
  EXPECT_EQ(TextOf(form_->Text_E), "34.377");  // still the solution of the planform on view
  Click(form_->Cmd_Planform);
  EXPECT_EQ(TextOf(form_->Text_E), "");
  EXPECT_EQ(TextOf(form_->Text_CDi), "0");
  EXPECT_EQ(DrawnPixels(Widget(form_->Picture2)), 0);
  EXPECT_EQ(DrawnPixels(Widget(form_->Picture3)), 0);
}

TEST_F(WindowTest, BoxesShowTheStartOfTheirTextAndAllOfItAsATooltip) {
  QLineEdit* slope = Widget<QLineEdit>(form_->Text_AszK);
  EXPECT_EQ(slope->toolTip(), "6.28318530717959");
  QApplication::setActiveWindow(window_.get());  // focus moves only inside the active window
  Type(form_->Text_AszK, "6.28318530717959");
  EXPECT_EQ(slope->cursorPosition(), 16);
  Widget(form_->Text_AszU)->setFocus();  // the focus leaves the box
  EXPECT_EQ(slope->cursorPosition(), 0);

  Type(form_->Text_Area, "1.5E+150");
  EXPECT_EQ(Widget(form_->Text_Area)->toolTip(), "1.5E+150");
  Click(form_->Cmd_Planform);
  EXPECT_EQ(Widget(form_->Text_b)->toolTip(), QString::fromStdString(form_->Text_b.Text()));
  EXPECT_EQ(Widget<QLineEdit>(form_->Text_b)->cursorPosition(), 0);
}

TEST_F(WindowTest, ResultBoxesCannotBeTypedInto) {
  Click(form_->PLL);
  for (const ui::TextBox* result :
       {&form_->Text_CDi, &form_->Text_E, &form_->Text_AlfE, &form_->Text_CDiE, &form_->Text_EE}) {
    EXPECT_TRUE(Widget<QLineEdit>(*result)->isReadOnly()) << result->Name();
    const std::string shown = result->Text();
    Type(*result, "7");
    EXPECT_EQ(result->Text(), shown);
  }
  EXPECT_FALSE(Widget<QLineEdit>(form_->Text_CL)->isReadOnly());  // an input in the given-CL mode
}

TEST_F(WindowTest, EscapeClosesTheFilePanelInEitherMode) {
  ChooseMenu(form_->Mn_Open);
  PressEscape(form_->File1);
  EXPECT_FALSE(OnView(form_->Frm_IO));
  ChooseMenu(form_->Mn_Save);
  PressEscape(form_->Text_OutFile);
  EXPECT_FALSE(OnView(form_->Frm_IO));
  EXPECT_EQ(form_->Messages(), std::vector<std::string>{});
}

// Every wing that solves is drawn, however far its coordinates lie from those of a float.
TEST_F(WindowTest, DrawsWingsOfAnySize) {
  MessageBoxCloser closer;
  for (const char* area : {"1e300", "1e-300"}) {
    SCOPED_TRACE(area);
    Type(form_->Text_Area, area);
    Click(form_->Cmd_Planform);
    Click(form_->PLL);
    EXPECT_EQ(closer.Texts(), QStringList{});
    for (const ui::PictureBox* picture : {&form_->Picture1, &form_->Picture2, &form_->Picture3})
      EXPECT_GT(DrawnPixels(Widget(*picture)), 100) << picture->Name();
  }
}

TEST_F(WindowTest, RejectedInputShowsOneModalBoxAndCarriesOn) {
  Type(form_->Text_N, "16");
  MessageBoxCloser closer;
  Click(form_->Cmd_Planform);
  ASSERT_EQ(closer.Texts().size(), 1);
  EXPECT_EQ(closer.Texts()[0].toStdString(), form_->Messages().back());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowTest, TypingThePanelCountShowsAndHidesRows) {
  Click(form_->Option_Trapez);
  EXPECT_TRUE(OnView(form_->Frame_Trap));
  MessageBoxCloser closer;
  Type(form_->Text_nTrap, "3");  // the emptied box is rejected on the way
  EXPECT_EQ(closer.Texts(), QStringList{kPanelCountOutOfRange});
  EXPECT_TRUE(OnView(*form_->Text_ks[3]));
  EXPECT_FALSE(OnView(*form_->Text_kc[4]));

  Type(form_->Text_nTrap, "5");
  EXPECT_EQ(closer.Texts().size(), 3);
  EXPECT_TRUE(OnView(*form_->Label_ks[3]));  // a rejected count leaves the rows alone
  EXPECT_EQ(TextOf(form_->Text_nTrap), "5");

  Click(form_->Option_Eliptik);
  EXPECT_FALSE(OnView(form_->Frame_Trap));
  EXPECT_FALSE(Widget<QRadioButton>(form_->Option_Trapez)->isChecked());
}

TEST_F(WindowTest, ModeOptionsSwapTheInputBoxes) {
  Click(form_->Option_CL);
  EXPECT_TRUE(OnView(form_->Text_CL));
  EXPECT_FALSE(OnView(form_->Text_AlfaK));
  EXPECT_FALSE(OnView(form_->Label_deg1));
  Click(form_->Option_CL);  // a second click keeps it selected
  EXPECT_TRUE(Widget<QRadioButton>(form_->Option_CL)->isChecked());
  Click(form_->Option_Alfa);
  EXPECT_FALSE(OnView(form_->Text_CL));
  EXPECT_TRUE(OnView(form_->Text_AlfaK));
  EXPECT_FALSE(Widget<QRadioButton>(form_->Option_CL)->isChecked());
}

TEST_F(WindowTest, CheckBoxesPassTheirValueBothWays) {
  Click(form_->Check_b);
  EXPECT_EQ(form_->Check_b.Value(), 1);
  form_->Check_b.SetValue(2);
  EXPECT_EQ(Widget<QCheckBox>(form_->Check_b)->checkState(), Qt::PartiallyChecked);
  form_->Check_b.SetValue(0);
  EXPECT_EQ(Widget<QCheckBox>(form_->Check_b)->checkState(), Qt::Unchecked);
}

TEST_F(WindowTest, MenuOpensThePanelInEachMode) {
  ChooseMenu(form_->Mn_Open);
  EXPECT_TRUE(OnView(form_->Frm_IO));
  EXPECT_TRUE(OnView(form_->File1));
  EXPECT_FALSE(OnView(form_->Command_Save));
  ChooseMenu(form_->Mn_Save);
  EXPECT_FALSE(OnView(form_->File1));
  EXPECT_TRUE(OnView(form_->Command_Cancel));
  EXPECT_EQ(TextOf(form_->Text_OutFile), "*.cfg");
  Click(form_->Command_Cancel);
  EXPECT_FALSE(OnView(form_->Frm_IO));
}

TEST_F(WindowTest, SavedFileIsListedAndReadByAClick) {
  ChooseMenu(form_->Mn_Save);
  Type(form_->Text_OutFile, "wing.cfg");
  Click(form_->Command_Save);
  EXPECT_FALSE(OnView(form_->Frm_IO));
  Type(form_->Text_Area, "77");

  ChooseMenu(form_->Mn_Open);
  auto* files = Widget<QListWidget>(form_->File1);
  QListWidgetItem* saved = FindItem(files, "wing.cfg");
  ASSERT_NE(saved, nullptr);
  emit files->itemClicked(saved);
  EXPECT_EQ(TextOf(form_->Text_Area), "10");
  EXPECT_FALSE(OnView(form_->Frm_IO));
}

TEST_F(WindowTest, SavingOverAFileAsksWithEvetAndHayir) {
  WriteFile(workDir_.Path() / "wing.cfg", "old");
  MessageBoxCloser closer("Hayır");
  ChooseMenu(form_->Mn_Save);
  Type(form_->Text_OutFile, "wing.cfg");
  Click(form_->Command_Save);
  EXPECT_EQ(ReadFile(workDir_.Path() / "wing.cfg"), "old");
  EXPECT_TRUE(OnView(form_->Frm_IO));
  closer.Answer("Evet");
  Click(form_->Command_Save);
  EXPECT_NE(ReadFile(workDir_.Path() / "wing.cfg"), "old");
  EXPECT_FALSE(OnView(form_->Frm_IO));
  EXPECT_EQ(closer.Texts(), QStringList(2, "wing.cfg dosyası zaten var. Üzerine yazılsın mı?"));
}

// Windows-1254 names: "ı" is the byte FD, which is not UTF-8. The lists hand back the very bytes.
TEST_F(WindowTest, ListsAndReadsNamesThatAreNotUtf8) {
  const std::string folder = "kanat\xFD";
  ASSERT_TRUE(std::filesystem::create_directory(workDir_.Path() / folder));
  ASSERT_TRUE(std::filesystem::create_directory(workDir_.Path() / ".hidden"));
  ChooseMenu(form_->Mn_Save);
  Type(form_->Text_OutFile, "wing.cfg");
  Click(form_->Command_Save);
  std::filesystem::rename(workDir_.Path() / "wing.cfg", workDir_.Path() / folder / "\xFD.cfg");
  Type(form_->Text_Area, "77");

  ChooseMenu(form_->Mn_Open);
  auto* folders = Widget<QListWidget>(form_->Dir1);
  emit folders->itemActivated(folders->currentItem());  // lists the folder again
  EXPECT_EQ(FindItem(folders, ".hidden"), nullptr);
  QListWidgetItem* odd = folders->item(folders->count() - 1);
  emit folders->itemActivated(odd);
  EXPECT_EQ(form_->Dir1.Path(), (workDir_.Path() / folder).string());
  auto* files = Widget<QListWidget>(form_->File1);
  ASSERT_EQ(files->count(), 1);
  emit files->itemClicked(files->item(0));
  EXPECT_EQ(form_->Messages(), std::vector<std::string>{});
  EXPECT_EQ(TextOf(form_->Text_Area), "10");
}

TEST_F(WindowTest, FolderListMovesTheFileList) {
  ASSERT_TRUE(QDir(QDir::currentPath()).mkpath("sub"));
  WriteFile(workDir_.Path() / "sub" / "inner.cfg", "");
  ChooseMenu(form_->Mn_Open);
  auto* folders = Widget<QListWidget>(form_->Dir1);
  emit folders->itemActivated(folders->currentItem());  // lists the folder again, now with "sub"
  QListWidgetItem* sub = FindItem(folders, "sub");
  ASSERT_NE(sub, nullptr);
  emit folders->itemActivated(sub);
  EXPECT_EQ(form_->Dir1.Path(), (workDir_.Path() / "sub").string());
  EXPECT_NE(FindItem(Widget<QListWidget>(form_->File1), "inner.cfg"), nullptr);
  // The folder now listed is the last of the chain, with the way back above it.
  EXPECT_EQ(folders->currentItem()->text().trimmed(), "sub");
}

TEST_F(WindowTest, AboutOpensOneModelessWindow) {
  ChooseMenu(form_->Mn_About);
  app::AboutWidget* about = window_->About();
  ASSERT_NE(about, nullptr);
  ChooseMenu(form_->Mn_About);
  EXPECT_EQ(window_->About(), about);
  EXPECT_EQ(window_->findChildren<app::AboutWidget*>().size(), 1);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(about->size(), QSize(240, 239));
  auto* first = about->findChild<QLabel*>("Label2");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text(), "This program calculates");
  EXPECT_EQ(first->font().family(), "Verdana");
}

}  // namespace
}  // namespace kelvane::testing
