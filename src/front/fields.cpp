#include "front/fields.h"

#include <cctype>
#include <cstdlib>

namespace gepfit {

std::vector<std::string> split_fields(const std::string& line,
                                      const std::string& delimiters) {
  std::vector<std::string> fields;
  std::size_t start = line.find_first_not_of(delimiters);
  while (start != std::string::npos) {
    std::size_t end = line.find_first_of(delimiters, start);
    fields.push_back(line.substr(start, end - start));
    start = line.find_first_not_of(delimiters, end);
  }
  return fields;
}

bool is_number(const char* text) {
  if (text == nullptr || *text == '\0') return false;
  if (std::isspace(static_cast<unsigned char>(*text))) return false;
  char* end = nullptr;
  std::strtod(text, &end);
  return *end == '\0';
}

double field_value(const std::string& field) {
  return std::strtod(field.c_str(), nullptr);
}

}  // namespace gepfit
