// The configuration file panel: open and save modes, navigation, reading a clicked file, saving.
#include <filesystem>
#include <string>
#include <system_error>

#include "model/MessageText.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

constexpr const char* kSavePattern = "*.cfg";
constexpr const char* kConfigExtension = ".cfg";
constexpr const char* kInvalidName = "Geçerli bir dosya adı yazınız";
constexpr const char* kReplaceQuestion = " dosyası zaten var. Üzerine yazılsın mı?";
constexpr const char* kBlanks = " \t";

// The unchanged pattern, a name with wildcards, a blank name or a folder's name ending in "/" cannot take
// a file.
bool IsSavableName(const std::string& name) {
  if (name.find_first_not_of(kBlanks) == std::string::npos || name.back() == '/') return false;
  return name.find_first_of("*?") == std::string::npos;
}

// A name typed without an extension takes the configuration files' one: the file list shows no other.
std::string WithConfigExtension(const std::string& path) {
  return std::filesystem::path(path).extension().empty() ? path + kConfigExtension : path;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

// A typed name without a folder belongs in the folder the panel shows; a full path stands as typed.
std::string PathInFolder(const std::string& folder, const std::string& name) {
  return name.front() == '/' ? name : JoinPath(folder, name);
}

}  // namespace

void Form_Wing::Mn_Open_Click() {
  Frm_IO.SetVisible(true);
  File1.RefreshList();  // a solve or a save may have added files since the list was made
  File1.SetVisible(true);
  Text_OutFile.SetVisible(false);
  Command_Save.SetVisible(false);
  Command_Cancel.SetVisible(false);
}

void Form_Wing::Mn_Save_Click() {
  Frm_IO.SetVisible(true);
  File1.SetVisible(false);
  Text_OutFile.SetVisible(true);
  Text_OutFile.SetText(kSavePattern);
  Command_Save.SetVisible(true);
  Command_Cancel.SetVisible(true);
}

void Form_Wing::Drive1_Change() { Dir1.SetPath(Drive1.Drive()); }

void Form_Wing::Dir1_Change() { File1.SetPath(Dir1.Path()); }

void Form_Wing::File1_Click() {
  ConfigFileName = JoinPath(File1.Path(), File1.FileName());
  ReadAnExistingConfig_from_aFile();
}

void Form_Wing::Command_Save_Click() {
  const std::string& typed = Text_OutFile.Text();
  std::string path = IsSavableName(typed) ? PathInFolder(Dir1.Path(), typed) : std::string();
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) {
    MsgBox(kInvalidName);
    return;
  }
  path = WithConfigExtension(path);
  const std::string name = WithConfigExtension(typed);
  // The panel stays open after a no, for another name.
  if (std::filesystem::exists(path, error) && !AskYesNo(QuoteForMessage(name) + kReplaceQuestion)) return;
  ConfigFileName = path;
  if (!WriteExistingConfig_in_aFile()) return;
  Frm_IO.SetVisible(false);
  File1.RefreshList();
}

void Form_Wing::Command_Cancel_Click() { Frm_IO.SetVisible(false); }

// Closes the panel in either mode; the open mode has no cancel button of its own.
void Form_Wing::Form_KeyEscape() { Frm_IO.SetVisible(false); }

}  // namespace kelvane::ui
