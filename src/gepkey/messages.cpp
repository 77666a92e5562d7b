#include "gepkey/messages.h"

#include <cstdarg>

namespace gepfit {

void print_error(std::FILE* err, const std::string& message) {
  std::fprintf(err, "gepkey: %s\n", message.c_str());
}

std::string format_text(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

}  // namespace gepfit
