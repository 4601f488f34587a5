// The main window's construction: every control with its place, design text, look and start visibility,
// the About window's content, and the wiring of every reaction.
#include <initializer_list>
#include <memory>
#include <string>

#include "planform/Chords.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

constexpr Color kLightGreen{0xC0, 0xFF, 0xC0};
constexpr Color kPeach{0xFF, 0xE0, 0xC0};
constexpr Color kAboutGreen{0x00, 0x80, 0x00};

constexpr double kLargeLabelPoints = 9.75;
constexpr double kGreekOptionPoints = 9;
constexpr double kSubscriptPoints = 6.75;
constexpr double kAboutTextPoints = 9.75;
constexpr double kAboutNotePoints = 8.25;

// The trapezoid panel rows inside Frame_Trap.
constexpr int kFirstRowTop = 64;
constexpr int kRowPitch = 24;
constexpr Geometry RowLabelKs(int top) { return {8, top, 33, 17}; }
constexpr Geometry RowTextKs(int top) { return {40, top, 33, 19}; }
constexpr Geometry RowLabelKc(int top) { return {80, top, 33, 17}; }
constexpr Geometry RowTextKc(int top) { return {112, top, 33, 19}; }
constexpr const char* kKsDesignTexts[kMaxPanels + 1] = {"", "1", "0.8", "0.5", "0.4"};
constexpr const char* kKcDesignTexts[kMaxPanels + 1] = {"", "0.402", "0.6", "0.9", "0.9"};

std::string Indexed(const char* name, int index) { return std::string(name) + "(" + std::to_string(index) + ")"; }

void SetBackground(Color color, std::initializer_list<Control*> controls) {
  for (Control* control : controls) control->Look().background = color;
}

void SetFontPoints(double points, std::initializer_list<Control*> controls) {
  for (Control* control : controls) control->Look().fontPoints = points;
}

std::vector<AboutLabel> AboutLabels() {
  return {
      {"Label2", "This program calculates", {40, 24, 161, 17}, kAboutTextPoints, kAboutGreen},
      {"Label9", "3D-Wing characteristics", {40, 48, 161, 17}, kAboutTextPoints, kAboutGreen},
      {"Label3", "at low speeds", {72, 72, 97, 25}, kAboutTextPoints, kAboutGreen},
      {"Label6", "by using", {88, 96, 65, 17}, kAboutTextPoints, kAboutGreen},
      {"Label1", "Prandtl's Lifting-line model", {32, 120, 185, 25}, kAboutTextPoints, kAboutGreen},
      {"Label8", "Last modified : 06 Jan 2009", {32, 176, 193, 17}, kAboutNotePoints, std::nullopt},
      {"Label_Contact", "Kelvane — wing aerodynamics", {32, 200, 193, 16}, kAboutNotePoints, std::nullopt},
      {"Label_Email", "support@kelvane.example", {32, 216, 193, 16}, kAboutNotePoints, kBlue},
  };
}

}  // namespace

Form_Wing::Form_Wing()
    : Frame_PlanPar("Frame_PlanPar", nullptr, {8, 28, 137, 156}, "Üstgörünüm parametreleri"),
      Label1("Label1", &Frame_PlanPar, {16, 24, 105, 33}, "Bu parametrelerden sadece 2 sini seçiniz"),
      Check_Area("Check_Area", &Frame_PlanPar, {16, 63, 72, 17}, "S (m²) ="),
      Check_AR("Check_AR", &Frame_PlanPar, {16, 84, 72, 17}, "AR ="),
      Check_b("Check_b", &Frame_PlanPar, {16, 105, 72, 17}, "b (m) ="),
      Check_cOrt("Check_cOrt", &Frame_PlanPar, {16, 126, 72, 17}, "cOrt (m) ="),
      Text_Area("Text_Area", &Frame_PlanPar, {88, 63, 41, 19}),
      Text_AR("Text_AR", &Frame_PlanPar, {88, 84, 41, 19}),
      Text_b("Text_b", &Frame_PlanPar, {88, 105, 41, 19}),
      Text_cOrt("Text_cOrt", &Frame_PlanPar, {88, 126, 41, 19}),

      Frame3("Frame3", nullptr, {8, 189, 137, 41}),
      Label18("Label18", &Frame3, {8, 16, 96, 17}, "İstasyon sayısı,  N = "),
      Text_N("Text_N", &Frame3, {104, 16, 25, 19}, "15"),

      Frame5("Frame5", nullptr, {8, 238, 137, 57}, "Geometrik burulma"),
      Label3("Label3", &Frame5, {8, 24, 38, 17}, "Δα ="),
      Label15("Label15", &Frame5, {88, 24, 33, 17}, "(deg)"),
      Text_dAlfa("Text_dAlfa", &Frame5, {48, 24, 33, 19}),

      Frame4("Frame4", nullptr, {8, 301, 137, 132}, "Kesit profili özellikleri"),
      Label8("Label8", &Frame4, {16, 18, 56, 17}, "a            ="),
      Label9("Label9", &Frame4, {24, 26, 41, 13}, "∞ kök"),
      Label10("Label10", &Frame4, {16, 42, 56, 17}, "α           ="),
      Label11("Label11", &Frame4, {24, 50, 41, 13}, "o kök"),
      Label4("Label4", &Frame4, {16, 75, 56, 17}, "a          ="),
      Label14("Label14", &Frame4, {24, 83, 41, 13}, "∞ uç"),
      Label5("Label5", &Frame4, {16, 99, 56, 17}, "α          ="),
      Label6("Label6", &Frame4, {24, 107, 41, 13}, "o uç"),
      Text_AszK("Text_AszK", &Frame4, {72, 18, 41, 19}),
      Text_Alfa0K("Text_Alfa0K", &Frame4, {72, 42, 41, 19}),
      Text_AszU("Text_AszU", &Frame4, {72, 75, 41, 19}),
      Text_Alfa0U("Text_Alfa0U", &Frame4, {72, 99, 41, 19}),

      Frame7("Frame7", nullptr, {7, 441, 134, 43}),
      Label12("Label12", &Frame7, {14, 14, 41, 17}, "Voo ="),
      Text_Voo("Text_Voo", &Frame7, {63, 14, 43, 22}),

      Cmd_Planform("Cmd_Planform", nullptr, {152, 8, 217, 25}, "Kanat Üstgörünümünü çiz"),
      Check1("Check1", nullptr, {408, 16, 161, 17}, "Sonuçları dosyaya kaydet"),
      Picture1("Picture1", nullptr, {152, 40, 420, 180}),
      Picture2("Picture2", nullptr, {152, 224, 425, 137}),
      Picture3("Picture3", nullptr, {152, 368, 425, 137}),

      Frame1("Frame1", nullptr, {584, 8, 169, 225}, "Kanat üstgörünümü"),
      Option_Eliptik("Option_Eliptik", &Frame1, {8, 24, 73, 17}, "eliptik"),
      Option_Trapez("Option_Trapez", &Frame1, {88, 24, 65, 17}, "Trapez"),
      Frame_Trap("Frame_Trap", &Frame1, {8, 48, 153, 169}, "Trapez parametreleri"),
      Label_nTrap("Label_nTrap", &Frame_Trap, {16, 24, 78, 17}, "Trapez sayısı ="),
      Text_nTrap("Text_nTrap", &Frame_Trap, {96, 24, 25, 19}),

      PLL("PLL", nullptr, {584, 240, 169, 33}, "Aerodinamik katsayıları hesapla"),

      Frame2("Frame2", nullptr, {584, 280, 169, 121}, "Hesap için seçenekler"),
      Option_CL("Option_CL", &Frame2, {8, 24, 41, 17}, "Cl"),
      Text_CL("Text_CL", &Frame2, {56, 24, 57, 19}, "0"),
      Option_Alfa("Option_Alfa", &Frame2, {8, 48, 24, 17}, "α"),  // ends where its subscript begins
      Label7("Label7", &Frame2, {32, 56, 24, 13}, "kök"),
      Label_deg1("Label_deg1", &Frame2, {104, 48, 41, 17}, "(deg)"),
      Label17("Label17", &Frame2, {8, 88, 33, 17}, "CDi ="),
      Label20("Label20", &Frame2, {96, 88, 25, 17}, "E = "),
      Text_AlfaK("Text_AlfaK", &Frame2, {56, 48, 41, 19}, "0"),
      Text_CDi("Text_CDi", &Frame2, {40, 88, 54, 19}, "0"),
      Text_E("Text_E", &Frame2, {120, 88, 41, 19}),

      Frame6("Frame6", nullptr, {584, 424, 169, 81}, "Eşdeğer eliptik kanat"),
      Label16("Label16", &Frame6, {8, 24, 33, 17}, "α ="),
      Label19("Label19", &Frame6, {96, 24, 41, 17}, "(deg)"),
      Label2("Label2", &Frame6, {8, 48, 33, 17}, "CDi ="),
      Label13("Label13", &Frame6, {96, 48, 25, 17}, "E = "),
      Text_AlfE("Text_AlfE", &Frame6, {40, 24, 49, 19}),
      Text_CDiE("Text_CDiE", &Frame6, {40, 48, 54, 19}, "0"),
      Text_EE("Text_EE", &Frame6, {120, 48, 41, 19}),

      Frm_IO("Frm_IO", nullptr, {192, 40, 289, 241}),
      Drive1("Drive1", &Frm_IO, {8, 16, 129, 21}),
      Dir1("Dir1", &Frm_IO, {8, 40, 129, 126}),
      File1("File1", &Frm_IO, {136, 16, 145, 149}, "*.cfg"),
      Text_OutFile("Text_OutFile", &Frm_IO, {8, 176, 273, 25}),
      Command_Save("Command_Save", &Frm_IO, {8, 208, 121, 25}, "SAVE"),
      Command_Cancel("Command_Cancel", &Frm_IO, {152, 208, 129, 25}, "CANCEL"),

      Mn_About("Mn_About", "About"),
      Mn_Param("Mn_Param", "Kanat konfigürasyonu"),
      Mn_Open("Mn_Open", "Mevcut bir dosyadan oku", &Mn_Param),
      Mn_Save("Mn_Save", "Bir dosyaya yaz", &Mn_Param),
      Mn_Results("Mn_Results", "Sonuçlar"),
      Mn_Charts("Mn_Charts", "Grafikler ve tablo", &Mn_Results, "Ctrl+R"),
      Mn_Project("Mn_Project", "Proje"),
      Mn_OpenProject("Mn_OpenProject", "Projeyi aç…", &Mn_Project, "Ctrl+O"),
      Mn_SaveProject("Mn_SaveProject", "Projeyi kaydet…", &Mn_Project, "Ctrl+S") {
  // The panel rows are children of Frame_Trap, created after its count box.
  auto keep = [this](auto control) {
    auto* raw = control.get();
    panelRows_.push_back(std::move(control));
    return raw;
  };
  for (int row = 1; row <= kMaxPanels; ++row) {
    const int top = kFirstRowTop + kRowPitch * (row - 1);
    const std::string number = std::to_string(row);
    Label_ks[row] =
        keep(std::make_unique<Label>(Indexed("Label_ks", row), &Frame_Trap, RowLabelKs(top), "ky" + number + " ="));
    Text_ks[row] =
        keep(std::make_unique<TextBox>(Indexed("Text_ks", row), &Frame_Trap, RowTextKs(top), kKsDesignTexts[row]));
    Label_kc[row] =
        keep(std::make_unique<Label>(Indexed("Label_kc", row), &Frame_Trap, RowLabelKc(top), "kc" + number + " ="));
    Text_kc[row] =
        keep(std::make_unique<TextBox>(Indexed("Text_kc", row), &Frame_Trap, RowTextKc(top), kKcDesignTexts[row]));
    // Only the first panel is on view until a panel count asks for more.
    if (row > 1) SetPanelRowVisible(row, false);
  }

  // Design states, set before any reaction is wired.
  Check_Area.SetValue(1);
  Check_AR.SetValue(1);
  Option_Eliptik.SetValue(true);
  Option_Alfa.SetValue(true);
  Frame_Trap.SetVisible(false);
  Text_CL.SetVisible(false);
  Frm_IO.SetVisible(false);

  SetBackground(kLightGreen, {&Frame_PlanPar, &Check_Area, &Check_AR, &Check_b, &Check_cOrt, &Frame3, &Label18, &Frame1,
                              &Option_Eliptik, &Option_Trapez});
  SetBackground(kPeach, {&Frame_Trap, &Label_nTrap});
  for (int row = 1; row <= kMaxPanels; ++row) SetBackground(kPeach, {Label_ks[row], Label_kc[row]});
  SetBackground(kPictureBackground, {&Picture1, &Picture2, &Picture3});
  SetBackground(kSystemWindowColor, {&Label1});
  SetBackground(kSystemMenuColor, {Text_ks[1]});
  SetFontPoints(kLargeLabelPoints, {&Label8, &Label10, &Label4, &Label5});
  SetFontPoints(kGreekOptionPoints, {&Option_Alfa, &Label16});
  SetFontPoints(kSubscriptPoints, {&Label9, &Label11, &Label14, &Label6, &Label7});
  // The results of a solution are read, not typed.
  for (TextBox* result : {&Text_CDi, &Text_E, &Text_AlfE, &Text_CDiE, &Text_EE}) result->SetLocked(true);

  Form_About.labels = AboutLabels();

  for (Control* topLevel :
       std::initializer_list<Control*>{&Frame_PlanPar, &Frame3, &Frame5, &Frame4, &Frame7, &Cmd_Planform, &Check1,
                                       &Picture1, &Picture2, &Picture3, &Frame1, &PLL, &Frame2, &Frame6, &Frm_IO})
    Register(*topLevel);
  for (MenuItem* item : {&Mn_About, &Mn_Param, &Mn_Open, &Mn_Save, &Mn_Results, &Mn_Charts, &Mn_Project,
                         &Mn_OpenProject, &Mn_SaveProject})
    Register(*item);

  Cmd_Planform.OnClick = [this] { Cmd_Planform_Click(); };
  PLL.OnClick = [this] { PLL_Click(); };
  Option_Eliptik.OnClick = [this] { Option_Eliptik_Click(); };
  Option_Trapez.OnClick = [this] { Option_Trapez_Click(); };
  Text_nTrap.OnChange = [this] { Text_nTrap_Change(); };
  Option_CL.OnClick = [this] { Option_CL_Click(); };
  Option_Alfa.OnClick = [this] { Option_Alfa_Click(); };
  Mn_About.OnClick = [this] { Mn_About_Click(); };
  Mn_Open.OnClick = [this] { Mn_Open_Click(); };
  Mn_Save.OnClick = [this] { Mn_Save_Click(); };
  Mn_Charts.OnClick = [this] { Mn_Charts_Click(); };
  Mn_OpenProject.OnClick = [this] { Mn_OpenProject_Click(); };
  Mn_SaveProject.OnClick = [this] { Mn_SaveProject_Click(); };
  Form_Results.SetMessageHook([this](const std::string& text) { MsgBox(text); });
  Drive1.OnChange = [this] { Drive1_Change(); };
  Dir1.OnChange = [this] { Dir1_Change(); };
  File1.OnClick = [this] { File1_Click(); };
  Command_Save.OnClick = [this] { Command_Save_Click(); };
  Command_Cancel.OnClick = [this] { Command_Cancel_Click(); };

  // The planform inputs; the panel count's own reaction does the same.
  const Reaction planformInputChange = [this] { PlanformInput_Change(); };
  for (TextBox* box : {&Text_Area, &Text_AR, &Text_b, &Text_cOrt, &Text_N}) box->OnChange = planformInputChange;
  for (int row = 1; row <= kMaxPanels; ++row) Text_ks[row]->OnChange = Text_kc[row]->OnChange = planformInputChange;
  for (CheckBox* tick : {&Check_Area, &Check_AR, &Check_b, &Check_cOrt}) tick->OnChange = planformInputChange;
  for (OptionButton* type : {&Option_Eliptik, &Option_Trapez}) type->OnChange = planformInputChange;
  // The inputs only the solve command reads.
  const Reaction solvedInputChange = [this] { SolvedInput_Change(); };
  for (TextBox* box : {&Text_dAlfa, &Text_AszK, &Text_Alfa0K, &Text_AszU, &Text_Alfa0U, &Text_AlfaK, &Text_CL})
    box->OnChange = solvedInputChange;
  for (OptionButton* mode : {&Option_CL, &Option_Alfa}) mode->OnChange = solvedInputChange;

  // The folder list starts in the working directory; setting it runs the chain that moves the file list.
  Dir1.SetPath(Dir1.Path());
}

}  // namespace kelvane::ui
