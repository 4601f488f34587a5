// The window as it comes up: every control mirrored at its place, with its start text and state.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QImage>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "WindowFixture.h"
#include "app/ControlWidgets.h"
#include "support/TurkishLocale.h"

namespace kelvane::testing {
namespace {

TEST_F(WindowTest, ShowsTheStartUpTexts) {
  EXPECT_EQ(TextOf(form_->Text_Area), "10");
  EXPECT_EQ(TextOf(form_->Text_b), "10");
  EXPECT_EQ(TextOf(form_->Text_cOrt), "1");
  EXPECT_EQ(TextOf(form_->Text_N), "15");
  EXPECT_EQ(TextOf(form_->Text_AszK), "6.28318530717959");
  EXPECT_EQ(TextOf(*form_->Text_kc[1]), "1");  // not its design text
  EXPECT_EQ(TextOf(form_->Text_AlfaK), "10");
  // A long number shows its first digits in a narrow box.
  EXPECT_EQ(Widget<QLineEdit>(form_->Text_AszK)->cursorPosition(), 0);
}

// QApplication has switched the C library to the Turkish comma; the numbers shown and saved keep the point.
TEST_F(WindowTest, SolvesOnTheTurkishDesktopAsAnywhere) {
  ASSERT_TRUE(TurkishNumbersActive());
  Click(form_->PLL);
  EXPECT_EQ(TextOf(form_->Text_CL), "0.91385");
  EXPECT_EQ(ReadFile(ui::kLastConfigFileName), ReadFile(KELVANE_EXAMPLES_DIR "/01-default-elliptic/LastConfig.cfg"));
  EXPECT_EQ(ReadFile("PLL.txt"), ReadFile(KELVANE_EXAMPLES_DIR "/01-default-elliptic/PLL.txt"));
}

TEST_F(WindowTest, ShowsTheStartUpStates) {
  EXPECT_TRUE(Widget<QRadioButton>(form_->Option_Eliptik)->isChecked());
  EXPECT_FALSE(Widget<QRadioButton>(form_->Option_Trapez)->isChecked());
  EXPECT_TRUE(Widget<QRadioButton>(form_->Option_Alfa)->isChecked());
  EXPECT_EQ(Widget<QCheckBox>(form_->Check_Area)->checkState(), Qt::Checked);
  EXPECT_EQ(Widget<QCheckBox>(form_->Check_b)->checkState(), Qt::Unchecked);
  EXPECT_FALSE(OnView(form_->Frame_Trap));
  EXPECT_FALSE(OnView(form_->Text_CL));
  EXPECT_FALSE(OnView(form_->Frm_IO));
  EXPECT_TRUE(OnView(form_->Text_AlfaK));
  EXPECT_TRUE(OnView(form_->Label_deg1));
}

// Where, in its frame, the drawn caption of a label, check box or option button ends.
qreal CaptionEnd(const QWidget& widget) {
  return widget.x() + app::CaptionRect(widget).left() +
         QFontMetricsF(widget.font()).horizontalAdvance(app::CaptionText(widget));
}

bool SameRow(const QWidget& a, const QWidget& b) {
  return a.y() < b.geometry().bottom() && b.y() < a.geometry().bottom();
}

// No caption runs under the box to its right: every "=" stays in sight.
TEST_F(WindowTest, CaptionsEndBeforeTheBoxesBesideThem) {
  int checked = 0;
  for (const ui::Control* control : form_->AllControls()) {
    const QWidget* caption = Widget(*control);
    if (app::CaptionText(*caption).isEmpty()) continue;
    for (const ui::Control* sibling : control->Parent() ? control->Parent()->Children() : form_->AllControls()) {
      const QWidget* box = Widget(*sibling);
      if (sibling->Kind() != ui::ControlKind::TextBox || box->x() < caption->x() || !SameRow(*caption, *box)) continue;
      EXPECT_LE(CaptionEnd(*caption), box->x()) << control->Name() << " runs under " << sibling->Name();
      ++checked;
    }
  }
  EXPECT_GE(checked, 20);
  // The α of the option stays clear of its "kök" subscript.
  EXPECT_LE(CaptionEnd(*Widget(form_->Option_Alfa)), Widget(form_->Label7)->x());
}

TEST_F(WindowTest, HasTheCaptionAndAFixedClientArea) {
  EXPECT_EQ(window_->windowTitle(), ui::kWindowCaption);
  EXPECT_EQ(window_->centralWidget()->size(), QSize(ui::kClientWidth, ui::kClientHeight));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
}

// The form's layout is the one source of every place; the window only mirrors it.
TEST_F(WindowTest, PlacesEveryControlInItsFrameAtItsLayoutGeometry) {
  for (const ui::Control* control : form_->AllControls()) {
    const ui::Geometry& place = control->Bounds();
    QWidget* widget = Widget(*control);
    ASSERT_NE(widget, nullptr) << control->Name();
    EXPECT_EQ(widget->geometry(), QRect(place.left, place.top, place.width, place.height)) << control->Name();
    const QWidget* frame = control->Parent() ? Widget(*control->Parent()) : window_->centralWidget();
    EXPECT_EQ(widget->parentWidget(), frame) << control->Name();
  }
}

TEST_F(WindowTest, ShowsCaptionsAndColours) {
  EXPECT_EQ(Widget<QAbstractButton>(form_->PLL)->text(), "Aerodinamik katsayıları hesapla");
  EXPECT_EQ(Widget<QGroupBox>(form_->Frame1)->title(), "Kanat üstgörünümü");
  EXPECT_EQ(Widget<QAbstractButton>(form_->Check_Area)->text(), "S (m²) =");
  QWidget* frame = Widget(form_->Frame_PlanPar);
  EXPECT_TRUE(frame->autoFillBackground());
  EXPECT_EQ(frame->palette().color(frame->backgroundRole()), QColor(0xC0, 0xFF, 0xC0));
  QWidget* option = Widget(form_->Option_Eliptik);
  EXPECT_EQ(option->palette().color(option->backgroundRole()), QColor(0xC0, 0xFF, 0xC0));
}

TEST_F(WindowTest, BuildsTheMenuBarFromTheForm) {
  const QList<QAction*> top = window_->menuBar()->actions();
  ASSERT_EQ(top.size(), 4);
  EXPECT_EQ(top[0]->text(), "About");
  EXPECT_EQ(top[1]->text(), "Kanat konfigürasyonu");
  EXPECT_EQ(top[2]->text(), "Sonuçlar");
  EXPECT_EQ(top[3]->text(), "Proje");
  ASSERT_NE(top[1]->menu(), nullptr);
  const QList<QAction*> sub = top[1]->menu()->actions();
  ASSERT_EQ(sub.size(), 2);
  EXPECT_EQ(sub[0]->text(), "Mevcut bir dosyadan oku");
  EXPECT_EQ(sub[1]->text(), "Bir dosyaya yaz");
  ASSERT_NE(top[3]->menu(), nullptr);
  const QList<QAction*> project = top[3]->menu()->actions();
  ASSERT_EQ(project.size(), 2);
  EXPECT_EQ(project[0]->text(), "Projeyi aç…");
  EXPECT_EQ(project[0]->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(project[1]->shortcut(), QKeySequence("Ctrl+S"));
}

TEST_F(WindowTest, FilePanelLiesOverThePictures) {
  ChooseMenu(form_->Mn_Open);
  const QPoint insideBoth = Widget(form_->Frm_IO)->geometry().center();
  ASSERT_TRUE(Widget(form_->Picture1)->geometry().contains(insideBoth));
  QWidget* top = window_->centralWidget()->childAt(insideBoth);
  EXPECT_TRUE(top == Widget(form_->Frm_IO) || Widget(form_->Frm_IO)->isAncestorOf(top));
  // The bare panel below its lists hides the picture instead of letting it show through.
  const QPoint bare = Widget(form_->Frm_IO)->geometry().topLeft() + QPoint(100, 190);
  const QImage client = window_->centralWidget()->grab().toImage();
  const QColor seen = client.pixelColor(bare);
  EXPECT_LT(seen.red() - seen.blue(), 20) << "the yellow picture shows through";
}

// Qt's own texts are Turkish like the window's: a standard button of any dialog, the file dialog's too.
TEST(QtTexts, StandardButtonsSpeakTurkish) {
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&').toStdString(), "İptal");
}

}  // namespace
}  // namespace kelvane::testing
