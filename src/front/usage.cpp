#include "front/usage.h"

#include <omp.h>

#include "front/run_settings.h"

namespace gepfit {

void print_usage(std::FILE* out, const char* prog) {
  // Always the built-in defaults, whatever the command line says.
  const run_settings d = default_settings();
  std::fprintf(out, "Usage: %s [options] infile [outfile] \n", prog);
  std::fprintf(out, "Gene Expression Programming for Regression\n");
  std::fprintf(out,
               "-v#      Read first # available input vars from infile "
               "(default: %d)\n",
               d.max_vars);
  std::fprintf(out,
               "-o*      Set of 1-operand function symbols (default: %s)\n",
               d.functions1.c_str());
  std::fprintf(out,
               "-O*      Set of 2-operand function symbols (default: %s)\n",
               d.functions2.c_str());
  std::fprintf(out, "-i#      Maximum iterations (default: %ld)\n", d.max_iter);
  std::fprintf(out,
               "-n#      Maximum rows to read from input file (default: %d)\n",
               d.max_rows);
  std::fprintf(out, "-h#      Head length of a gene (default: %d)\n",
               d.head_length);
  std::fprintf(out,
               "-c#      Percentage of the population to keep for next iter "
               "(default: %.3f)\n",
               d.cutoff);
  std::fprintf(out, "-e#      R-square target (0~0.999)(default: %.3f)\n",
               d.r2_target);
  std::fprintf(out, "-m#      Mutation rate (0~1) (default: %.3f)\n",
               d.mutation);
  std::fprintf(out, "-x#      Crossover rate (0~1) (default: %.3f)\n",
               d.crossover);
  std::fprintf(out, "-X#      Inversion rate (0~1) (default: %.3f)\n",
               d.inversion);
  std::fprintf(out, "-p#      Population size (default: %d)\n", d.popsize);
  std::fprintf(out, "-b#      Number of GEP passes (default: %d)\n", d.npass);
  std::fprintf(out, "-q#      Verbose level (0~2)(default: %d)\n", d.verbose);
  std::fprintf(out, "-t#      Number of threads (0~%d)(default: %d)\n",
               omp_get_max_threads(), d.threads);
  std::fprintf(out, "-s#      Random seed (default: %ld)\n",
               static_cast<long>(d.seed));
  std::fprintf(out, "-!       Print additional help information\n");
  std::fprintf(out, "infile   File to read data from [required]\n");
  std::fprintf(out, "outfile  File to write solution to [optional]\n");
}

void print_banner(std::FILE* err) {
  std::fprintf(err, "Gene Expression Programming for Regression\n");
}

void print_help(std::FILE* err) {
  std::fprintf(err,
               "The program implements the Gene Expression Programming (GEP) "
               "algorithm.\n");
  std::fprintf(err,
               "It discovers functional relationships between an output and "
               "multiple inputs.\n");
  std::fprintf(err, "Input format: \n");
  std::fprintf(err,
               "1. Each line is an example (observation), a header line is "
               "optional. \n");
  std::fprintf(err,
               "2. The first column is automatically treated as the output "
               "(target) variable.\n");
  std::fprintf(err,
               "3. Subsequent columns are input variables, internally labeled "
               "as a,b,c,...\n");
  std::fprintf(err,
               "4. Columns must be separated by any of these: "
               "space,tab,comma,semicolon.\n");
  std::fprintf(err, "Supported functions: +-*/^ACDELQRS\n");
  std::fprintf(err,
               "a^b=pow(abs(a),b), A(a)=abs(a), C(a)=cos(a), D(a)=cubic root "
               "of a \n");
  std::fprintf(err,
               "E(a)=exp(a), L(a)=log(a), Q(a)=sqrt(abs(a)), R(a)=round(a), "
               "S(a)=sin(a) \n");
  std::fprintf(err,
               "The program uses OpenMP for multi-threading. Set the "
               "environment with, e.g.: \n");
  std::fprintf(err, "Linux: export OMP_NUM_THREADS=8\n");
  std::fprintf(err, "Windows: set OMP_NUM_THREADS=8\n");
}

}  // namespace gepfit
