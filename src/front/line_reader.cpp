#include "front/line_reader.h"

#include <stdio.h>  // getline

#include <cstdlib>
#include <cstring>

namespace gepfit {

line_reader::~line_reader() { std::free(buffer_); }

bool line_reader::next(std::string& line) {
  ssize_t read = getline(&buffer_, &capacity_, in_);
  if (read < 0) return false;
  line.assign(buffer_, strnlen(buffer_, static_cast<std::size_t>(read)));
  std::size_t size = line.size();
  if (size >= 2 && line[size - 2] == '\r' && line[size - 1] == '\n') {
    line.erase(size - 2, 1);
  }
  return true;
}

}  // namespace gepfit
