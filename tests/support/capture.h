#ifndef GEPFIT_TESTS_SUPPORT_CAPTURE_H_
#define GEPFIT_TESTS_SUPPORT_CAPTURE_H_

#include <cstdio>
#include <string>

namespace gepfit::testing {

// A temporary stream that collects what is written to it, for functions
// that print to a FILE*.
class captured_stream {
 public:
  captured_stream();
  ~captured_stream();
  captured_stream(const captured_stream&) = delete;
  captured_stream& operator=(const captured_stream&) = delete;

  std::FILE* get() const { return file_; }
  // Everything written so far.
  std::string text() const;

 private:
  std::FILE* file_;
};

// Runs `body` with the process's standard output redirected, and returns
// what it printed there (for code that prints on stdout itself).
template <typename F>
std::string capture_stdout(F body);

std::string capture_stdout_begin_end(void (*body)(void*), void* context);

template <typename F>
std::string capture_stdout(F body) {
  return capture_stdout_begin_end(
      [](void* context) { (*static_cast<F*>(context))(); }, &body);
}

}  // namespace gepfit::testing

#endif  // GEPFIT_TESTS_SUPPORT_CAPTURE_H_
