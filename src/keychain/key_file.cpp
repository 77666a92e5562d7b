#include "keychain/key_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cstdlib>

namespace gepfit {
namespace {

void put_u32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<char>((value >> shift) & 0xFFu));
  }
}

void put_int32(std::string& out, std::int32_t value) {
  put_u32(out, static_cast<std::uint32_t>(value));
}

void put_double(std::string& out, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  put_u32(out, static_cast<std::uint32_t>(bits));
  put_u32(out, static_cast<std::uint32_t>(bits >> 32));
}

std::size_t default_write(const void* data, std::size_t size, std::FILE* file) {
  return std::fwrite(data, 1, size, file);
}

// Permissions of a newly created file under the process's umask.
mode_t new_file_mode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string encode_keyfile(std::int32_t initial_nvars,
                           std::int32_t npass,
                           const key_link* first,
                           std::FILE* out) {
  std::string bytes;
  put_int32(bytes, initial_nvars);
  put_int32(bytes, npass);
  const key_link* link = first;
  for (std::int32_t k = 0; k < npass; ++k, link = link->next.get()) {
    if (link == nullptr) {
      std::fprintf(out, "npass and keychain do not match\n");
      break;
    }
    const key_record& key = link->key;
    put_double(bytes, key.intercept);
    put_double(bytes, key.slope);
    put_int32(bytes, key.length);
    bytes.append(key.gene, 0, static_cast<std::size_t>(key.length));
    put_double(bytes, key.rsquare);
  }
  return bytes;
}

bool replace_file(const std::string& path,
                  const std::string& bytes,
                  const write_function& write) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    close(fd);
    unlink(temp.c_str());
    return false;
  }
  fchmod(fd, new_file_mode());
  bool ok = write(bytes.data(), bytes.size(), file) == bytes.size();
  ok = (std::fflush(file) == 0) && ok;
  ok = (fsync(fd) == 0) && ok;
  ok = (std::fclose(file) == 0) && ok;
  ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

void write_keyfile(const std::string& path,
                   std::int32_t initial_nvars,
                   std::int32_t npass,
                   const key_link* first,
                   std::FILE* out) {
  const std::string bytes = encode_keyfile(initial_nvars, npass, first, out);
  if (!replace_file(path, bytes, default_write)) {
    std::fprintf(out, "Error writing key file %s.\n", path.c_str());
  }
}

}  // namespace gepfit
