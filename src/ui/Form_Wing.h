// The main window, toolkit neutral: every control by its name, every reaction, the configuration files and
// the file panel. A front end mirrors the controls as widgets and forwards the user's actions to them.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/ConfigFile.h"
#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "planform/PlanformCommand.h"
#include "solver/LiftingLine.h"
#include "solver/SystemCache.h"
#include "ui/AboutWindow.h"
#include "ui/Controls.h"
#include "ui/ResultsForm.h"

namespace kelvane::ui {

inline constexpr const char* kWindowCaption = "Kelvane - Prandtl's Lifting Line Model for 3D Low-Speed Wings";
inline constexpr int kClientWidth = 766;
inline constexpr int kClientHeight = 550;
inline constexpr const char* kLastConfigFileName = "LastConfig.cfg";
// What the wing in the boxes is called before any configuration file was read.
inline constexpr const char* kStartWingName = "başlangıç kanadı";

using MessageHook = std::function<void(const std::string&)>;
// Asks a question that the user answers with yes (true) or no.
using QuestionHook = std::function<bool(const std::string&)>;
using AboutHook = std::function<void(AboutWindow&)>;
// What a file's path is asked for.
enum class PathRequest { OpenProject, SaveProject };
// Asks the user for a file's path; nothing when the user cancelled.
using PathHook = std::function<std::optional<std::string>(PathRequest)>;

class Form_Wing {
 public:
  Form_Wing();
  Form_Wing(const Form_Wing&) = delete;
  Form_Wing& operator=(const Form_Wing&) = delete;

  // --- Front-end wiring -------------------------------------------------------------------------------
  // Every message box goes through this hook; by default the messages are only kept in Messages().
  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
  const std::vector<std::string>& Messages() const { return messages_; }
  // Every yes/no question goes through this hook; by default it is kept in Questions() and answered yes.
  void SetQuestionHook(QuestionHook hook) { questionHook_ = std::move(hook); }
  const std::vector<std::string>& Questions() const { return questions_; }
  // Called after any control changed what it shows.
  void SetChangeHook(ChangeHook hook) { changeHook_ = std::move(hook); }
  // Called when the About window is to be shown (a front end creates its window once, then shows it).
  void SetAboutHook(AboutHook hook) { aboutHook_ = std::move(hook); }
  // Asks for the path of a project file to open or save; without it the project menu does nothing.
  void SetPathHook(PathHook hook) { pathHook_ = std::move(hook); }
  // Every control, parents before children, in the order they were created.
  const std::vector<Control*>& AllControls() const { return controls_; }
  const std::vector<MenuItem*>& AllMenuItems() const { return menuItems_; }

  // --- Reactions --------------------------------------------------------------------------------------
  void Form_Load();
  void Cmd_Planform_Click();
  void PLL_Click();
  void Option_Eliptik_Click();
  void Option_Trapez_Click();
  void Text_nTrap_Change();
  void Option_CL_Click();
  void Option_Alfa_Click();
  void Mn_About_Click();
  void Mn_Open_Click();
  void Mn_Save_Click();
  void Mn_Charts_Click();
  void Mn_OpenProject_Click();
  void Mn_SaveProject_Click();
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void Command_Save_Click();
  void Command_Cancel_Click();
  // The Escape key, wherever the focus is in the window.
  void Form_KeyEscape();

  // --- Methods ----------------------------------------------------------------------------------------
  // Each returns whether it ran to its end; a failure has been shown as a message.
  bool Planform();
  bool ReadAnExistingConfig_from_aFile();
  bool WriteExistingConfig_in_aFile();
  void Gama_Distr_Ciz(const StationTable& Gamma, const StationTable& GammaE);
  void AlfaE_Distr_Ciz();
  // Project files (FormProject.cpp). Opening fills the boxes, ticks and options of both windows as a user
  // would, runs the planform command and loads the polars and flaps; saving writes what the windows hold now.
  bool OpenProject(const std::string& path);
  bool SaveProject(const std::string& path);

  void MsgBox(const std::string& text);
  // A message box with yes and no buttons; true for yes.
  bool AskYesNo(const std::string& text);
  // How the form reports an engine step's refusal: its message in a box. Tells whether it refused.
  bool ShowIfRefused(const Outcome& step);

  // The path of the configuration file for the next read or write.
  std::string ConfigFileName;

  // Where the form writes its own files, "PLL.txt" and "LastConfig.cfg": empty for the process's working
  // directory, as the window and kelvane-solve use it; a library caller gives a folder of its own.
  std::filesystem::path OutputFolder;

  // The name the wing in the boxes goes by, which the results window shows with its solutions: the last
  // configuration file read, or kStartWingName before any.
  const std::string& WingName() const { return wingName_; }
  void SetWingName(std::string name) { wingName_ = std::move(name); }

  // The window's model record, which its commands compute on.
  Module_ortak& Record() { return *record_; }
  const Module_ortak& Record() const { return *record_; }

  // --- Controls, in their frames ----------------------------------------------------------------------
  Frame Frame_PlanPar;
  Label Label1;
  CheckBox Check_Area, Check_AR, Check_b, Check_cOrt;
  TextBox Text_Area, Text_AR, Text_b, Text_cOrt;

  Frame Frame3;
  Label Label18;
  TextBox Text_N;

  Frame Frame5;
  Label Label3, Label15;
  TextBox Text_dAlfa;

  Frame Frame4;
  Label Label8, Label9, Label10, Label11, Label4, Label14, Label5, Label6;
  TextBox Text_AszK, Text_Alfa0K, Text_AszU, Text_Alfa0U;

  Frame Frame7;
  Label Label12;
  TextBox Text_Voo;

  CommandButton Cmd_Planform;
  CheckBox Check1;
  PictureBox Picture1, Picture2, Picture3;

  Frame Frame1;
  OptionButton Option_Eliptik, Option_Trapez;
  Frame Frame_Trap;
  Label Label_nTrap;
  TextBox Text_nTrap;
  // Panel rows 1..4; entry 0 is unused so that row i is element i.
  std::array<Label*, 5> Label_ks{}, Label_kc{};
  std::array<TextBox*, 5> Text_ks{}, Text_kc{};

  CommandButton PLL;

  Frame Frame2;
  OptionButton Option_CL;
  TextBox Text_CL;
  OptionButton Option_Alfa;
  Label Label7, Label_deg1, Label17, Label20;
  TextBox Text_AlfaK, Text_CDi, Text_E;

  Frame Frame6;
  Label Label16, Label19, Label2, Label13;
  TextBox Text_AlfE, Text_CDiE, Text_EE;

  // The configuration file panel, in front of Picture1 and Picture2 when shown.
  Frame Frm_IO;
  DriveListBox Drive1;
  DirListBox Dir1;
  FileListBox File1;
  TextBox Text_OutFile;
  CommandButton Command_Save, Command_Cancel;

  MenuItem Mn_About, Mn_Param, Mn_Open, Mn_Save;
  // The results window's menu, after the About and file menus.
  MenuItem Mn_Results, Mn_Charts;
  // Whole designs, after the results window's menu.
  MenuItem Mn_Project, Mn_OpenProject, Mn_SaveProject;

  AboutWindow Form_About;
  // Labelled charts, the polar and the station table of the latest solution, in a window of their own.
  ResultsForm Form_Results;

 private:
  void Register(Control& control);
  void Register(MenuItem& item);
  void SetPanelRowVisible(int row, bool visible);
  // The change reaction of every planform input: the planform on view no longer matches the window.
  void PlanformInput_Change();
  // The change reaction of every input a solution reads: the results window names those that differ from
  // what the solution on view read (FormSolvedInputs.cpp).
  void SolvedInput_Change();
  // Remembers what each input held when the new solution read it.
  void RememberSolvedInputs();
  // Puts the result boxes and pictures back as they were before any solution.
  void ClearResults();
  // Shows the message for the first box whose number a command must not read; true when there was one.
  bool RefuseUnreadableNumbers(const std::vector<const TextBox*>& boxes);

  // The configuration file's text for the window as it stands; nothing, with the message shown, when the
  // panel count cannot be written.
  std::optional<std::string> WindowConfigText();
  // The planform command's texts, from the boxes.
  PlanformTexts PlanformBoxTexts() const;
  // The wing the boxes and ticks hold, each number as a command would read it.
  Wing BoxWing() const;
  // Shows a value the configuration reader took, in the record and its box.
  void ShowConfigValue(config::ConfigItem item, int row, double value);
  // The files the commands write; a failure is shown as a message.
  bool AppendReport(const std::string& blocks);
  bool StartReport(const std::string& start);
  bool ReplaceFile(const std::string& path, const std::string& content);

  MessageHook messageHook_;
  QuestionHook questionHook_;
  ChangeHook changeHook_;
  AboutHook aboutHook_;
  PathHook pathHook_;
  std::vector<std::string> messages_;
  std::vector<std::string> questions_;
  std::string wingName_ = kStartWingName;
  std::vector<Control*> controls_;
  std::vector<MenuItem*> menuItems_;
  // Storage for the panel rows that Label_ks, Text_ks, Label_kc and Text_kc point into.
  std::vector<std::unique_ptr<Control>> panelRows_;
  std::unique_ptr<Module_ortak> record_ = std::make_unique<Module_ortak>();  // two 102 x 102 matrices
  Module_ortak& ortak = *record_;
  // The system and elimination kept between the window's solutions.
  SystemCache systemCache_;
  // The inputs the solution on view read: each control, the name the results window gives it, its state.
  struct SolvedInput {
    const Control* control;
    std::string name;
    std::string state;
  };
  std::vector<SolvedInput> solvedInputs_;
};

}  // namespace kelvane::ui
