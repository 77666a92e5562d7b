#include "support/key_bytes.h"

#include <bit>

namespace gepfit::testing {
namespace {

std::string le_bytes(std::uint64_t bits, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
  }
  return out;
}

}  // namespace

std::string le_int(std::int32_t value) {
  return le_bytes(static_cast<std::uint32_t>(value), 4);
}

std::string le_double(double value) {
  return le_bytes(std::bit_cast<std::uint64_t>(value), 8);
}

std::string key_header(std::int32_t initial_nvars, std::int32_t npass) {
  return le_int(initial_nvars) + le_int(npass);
}

key_record make_key(double intercept,
                    double slope,
                    const std::string& gene,
                    double rsquare) {
  return {intercept, slope, static_cast<std::int32_t>(gene.size()), gene,
          rsquare};
}

}  // namespace gepfit::testing
