#ifndef GEPFIT_EXPR_SYMBOL_SET_H_
#define GEPFIT_EXPR_SYMBOL_SET_H_

namespace gepfit {

// True when `symbol` is one of the characters of the NUL-terminated `set`.
// Symbols are bytes compared as they are, so codes above 127 work; the
// terminator is in no set, so a NUL symbol is never a member.
inline bool in_set(const char* set, char symbol) {
  for (const char* p = set; *p != '\0'; ++p) {
    if (*p == symbol) return true;
  }
  return false;
}

}  // namespace gepfit

#endif  // GEPFIT_EXPR_SYMBOL_SET_H_
