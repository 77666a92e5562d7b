#include "support/capture.h"

#include <unistd.h>

#include <stdexcept>

namespace gepfit::testing {

captured_stream::captured_stream() : file_(std::tmpfile()) {
  if (file_ == nullptr) throw std::runtime_error("tmpfile failed");
}

captured_stream::~captured_stream() { std::fclose(file_); }

std::string captured_stream::text() const {
  std::fflush(file_);
  long end = std::ftell(file_);
  std::string contents(static_cast<std::size_t>(end), '\0');
  std::rewind(file_);
  std::size_t got = std::fread(contents.data(), 1, contents.size(), file_);
  contents.resize(got);
  std::fseek(file_, 0, SEEK_END);
  return contents;
}

std::string capture_stdout_begin_end(void (*body)(void*), void* context) {
  captured_stream sink;
  std::fflush(stdout);
  int saved = dup(fileno(stdout));
  dup2(fileno(sink.get()), fileno(stdout));
  body(context);
  std::fflush(stdout);
  dup2(saved, fileno(stdout));
  close(saved);
  std::fseek(sink.get(), 0, SEEK_END);
  return sink.text();
}

}  // namespace gepfit::testing
