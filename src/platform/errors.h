#pragma once
// Errors the user sees. Every handler may throw one; the dispatcher shows it in the error box.
#include <exception>
#include <initializer_list>
#include <string>
#include <utility>

namespace platform {

// An exception holding its message in an ordinary std::string. The standard error classes keep
// theirs in a second, reference-counted string kind, which alone would add tens of KB to the exe.
class MessageError : public std::exception {
 public:
  explicit MessageError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// An error carrying the message shown to the user (UTF-8).
class UserError : public MessageError {
 public:
  using MessageError::MessageError;
};

// A fault in the program itself (a window or table entry that should be there and is not).
class ProgramFault : public MessageError {
 public:
  using MessageError::MessageError;
};

// The settings store's error kind ("'%s' のデータ型が不正です" and its two siblings).
class RegistryError : public UserError {
 public:
  using UserError::UserError;
};

// Replaces the first "%s" of a message template by an argument.
std::string format1(const std::string& pattern, const std::string& argument);
// Replaces each "%s" in turn by the next argument.
std::string formatAll(const std::string& pattern, std::initializer_list<std::string> arguments);

// The error box's text: the message, then "." when its last character sorts after ".".
std::string withFullStop(const std::string& message);

}  // namespace platform
