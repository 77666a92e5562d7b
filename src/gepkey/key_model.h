#ifndef GEPFIT_GEPKEY_KEY_MODEL_H_
#define GEPFIT_GEPKEY_KEY_MODEL_H_

#include <cstdio>
#include <optional>
#include <string>

#include "expr/etnode.h"
#include "keychain/key_file_reader.h"

namespace gepfit {

// Where a command finds its model: the key file and the function sets of
// the run that wrote it, which the file does not record.
struct key_source {
  std::string path;
  std::string functions1 = "ACDELQRS";
  std::string functions2 = "+*-/^";
};

// A key file read back with the function sets it decodes under.
struct key_model {
  std::string path;
  key_file key;
  std::string functions1;
  std::string functions2;

  int initial_nvars() const { return key.initial_nvars; }
  int nrecords() const { return static_cast<int>(key.records.size()); }
  // Every variable: the inputs, then one per record.
  int nvars() const { return initial_nvars() + nrecords(); }
};

// Reads the key file; prints what is wrong with it on `err` and returns
// nothing when it is not a key file.
std::optional<key_model> load_key_model(const key_source& source,
                                        std::FILE* err);

// The terminal set under which record k was decoded when the run appended
// its variable: the letters of the variables before it and its own.
std::string record_terminals(const key_model& model, int k);

// Record k's gene text decoded as the run decoded it. Never null for a
// model that load_key_model accepted.
et_ptr decode_record(const key_model& model, int k);

// The index of the variable that terminal `symbol` of record k reads; the
// record's own index stands for the 0.0 its new place holds while it is
// computed.
int variable_index(const key_model& model, int k, char symbol);

// The letter of variable k as text, with a hexadecimal escape for the
// codes past '~' that runs of many variables reach.
std::string variable_letter(int k);

}  // namespace gepfit

#endif  // GEPFIT_GEPKEY_KEY_MODEL_H_
