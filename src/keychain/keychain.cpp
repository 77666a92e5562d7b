#include "keychain/keychain.h"

#include <cstring>

namespace gepfit {

std::unique_ptr<key_link> new_key(const key_record& record) {
  auto link = std::make_unique<key_link>();
  link->key.intercept = record.intercept;
  link->key.slope = record.slope;
  // The text ends at its first NUL, as a terminated buffer would.
  link->key.gene = std::string(record.gene.c_str());
  link->key.length = static_cast<std::int32_t>(link->key.gene.size());
  link->key.rsquare = record.rsquare;
  return link;
}

void free_keychain(std::unique_ptr<key_link> first) {
  while (first) first = std::move(first->next);
}

void keychain::append(const key_record& record) {
  std::unique_ptr<key_link> link = new_key(record);
  key_link* added = link.get();
  if (last_ != nullptr) {
    last_->next = std::move(link);
  } else {
    first_ = std::move(link);
  }
  last_ = added;
}

}  // namespace gepfit
