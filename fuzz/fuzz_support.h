#ifndef GEPFIT_FUZZ_FUZZ_SUPPORT_H_
#define GEPFIT_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace gepfit::fuzzing {

// A sink for everything the code under test prints.
inline std::FILE* null_stream() {
  static std::FILE* sink = std::fopen("/dev/null", "w");
  return sink;
}

// Reads the input front to back; past the end every read gives 0.
class byte_reader {
 public:
  byte_reader(const std::uint8_t* data, std::size_t size)
      : data_(data), size_(size) {}

  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

  // Up to `count` bytes that are not NUL (a NUL would end a C string).
  std::string symbols(std::size_t count) {
    std::string text;
    while (text.size() < count && at_ < size_) {
      const char c = static_cast<char>(data_[at_++]);
      if (c != '\0') text.push_back(c);
    }
    return text;
  }

  std::string rest() {
    std::string text(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
    at_ = size_;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace gepfit::fuzzing

#endif  // GEPFIT_FUZZ_FUZZ_SUPPORT_H_
