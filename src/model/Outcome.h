// How every step that can refuse says so: it went through, or it was refused with the message for the
// user. Both types are [[nodiscard]], so no caller can drop a refusal unread: Outcome for a step that only
// acts, Expected<T> for one that hands back a value when it goes through.
#pragma once

#include <cassert>
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

// A value, or the refusal that stood in its way.
template <typename T>
class [[nodiscard]] Expected {
 public:
  Expected(T value) : value_(std::move(value)) {}
  // From a refusal; an Outcome that went through carries no value and is a caller's mistake.
  Expected(Outcome refusal) : refusal_(std::move(refusal)) { assert(refusal_.IsRefused()); }

  bool IsRefused() const { return !value_.has_value(); }
  explicit operator bool() const { return value_.has_value(); }
  const Outcome& Refusal() const { return refusal_; }
  const std::string& Message() const { return refusal_.Message(); }

  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }

 private:
  std::optional<T> value_;
  Outcome refusal_;
};

}  // namespace kelvane
