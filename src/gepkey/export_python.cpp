// The final model as a pure Python function that computes what gepfit
// computes: Python's floats are C doubles and its math module calls the
// same C library, so only the places where math raises need a helper.
#include <cmath>
#include <set>

#include "gepkey/emit_tree.h"
#include "gepkey/export.h"

namespace gepfit {
namespace {

struct python_helper {
  char symbol;
  const char* text;
};

// The protected operations, and the functions whose math counterparts
// raise where C returns a value; written only when the model uses them.
constexpr python_helper k_helpers[] = {
    {'/',
     "def _div(a, b):\n"
     "    # x / 0 gives the negated sign of x (0 for 0 / 0), not an error.\n"
     "    if b != 0.0:\n"
     "        return a / b\n"
     "    if a < 0.0:\n"
     "        return 1.0\n"
     "    if a > 0.0:\n"
     "        return -1.0\n"
     "    return 0.0\n"},
    {'^',
     "def _pow(a, b):\n"
     "    # pow(|a|, b); 0 to a negative power and overflow give inf, as in "
     "C.\n"
     "    try:\n"
     "        return math.pow(abs(a), b)\n"
     "    except (ValueError, OverflowError):\n"
     "        return math.inf\n"},
    {'C',
     "def _cos(a):\n"
     "    # cos of an infinity is NaN, as in C.\n"
     "    return math.nan if math.isinf(a) else math.cos(a)\n"},
    {'D',
     "def _cbrt(a):\n"
     "    # The cube root through pow with the double nearest 1/3, sign "
     "kept.\n"
     "    s = 1.0 if a > 0.0 else (-1.0 if a < 0.0 else 0.0)\n"
     "    return s * math.pow(abs(a), 0.3333333333333333)\n"},
    {'E',
     "def _exp(a):\n"
     "    # Overflow gives inf, as in C.\n"
     "    try:\n"
     "        return math.exp(a)\n"
     "    except OverflowError:\n"
     "        return math.inf\n"},
    {'L',
     "def _log(a):\n"
     "    # The logarithm of |a|; log 0 is -inf, as in C.\n"
     "    a = abs(a)\n"
     "    return -math.inf if a == 0.0 else math.log(a)\n"},
    {'R',
     "def _round(a):\n"
     "    # Halfway cases away from zero, as C's round (Python's round()\n"
     "    # takes them to even). a - floor(a) is exact for a double.\n"
     "    if not math.isfinite(a):\n"
     "        return a\n"
     "    r = math.floor(abs(a))\n"
     "    if abs(a) - r >= 0.5:\n"
     "        r += 1\n"
     "    return math.copysign(float(r), a)\n"},
    {'S',
     "def _sin(a):\n"
     "    # sin of an infinity is NaN, as in C.\n"
     "    return math.nan if math.isinf(a) else math.sin(a)\n"},
};

std::string python_number(double value) {
  if (std::isnan(value)) return "math.nan";
  if (std::isinf(value)) return value > 0 ? "math.inf" : "-math.inf";
  return shortest_text(value);
}

std::string python_apply(char symbol,
                         const std::string& a,
                         const std::string& b) {
  switch (symbol) {
    case '+':
      return "(" + a + " + " + b + ")";
    case '-':
      return "(" + a + " - " + b + ")";
    case '*':
      return "(" + a + " * " + b + ")";
    case '/':
      return "_div(" + a + ", " + b + ")";
    case '^':
      return "_pow(" + a + ", " + b + ")";
    case 'A':
      return "abs(" + a + ")";
    case 'C':
      return "_cos(" + a + ")";
    case 'D':
      return "_cbrt(" + a + ")";
    case 'E':
      return "_exp(" + a + ")";
    case 'L':
      return "_log(" + a + ")";
    case 'Q':
      return "math.sqrt(abs(" + a + "))";
    case 'R':
      return "_round(" + a + ")";
    case 'S':
      return "_sin(" + a + ")";
    default:
      return "0.0";
  }
}

std::string module_docstring(const key_model& model,
                             const std::vector<std::string>& names) {
  std::string text =
      "\"\"\"The final model of a gepfit key file, exported by gepkey.\n\n"
      "gepkey_model(x) computes what gepfit computes for its last appended\n"
      "variable, " +
      variable_letter(model.nvars() - 1) +
      ", to the last bit. x holds the inputs in the column order of\n"
      "the data file, listed below. Where Python's math raises, the helpers\n"
      "return what C's math library returns.\n"
      "\"\"\"\n"
      "import math\n\n";
  text += "# Key file: " + model.path + "\n# Inputs:";
  for (int k = 0; k < model.initial_nvars(); ++k) {
    text += (k % 4 == 0 ? "\n#  " : "") + std::string(" x[") +
            std::to_string(k) + "] " + names[k] + ";";
  }
  return text + "\n\n";
}

}  // namespace

std::string export_python(const key_model& model,
                          const std::vector<std::string>& names) {
  std::set<char> used;
  code_language python;
  python.variable = [&](int index) { return indexed_variable(model, index); };
  python.zero = "0.0";
  python.apply = python_apply;
  const std::string body = model_body(
      model, python,
      [](const std::string& name, const std::string& expression,
         const std::string& letter) {
        return "    " + name + " = " + expression +
               (letter.empty() ? "" : "  # " + letter) + "\n";
      },
      python_number, used);
  std::string text = module_docstring(model, names);
  for (const python_helper& helper : k_helpers) {
    if (used.count(helper.symbol) != 0)
      text += helper.text + std::string("\n\n");
  }
  return text + "def gepkey_model(x):\n" +
         "    x = [float(value) for value in x]\n" + body + "    return v" +
         std::to_string(model.nvars() - 1) + "\n";
}

}  // namespace gepfit
