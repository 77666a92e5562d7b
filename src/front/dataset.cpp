#include "front/dataset.h"

namespace gepfit {

std::string make_terminals(int nvars) {
  std::string terminals;
  for (int k = 0; k < nvars; ++k)
    terminals.push_back(static_cast<char>('a' + k));
  return terminals;
}

}  // namespace gepfit
