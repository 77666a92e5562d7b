#ifndef GEPFIT_FRONT_LINE_READER_H_
#define GEPFIT_FRONT_LINE_READER_H_

#include <cstddef>
#include <cstdio>
#include <string>

namespace gepfit {

// Reads the lines of a text stream whole, whatever their length, without
// ever rewinding it (it may be a pipe). Does not own the stream.
class line_reader {
 public:
  explicit line_reader(std::FILE* in) : in_(in) {}
  ~line_reader();
  line_reader(const line_reader&) = delete;
  line_reader& operator=(const line_reader&) = delete;

  // The next line into `line`, its newline kept, cut at its first NUL
  // byte (as C string functions see it), and with a carriage return just
  // before the newline removed. False at the end of the stream.
  bool next(std::string& line);

 private:
  std::FILE* in_;
  char* buffer_ = nullptr;  // grown by getline, released by the destructor
  std::size_t capacity_ = 0;
};

}  // namespace gepfit

#endif  // GEPFIT_FRONT_LINE_READER_H_
