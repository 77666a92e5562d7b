// The final model as a C function that computes what gepfit computes, bit
// for bit, when compiled without fast-math and with -ffp-contract=off.
#include <cmath>
#include <set>

#include "gepkey/emit_tree.h"
#include "gepkey/export.h"

namespace gepfit {
namespace {

struct c_helper {
  char symbol;
  const char* text;
};

// The protected operations, written only when the model uses them.
constexpr c_helper k_helpers[] = {
    {'/',
     "/* x / 0 gives the negated sign of x (0 for 0 / 0), not an infinity. */\n"
     "static double gep_div(double a, double b) {\n"
     "  if (b != 0.0) return a / b;\n"
     "  if (a < 0.0) return 1.0;\n"
     "  if (a > 0.0) return -1.0;\n"
     "  return 0.0;\n"
     "}\n"},
    {'^',
     "/* The power of the absolute value of the base. */\n"
     "static double gep_pow(double a, double b) { return pow(fabs(a), b); }\n"},
    {'D',
     "/* The cube root through pow with the double nearest 1/3, sign kept. */\n"
     "static double gep_cbrt(double a) {\n"
     "  const double s = a > 0.0 ? 1.0 : (a < 0.0 ? -1.0 : 0.0);\n"
     "  return s * pow(fabs(a), 0.3333333333333333);\n"
     "}\n"},
    {'L',
     "/* The logarithm of the absolute value. */\n"
     "static double gep_log(double a) { return log(fabs(a)); }\n"},
    {'Q',
     "/* The square root of the absolute value. */\n"
     "static double gep_sqrt(double a) { return sqrt(fabs(a)); }\n"},
};

std::string c_number(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INFINITY" : "-INFINITY";
  return shortest_text(value);
}

std::string c_apply(char symbol, const std::string& a, const std::string& b) {
  switch (symbol) {
    case '+':
      return "(" + a + " + " + b + ")";
    case '-':
      return "(" + a + " - " + b + ")";
    case '*':
      return "(" + a + " * " + b + ")";
    case '/':
      return "gep_div(" + a + ", " + b + ")";
    case '^':
      return "gep_pow(" + a + ", " + b + ")";
    case 'A':
      return "fabs(" + a + ")";
    case 'C':
      return "cos(" + a + ")";
    case 'D':
      return "gep_cbrt(" + a + ")";
    case 'E':
      return "exp(" + a + ")";
    case 'L':
      return "gep_log(" + a + ")";
    case 'Q':
      return "gep_sqrt(" + a + ")";
    case 'R':
      return "round(" + a + ")";  // halves away from zero
    case 'S':
      return "sin(" + a + ")";
    default:
      return "0.0";
  }
}

// A name as it may stand in a C comment.
std::string comment_safe(std::string name) {
  for (std::size_t at; (at = name.find("*/")) != std::string::npos;) {
    name.replace(at, 2, "* /");
  }
  return name;
}

std::string file_comment(const key_model& model,
                         const std::vector<std::string>& names) {
  std::string text =
      "/* The final model of the gepfit key file " + comment_safe(model.path) +
      ", exported by\n"
      " * gepkey: gepkey_model(x) computes what gepfit computes for its last\n"
      " * appended variable, " +
      variable_letter(model.nvars() - 1) +
      ", bit for bit when compiled without -ffast-math\n"
      " * and with -ffp-contract=off. x holds the inputs in the column order "
      "of\n"
      " * the data file:";
  for (int k = 0; k < model.initial_nvars(); ++k) {
    text += (k % 4 == 0 ? "\n *  " : "") + std::string(" x[") +
            std::to_string(k) + "] " + comment_safe(names[k]) + ";";
  }
  return text + "\n */\n#include <math.h>\n\n";
}

}  // namespace

std::string export_c(const key_model& model,
                     const std::vector<std::string>& names) {
  std::set<char> used;
  code_language c;
  c.variable = [&](int index) { return indexed_variable(model, index); };
  c.zero = "0.0";
  c.apply = c_apply;
  const std::string body = model_body(
      model, c,
      [](const std::string& name, const std::string& expression,
         const std::string& letter) {
        return "  const double " + name + " = " + expression + ";" +
               (letter.empty() ? "" : "  /* " + letter + " */") + "\n";
      },
      c_number, used);
  std::string text = file_comment(model, names);
  for (const c_helper& helper : k_helpers) {
    if (used.count(helper.symbol) != 0) text += helper.text + std::string("\n");
  }
  return text + "double gepkey_model(const double* x) {\n" + body +
         "  return v" + std::to_string(model.nvars() - 1) + ";\n}\n";
}

}  // namespace gepfit
