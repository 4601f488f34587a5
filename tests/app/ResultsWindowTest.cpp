// The results window on screen (offscreen): the menu and its shortcut, one window however often asked,
// a window that follows new solutions, the polar's button, the table's clipboard copy, the exports and
// XFoil run beside the window.
#include <filesystem>

#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"
#include "app/PictureWidget.h"
#include "app/ResultsWidget.h"

namespace kelvane::testing {
namespace {

using ui::ResultsTab;

class ResultsWindowTest : public WindowTest {
 protected:
  app::ResultsWidget* Results() const { return window_->Results(); }
  QWidget* ResultsWidgetOf(const ui::Control& control) const { return Results()->WidgetOf(control); }
  void PressCtrlR() const { QTest::keyClick(window_.get(), Qt::Key_R, Qt::ControlModifier); }
};

TEST_F(ResultsWindowTest, ThirdMenuOpensOneWindowByMenuOrCtrlR) {
  const auto* item = window_->findChild<QAction*>("Mn_Charts");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "Grafikler ve tablo");
  EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+R"));

  EXPECT_EQ(Results(), nullptr);
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  PressCtrlR();
  ASSERT_NE(Results(), nullptr);
  app::ResultsWidget* first = Results();
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->windowTitle(), "Kelvane - Sonuçlar");
  first->close();
  ChooseMenu(form_->Mn_Charts);
  ChooseMenu(form_->Mn_Charts);
  EXPECT_EQ(Results(), first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(window_->findChildren<app::ResultsWidget*>().size(), 1);

  const QTabWidget* tabs = first->Tabs();
  ASSERT_EQ(tabs->count(), 6);
  const char* captions[] = {"Dolaşım", "Yerel kaldırma katsayısı", "Hücum açıları", "Polar", "Yükler", "Tablo"};
  for (int tab = 0; tab < tabs->count(); ++tab) EXPECT_EQ(tabs->tabText(tab), captions[tab]);
  EXPECT_TRUE(ResultsWidgetOf(form_->Form_Results.Label_NoSolution)->isVisible());

  // The pin buttons beside the tabs press the form's.
  Click(form_->PLL);
  qobject_cast<QAbstractButton*>(ResultsWidgetOf(form_->Form_Results.Cmd_Pin))->click();
  EXPECT_EQ(qobject_cast<QLabel*>(ResultsWidgetOf(form_->Form_Results.Label_Pins))->text(),
            "1 çözüm sabitlendi (en çok 6).");
}

TEST_F(ResultsWindowTest, FollowsEveryNewSolution) {
  ChooseMenu(form_->Mn_Charts);
  Click(form_->PLL);
  EXPECT_FALSE(ResultsWidgetOf(form_->Form_Results.Label_NoSolution)->isVisible());
  const QTableWidget* table = Results()->Table();
  ASSERT_EQ(table->rowCount(), 15);
  const QString firstRoot = table->item(14, 3)->text();

  Type(form_->Text_AlfaK, "5");
  Click(form_->PLL);
  EXPECT_NEAR(table->item(14, 3)->text().toDouble(), firstRoot.toDouble() / 2, 1e-5 * firstRoot.toDouble());
}

// The lines above the tabs come and go without moving them.
TEST_F(ResultsWindowTest, TabsStayPutAsTheLinesAboveThemChange) {
  ChooseMenu(form_->Mn_Charts);
  const auto tabsTop = [this] {
    QApplication::processEvents();  // the layout follows the labels' new texts
    return Results()->Tabs()->mapTo(Results(), QPoint(0, 0)).y();
  };
  const int top = tabsTop();
  for (const ui::Control* button : {&form_->PLL, &form_->Cmd_Planform}) {
    Click(*button);  // the summary, then the note that there is no solution
    EXPECT_EQ(tabsTop(), top);
  }
  Click(form_->PLL);
  Type(form_->Text_AszK, "6");  // the inputs-changed note too
  EXPECT_EQ(tabsTop(), top);
}

// F5, Ctrl+Return and Ctrl+Enter on the keypad solve, from a box of the main window or the results window.
TEST_F(ResultsWindowTest, F5AndCtrlEnterSolve) {
  ChooseMenu(form_->Mn_Charts);
  int solutions = 0;
  for (QWidget* target : {Widget(form_->Text_AlfaK), static_cast<QWidget*>(Results())}) {
    target->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(target->window()));
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_F5, Qt::KeyboardModifiers()},
                                         {Qt::Key_Return, Qt::ControlModifier},
                                         {Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier}}) {
      QTest::keyClick(target, key, modifiers);
      EXPECT_EQ(form_->Form_Results.SolutionNumber(), ++solutions) << key;
    }
  }
}

// A message of the results window is centred on it, and still kept by the form.
TEST_F(ResultsWindowTest, MessageBoxesAreCentredOnTheirWindow) {
  QWidget* parent = nullptr;
  QTimer::singleShot(0, [&parent] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      parent = box->parentWidget(), box->button(QMessageBox::Ok)->click();
  });
  ChooseMenu(form_->Mn_Charts);
  qobject_cast<QPushButton*>(ResultsWidgetOf(form_->Form_Results.Cmd_Polar))->click();  // no solution yet
  EXPECT_EQ(parent, Results());
  EXPECT_EQ(form_->Messages().size(), 1u);
}

// The polar button computes on the solution on view: the main window's boxes and files stay.
TEST_F(ResultsWindowTest, PolarButtonLeavesTheMainWindowAlone) {
  Click(form_->PLL);
  ChooseMenu(form_->Mn_Charts);
  const std::string report = ReadFile("PLL.txt");
  const std::string lastConfig = ReadFile(ui::kLastConfigFileName);
  const QString shownCL = TextOf(form_->Text_CL);

  auto* step = qobject_cast<QLineEdit*>(ResultsWidgetOf(form_->Form_Results.Text_PolarStep));
  step->selectAll();
  QTest::keyClicks(step, "4");
  EXPECT_EQ(form_->Form_Results.Text_PolarStep.Text(), "4");
  qobject_cast<QPushButton*>(ResultsWidgetOf(form_->Form_Results.Cmd_Polar))->click();

  ASSERT_EQ(form_->Form_Results.Charts(ResultsTab::Polar).size(), 2u);
  EXPECT_EQ(form_->Form_Results.Charts(ResultsTab::Polar)[0].series[0].points.size(), 5u);  // -4 to 12
  EXPECT_EQ(TextOf(form_->Text_CL), shownCL);
  EXPECT_EQ(ReadFile("PLL.txt"), report);
  EXPECT_EQ(ReadFile(ui::kLastConfigFileName), lastConfig);
}

TEST_F(ResultsWindowTest, CtrlCCopiesTheSelectedCellsAsTabSeparatedText) {
  Click(form_->PLL);
  ChooseMenu(form_->Mn_Charts);
  Results()->Tabs()->setCurrentIndex(static_cast<int>(ResultsTab::Table));
  QTableWidget* table = Results()->Table();
  table->setFocus();
  table->setRangeSelected(QTableWidgetSelectionRange(13, 0, 14, 1), true);
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  // The table shows six significant digits, which need no sideways scrolling; the copy has every digit.
  EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0);
  const std::string y14 = form_->Form_Results.TableRows()[13][1];
  EXPECT_EQ(table->item(13, 1)->text().toStdString(), ui::TableCellText(y14));
  const QString expected = "i\ty (m)\n14\t" + QString::fromStdString(y14) + "\n15\t0\n";
  EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);

  table->clearSelection();
  Results()->CopySelection();
  EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n'), 16);  // the header and every station
}

TEST_F(ResultsWindowTest, ExportsChartsAsPngSvgAndCsv) {
  Click(form_->PLL);
  ChooseMenu(form_->Mn_Charts);
  EXPECT_EQ(Results()->Export(ResultsTab::Circulation, "c.png"), "");
  EXPECT_EQ(Results()->Export(ResultsTab::Angles, "a.svg"), "");
  EXPECT_EQ(Results()->Export(ResultsTab::Circulation, "c.csv"), "");
  EXPECT_EQ(Results()->Export(ResultsTab::Table, "t.csv"), "");
  EXPECT_NE(Results()->Export(ResultsTab::Table, "t.png"), "");
  EXPECT_NE(Results()->Export(ResultsTab::Circulation, "c.pdf"), "");

  const QImage png("c.png");
  ASSERT_FALSE(png.isNull());
  EXPECT_EQ(png.size(), QSize(800, 500));
  int red = 0;
  for (int y = 0; y < png.height(); ++y)
    for (int x = 0; x < png.width(); ++x) red += png.pixelColor(x, y) == QColor(255, 0, 0);
  EXPECT_GT(red, 200);  // the wing's curve is drawn

  QSvgRenderer svg(QString("a.svg"));
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox(), QRect(0, 0, 800, 500));
  EXPECT_NE(ReadFile("a.svg").find("Hücum açıları"), std::string::npos);

  EXPECT_EQ(ReadFile("c.csv"), form_->Form_Results.Csv(ResultsTab::Circulation));
  EXPECT_TRUE(ReadFile("c.csv").starts_with("# Kanat: başlangıç kanadı\n# Çalışma noktası: αkök = 10° · CL = "));
  EXPECT_NE(ReadFile("c.csv").find("\ny (m),Γ/V∞ (m) [Kanat],Γ/V∞ (m) [Eşdeğer eliptik kanat]\n-5,0,0\n"),
            std::string::npos);
  EXPECT_EQ(ReadFile("t.csv"), form_->Form_Results.Csv(ResultsTab::Table));
}

// "Resmi kaydet…" writes what the picture shows, at the size of its drawing area.
TEST_F(ResultsWindowTest, MainWindowPicturesSaveExactlyWhatTheyShow) {
  Click(form_->PLL);
  auto* picture = dynamic_cast<app::PictureWidget*>(window_->WidgetOf(form_->Picture2));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->SaveImage("picture.png"), "");
  EXPECT_EQ(picture->SaveImage("picture.svg"), "");
  EXPECT_NE(picture->SaveImage("picture.txt"), "");

  const QImage saved("picture.png");
  const QImage shown = picture->grab(picture->contentsRect()).toImage();
  ASSERT_EQ(saved.size(), shown.size());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));
  QSvgRenderer svg(QString("picture.svg"));
  EXPECT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox().size(), shown.size());
}

// XFoil runs on a worker thread while the window goes on: busy until it ends, stopped by its cancel button,
// and a polar from the cache goes into the root's box.
TEST_F(ResultsWindowTest, XfoilRunsBesideTheWindowAndStopsOnCancel) {
  MessageBoxCloser closer;
  Click(form_->PLL);
  ChooseMenu(form_->Mn_Charts);
  ui::ResultsForm& results = form_->Form_Results;
  // A stand-in XFoil that never ends, first on PATH, and a polar cache of this test's own.
  const std::filesystem::path programs = workDir_.Path() / "bin", cache = workDir_.Path() / "cache";
  std::filesystem::create_directory(programs);
  WriteFile(programs / "xfoil", "#!/bin/sh\nexec sleep 60\n");
  std::filesystem::permissions(programs / "xfoil", std::filesystem::perms::owner_all);
  const QByteArray path = qgetenv("PATH"), cacheHome = qgetenv("XDG_CACHE_HOME");
  const bool hadCacheHome = qEnvironmentVariableIsSet("XDG_CACHE_HOME");
  const auto restore = qScopeGuard([&] {
    qputenv("PATH", path);
    hadCacheHome ? qputenv("XDG_CACHE_HOME", cacheHome) : qunsetenv("XDG_CACHE_HOME");
  });
  qputenv("PATH", QByteArray::fromStdString(programs.string() + ":") + path);
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache.string()));
  const auto waitForXfoil = [&results] {
    for (int wait = 0; wait < 200 && results.XfoilRunning(); ++wait) QTest::qWait(50);
  };

  auto* start = qobject_cast<QPushButton*>(ResultsWidgetOf(results.Cmd_Xfoil));
  start->click();
  EXPECT_TRUE(results.XfoilRunning());
  EXPECT_TRUE(Results()->XfoilProgress()->isVisible());
  EXPECT_FALSE(start->isVisible());
  qobject_cast<QPushButton*>(ResultsWidgetOf(results.Cmd_XfoilCancel))->click();
  waitForXfoil();
  EXPECT_FALSE(results.XfoilRunning());
  EXPECT_FALSE(Results()->XfoilProgress()->isVisible());
  EXPECT_NE(results.Label_Xfoil.Caption().find("iptal edildi"), std::string::npos) << results.Label_Xfoil.Caption();

  const std::filesystem::path cached = cache / "kelvane" / "polars" / "naca2412-re1e6.txt";
  std::filesystem::create_directories(cached.parent_path());
  std::filesystem::copy_file(KELVANE_EXAMPLES_DIR "/../data/polars/naca2412-re1e6.txt", cached);
  start->click();
  waitForXfoil();
  EXPECT_EQ(results.Text_PolarRoot.Text(), cached.string());
  EXPECT_TRUE(results.Polars());
  EXPECT_EQ(results.Charts(ResultsTab::LocalLift).size(), 2u);
  EXPECT_TRUE(closer.Texts().isEmpty()) << closer.Texts().join("\n").toStdString();
}

}  // namespace
}  // namespace kelvane::testing
