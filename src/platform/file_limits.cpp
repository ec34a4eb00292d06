#include "platform/file_limits.h"

#include "platform/errors.h"
#include "text/catalogue.h"

namespace platform {

std::string fileTooLargeMessage(const std::string& path) {
  return format1(text::tr(text::Id::ErrorFileTooLarge), path);
}

void refuseOversizedFile(const std::string& path, std::uint64_t size) {
  if (size > kMaxTextFileBytes) throw UserError(fileTooLargeMessage(path));
}

}  // namespace platform
