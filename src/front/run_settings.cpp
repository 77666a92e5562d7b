#include "front/run_settings.h"

#include <omp.h>

namespace gepfit {

int default_threads() {
  int available = omp_get_max_threads();
  return available > 4 ? 4 : available;
}

run_settings default_settings() {
  run_settings settings;
  settings.threads = default_threads();
  return settings;
}

}  // namespace gepfit
