// The model as LaTeX, one aligned line per appended variable, for papers
// and notes; gepfit's protected operations are named in a comment.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "gepkey/emit_tree.h"
#include "gepkey/export.h"

namespace gepfit {
namespace {

// True when `text` is one \left ... \right group from end to end.
bool is_one_group(const std::string& text) {
  if (text.rfind("\\left", 0) != 0) return false;
  int depth = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text.compare(at, 5, "\\left") == 0) ++depth;
    if (text.compare(at, 6, "\\right") == 0 && --depth == 0) {
      return text.compare(at, std::string::npos, "\\right)") == 0;
    }
  }
  return false;
}

// An operand inside delimiters of its own needs no parentheses.
std::string ungrouped(const std::string& text) {
  if (!is_one_group(text) || text.compare(0, 6, "\\left(") != 0) return text;
  return text.substr(6, text.size() - 6 - 7);
}

std::string latex_number(double value) {
  if (std::isnan(value)) return "\\mathrm{NaN}";
  if (std::isinf(value)) return value > 0 ? "\\infty" : "-\\infty";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  const char* exponent = std::strchr(buffer, 'e');
  if (exponent == nullptr) return buffer;
  return std::string(buffer, static_cast<std::size_t>(exponent - buffer)) +
         " \\times 10^{" + std::to_string(std::atoi(exponent + 1)) + "}";
}

std::string escaped(const std::string& name) {
  std::string text;
  for (char c : name) {
    if (std::strchr("_#$%&{}", c) != nullptr) {
      text += std::string("\\") + c;
    } else if (c == '\\') {
      text += "\\textbackslash{}";
    } else if (c == '^' || c == '~') {
      text += c == '^' ? "\\textasciicircum{}" : "\\textasciitilde{}";
    } else {
      text += c;
    }
  }
  return text;
}

// A letter stays itself, letters and a number become a subscript (x1 is
// x_{1}), anything else upright.
std::string latex_name(const std::string& name) {
  std::size_t letters = 0;
  while (letters < name.size() && std::isalpha((unsigned char)name[letters])) {
    ++letters;
  }
  std::size_t digits = letters;
  while (digits < name.size() && std::isdigit((unsigned char)name[digits])) {
    ++digits;
  }
  if (letters == 1 && digits == 1) return name;
  if (letters >= 1 && digits == name.size() && digits > letters) {
    const std::string base = name.substr(0, letters);
    return (letters == 1 ? base : "\\mathit{" + base + "}") + "_{" +
           name.substr(letters) + "}";
  }
  return "\\mathrm{" + escaped(name) + "}";
}

std::string group(const std::string& inner) {
  return "\\left(" + inner + "\\right)";
}

std::string latex_apply(char symbol,
                        const std::string& a,
                        const std::string& b) {
  switch (symbol) {
    case '+':
      return group(a + " + " + b);
    case '-':
      return group(a + " - " + b);
    case '*':
      return group(a + " \\cdot " + b);
    case '/':
      return "\\frac{" + ungrouped(a) + "}{" + ungrouped(b) + "}";
    case '^':
      return "\\left|" + ungrouped(a) + "\\right|^{" + ungrouped(b) + "}";
    case 'A':
      return "\\left|" + ungrouped(a) + "\\right|";
    case 'C':
      return "\\cos" + group(ungrouped(a));
    case 'D':
      return "\\sqrt[3]{" + ungrouped(a) + "}";
    case 'E':
      return "\\exp" + group(ungrouped(a));
    case 'L':
      return "\\ln\\left|" + ungrouped(a) + "\\right|";
    case 'Q':
      return "\\sqrt{\\left|" + ungrouped(a) + "\\right|}";
    case 'R':
      return "\\operatorname{round}" + group(ungrouped(a));
    case 'S':
      return "\\sin" + group(ungrouped(a));
    default:
      return "0";
  }
}

std::string appended_name(int index) {
  return index < 26 ? variable_letter(index)
                    : "v_{" + std::to_string(index) + "}";
}

}  // namespace

std::string export_latex(const key_model& model,
                         const std::vector<std::string>& names) {
  code_language latex;
  latex.variable = [&](int index) {
    return index < model.initial_nvars() ? latex_name(names[index])
                                         : appended_name(index);
  };
  latex.zero = "0";
  latex.apply = latex_apply;
  std::string text =
      "% The final model of the gepfit key file " + model.path +
      ", exported by gepkey.\n"
      "% As gepfit computes them: x/0 is -sign(x) (0/0 is 0), the power,\n"
      "% log and square root take |a|, the cube root keeps the sign, and\n"
      "% round takes halves away from zero.\n"
      "\\begin{aligned}\n";
  const std::vector<bool> in_model = records_in_model(model);
  for (int k = 0; k < model.nrecords(); ++k) {
    if (!in_model[k]) continue;
    const int index = model.initial_nvars() + k;
    text += appended_name(index) + " &= " +
            scaled_text(model.key.records[k], emit_record(model, k, latex),
                        "\\cdot", latex_number) +
            (k + 1 < model.nrecords() ? " \\\\\n" : "\n");
  }
  return text + "\\end{aligned}\n";
}

}  // namespace gepfit
