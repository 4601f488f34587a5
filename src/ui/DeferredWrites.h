// Holds back the files that the solve command writes, for as long as it lives, and writes them when it ends:
//
//   {
//     DeferredWrites deferred(form);
//     for (each operating point) { set the value box; form.PLL.Click(); }
//     if (!deferred.Flush()) ... a write failed; its message has been shown
//   }
//
// A polar presses the solve button once per point, and each press appends its blocks to "PLL.txt" and
// rewrites "LastConfig.cfg", each write flushed to the disk. Held back, the report's blocks go out in one
// append and each configuration file once, with its last content: the files end byte for byte as after
// the presses one by one. The planform command's new report is held as well, replacing what was held of the
// old one. Any other command of the form that reads or lists files (the file panel) writes what is held
// first, so it finds the files as the presses left them. What is held can also be dropped, leaving the files
// as they were: a batch run refused before its first solution changes none.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kelvane::ui {

class Form_Wing;

class DeferredWrites {
 public:
  // Holds the form's writes from now on. Inside another DeferredWrites of the same form, the outer one
  // keeps holding and writes at its end.
  explicit DeferredWrites(Form_Wing& form);
  ~DeferredWrites();  // Flush()
  DeferredWrites(const DeferredWrites&) = delete;
  DeferredWrites& operator=(const DeferredWrites&) = delete;

  // Writes everything the form holds back now, the report's blocks first as the solve command does; the
  // writes after this are held again. False when a write failed: its message has been shown, and what
  // failed is not written later.
  bool Flush();

  // Drops everything the form holds back: nothing of it is ever written.
  void Discard();

 private:
  friend class Form_Wing;

  // What the solve command would have written now.
  void HoldReport(const std::string& blocks);
  void HoldNewReport(const std::string& start);
  void HoldFile(const std::string& path, const std::string& content);
  // Writes what this one holds.
  bool WriteOut();
  bool WriteReport(std::string report, bool startsAnew);

  Form_Wing& form_;
  bool holding_;  // false inside another DeferredWrites
  std::string report_;
  bool newReport_ = false;  // report_ replaces the file instead of being appended to it
  std::vector<std::pair<std::string, std::string>> files_;  // path and last content, in first-write order
};

}  // namespace kelvane::ui
