// The model as a SymPy expression over symbols named like the inputs, for
// simplifying, differentiating or printing it in other forms.
#include <cmath>
#include <set>

#include "gepkey/emit_tree.h"
#include "gepkey/export.h"

namespace gepfit {
namespace {

struct sympy_helper {
  char symbol;
  const char* text;
};

constexpr sympy_helper k_helpers[] = {
    {'/',
     "def _div(num, den):\n"
     "    # x / 0 gives the negated sign of x (0 for 0 / 0).\n"
     "    return sympy.Piecewise((num / den, sympy.Ne(den, 0)), "
     "(-sympy.sign(num), True))\n"},
    {'D',
     "def _cbrt(value):\n"
     "    # The real cube root, sign kept.\n"
     "    return sympy.sign(value) * sympy.Abs(value) ** sympy.Rational(1, "
     "3)\n"},
    {'R',
     "def _round(value):\n"
     "    # Halfway cases away from zero.\n"
     "    return sympy.sign(value) * sympy.floor(sympy.Abs(value) + "
     "sympy.Rational(1, 2))\n"},
};

std::string sympy_number(double value) {
  if (std::isnan(value)) return "sympy.nan";
  if (std::isinf(value)) return value > 0 ? "sympy.oo" : "-sympy.oo";
  return shortest_text(value);
}

std::string sympy_apply(char symbol,
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
      return "(sympy.Abs(" + a + ") ** " + b + ")";
    case 'A':
      return "sympy.Abs(" + a + ")";
    case 'C':
      return "sympy.cos(" + a + ")";
    case 'D':
      return "_cbrt(" + a + ")";
    case 'E':
      return "sympy.exp(" + a + ")";
    case 'L':
      return "sympy.log(sympy.Abs(" + a + "))";
    case 'Q':
      return "sympy.sqrt(sympy.Abs(" + a + "))";
    case 'R':
      return "_round(" + a + ")";
    case 'S':
      return "sympy.sin(" + a + ")";
    default:
      return "0";
  }
}

// The Python name of variable `index`: its letter up to z.
std::string identifier(int index) {
  return index < 26 ? variable_letter(index) : "v" + std::to_string(index);
}

std::string string_literal(const std::string& text) {
  std::string literal = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') literal += '\\';
    literal += c;
  }
  return literal + "\"";
}

}  // namespace

std::string export_sympy(const key_model& model,
                         const std::vector<std::string>& names) {
  std::set<char> used;
  code_language sympy;
  sympy.variable = identifier;
  sympy.zero = "0";
  sympy.apply = sympy_apply;
  const std::string body = model_body(
      model, sympy,
      [](const std::string& name, const std::string& expression,
         const std::string&) { return name + " = " + expression + "\n"; },
      sympy_number, used);
  std::string text =
      "\"\"\"The final model of a gepfit key file as a SymPy expression, "
      "exported by\ngepkey. `model` is its last appended variable over the "
      "inputs.\n\"\"\"\nimport sympy\n\n# Key file: " +
      model.path + "\n";
  for (int k = 0; k < model.initial_nvars(); ++k) {
    text +=
        identifier(k) + " = sympy.Symbol(" + string_literal(names[k]) + ")\n";
  }
  text += "\n";
  for (const sympy_helper& helper : k_helpers) {
    if (used.count(helper.symbol) != 0)
      text += "\n" + std::string(helper.text) + "\n";
  }
  return text + "\n" + body + "model = " + identifier(model.nvars() - 1) + "\n";
}

}  // namespace gepfit
