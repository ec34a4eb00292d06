// How the standard library reports a misused container or string (length, position, null
// pointer): the same messages, carried by platform::ProgramFault. The library's own versions
// throw std::logic_error and its kin, which hold their message in a second, reference-counted
// string kind; linking that in costs the exe about a tenth of its size.
#include <cstdarg>
#include <cstddef>
#include <new>
#include <string>
#include <typeinfo>

#include "platform/errors.h"

namespace {

[[noreturn]] void fault(const char* message) { throw platform::ProgramFault(message ? message : ""); }

// The library's position messages use only "%zu", "%s" and "%%".
std::string positionMessage(const char* pattern, va_list arguments) {
  std::string message;
  for (const char* p = pattern; *p; ++p) {
    if (*p != '%') {
      message += *p;
    } else if (p[1] == 'z' && p[2] == 'u') {
      message += std::to_string(va_arg(arguments, std::size_t));
      p += 2;
    } else if (p[1] == 's') {
      const char* text = va_arg(arguments, const char*);
      message += text ? text : "";
      ++p;
    } else if (p[1] == '%') {
      message += '%';
      ++p;
    } else {
      message += *p;
    }
  }
  return message;
}

}  // namespace

namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* message) { fault(message); }
void __throw_domain_error(const char* message) { fault(message); }
void __throw_invalid_argument(const char* message) { fault(message); }
void __throw_length_error(const char* message) { fault(message); }
void __throw_out_of_range(const char* message) { fault(message); }
void __throw_runtime_error(const char* message) { fault(message); }
void __throw_range_error(const char* message) { fault(message); }
void __throw_overflow_error(const char* message) { fault(message); }
void __throw_underflow_error(const char* message) { fault(message); }

void __throw_out_of_range_fmt(const char* pattern, ...) {
  va_list arguments;
  va_start(arguments, pattern);
  std::string message = positionMessage(pattern, arguments);
  va_end(arguments);
  throw platform::ProgramFault(std::move(message));
}

}  // namespace std
