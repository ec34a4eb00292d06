#pragma once
// Errors the user sees. Every handler may throw one; the dispatcher shows it in the error box.
#include <stdexcept>
#include <string>

namespace platform {

// An error carrying the message shown to the user (UTF-8).
class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

// The settings store's error kind ("'%s' のデータ型が不正です" and its two siblings).
class RegistryError : public UserError {
 public:
  using UserError::UserError;
};

// Replaces the first "%s" of a message template by an argument.
std::string format1(const std::string& pattern, const std::string& argument);

// The error box's text: the message, then "." when its last character sorts after ".".
std::string withFullStop(const std::string& message);

}  // namespace platform
