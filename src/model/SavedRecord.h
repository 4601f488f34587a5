// A copy of the model record that is put back when it goes out of scope, so that extra solutions of the
// same wing (the stall onset, a polar) leave the user's state exactly as it was:
//
//   {
//     const SavedRecord saved;
//     ... solve other operating points ...
//   }  // ortak holds what it held before
#pragma once

#include <memory>

#include "model/Module_ortak.h"

namespace kelvane {

class SavedRecord {
 public:
  SavedRecord() : copy_(std::make_unique<const Module_ortak>(ortak)) {}
  ~SavedRecord() { ortak = *copy_; }
  SavedRecord(const SavedRecord&) = delete;
  SavedRecord& operator=(const SavedRecord&) = delete;

 private:
  std::unique_ptr<const Module_ortak> copy_;  // on the heap: the record holds two 102 x 102 matrices
};

}  // namespace kelvane
