#ifndef GEPFIT_KEYCHAIN_KEYCHAIN_H_
#define GEPFIT_KEYCHAIN_KEYCHAIN_H_

#include <memory>

#include "expr/key_record.h"

namespace gepfit {

// One link of the keychain: its own copy of a pass's key_record.
struct key_link {
  key_record key;
  std::unique_ptr<key_link> next;
};

// A new link owning a copy of `record`. The copy's length is the number of
// symbols of the gene text, which equals record.length for a filled record.
std::unique_ptr<key_link> new_key(const key_record& record);

// Releases `first` and every link after it, without recursion.
void free_keychain(std::unique_ptr<key_link> first);

// The solutions of a run, one link per pass in pass order.
class keychain {
 public:
  keychain() = default;
  keychain(const keychain&) = delete;
  keychain& operator=(const keychain&) = delete;
  ~keychain() { free_keychain(std::move(first_)); }

  // Links a copy of `record` after the last link.
  void append(const key_record& record);

  const key_link* first() const { return first_.get(); }

 private:
  std::unique_ptr<key_link> first_;
  key_link* last_ = nullptr;
};

}  // namespace gepfit

#endif  // GEPFIT_KEYCHAIN_KEYCHAIN_H_
