// How every engine step that can refuse says so: it went through, or it was refused with the message
// for the user. The type is [[nodiscard]], so no caller can drop a refusal unread.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace kelvane {

class [[nodiscard]] Outcome {
 public:
  // The step went through.
  Outcome() = default;
  static Outcome Done() { return {}; }
  static Outcome Refused(std::string message) { return Outcome(std::move(message)); }

  bool IsRefused() const { return message_.has_value(); }
  // The message of a refusal; empty when the step went through.
  const std::string& Message() const {
    static const std::string kNone;
    return message_ ? *message_ : kNone;
  }

 private:
  explicit Outcome(std::string message) : message_(std::move(message)) {}

  std::optional<std::string> message_;
};

}  // namespace kelvane
