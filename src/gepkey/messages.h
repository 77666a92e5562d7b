#ifndef GEPFIT_GEPKEY_MESSAGES_H_
#define GEPFIT_GEPKEY_MESSAGES_H_

#include <cstdio>
#include <string>

namespace gepfit {

// Prints "gepkey: MESSAGE" and a newline on `err`.
void print_error(std::FILE* err, const std::string& message);

// Formats like printf into a string of any length.
[[gnu::format(printf, 1, 2)]] std::string format_text(const char* format, ...);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_MESSAGES_H_
