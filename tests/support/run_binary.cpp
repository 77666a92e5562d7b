#include "support/run_binary.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace gepfit::testing {
namespace {

void set_nonblocking(int fd) {
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

}  // namespace

run_result run_command(const std::vector<std::string>& args,
                       const std::string& input,
                       const std::string& cwd) {
  int in_pipe[2], out_pipe[2], err_pipe[2];
  if (pipe(in_pipe) || pipe(out_pipe) || pipe(err_pipe)) {
    throw std::runtime_error("pipe failed");
  }
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(in_pipe[0], 0);
    dup2(out_pipe[1], 1);
    dup2(err_pipe[1], 2);
    for (int fd : {in_pipe[0], in_pipe[1], out_pipe[0], out_pipe[1],
                   err_pipe[0], err_pipe[1]}) {
      close(fd);
    }
    if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(in_pipe[0]);
  close(out_pipe[1]);
  close(err_pipe[1]);
  set_nonblocking(in_pipe[1]);
  set_nonblocking(out_pipe[0]);
  set_nonblocking(err_pipe[0]);

  run_result result;
  std::size_t written = 0;
  bool in_open = true;
  if (input.empty()) {
    close(in_pipe[1]);
    in_open = false;
  }
  bool out_open = true, err_open = true;
  char buffer[65536];
  while (out_open || err_open) {
    pollfd fds[3];
    int n = 0;
    int out_at = -1, err_at = -1, in_at = -1;
    if (out_open) fds[out_at = n++] = {out_pipe[0], POLLIN, 0};
    if (err_open) fds[err_at = n++] = {err_pipe[0], POLLIN, 0};
    if (in_open) fds[in_at = n++] = {in_pipe[1], POLLOUT, 0};
    if (poll(fds, n, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    auto drain = [&](int at, int fd, std::string& sink, bool& open) {
      if (at < 0 || !(fds[at].revents & (POLLIN | POLLHUP | POLLERR))) return;
      ssize_t got = read(fd, buffer, sizeof buffer);
      if (got > 0) {
        sink.append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EAGAIN) {
        open = false;
      }
    };
    drain(out_at, out_pipe[0], result.out, out_open);
    drain(err_at, err_pipe[0], result.err, err_open);
    if (in_at >= 0 && (fds[in_at].revents & (POLLOUT | POLLERR | POLLHUP))) {
      ssize_t put = write(in_pipe[1], input.data() + written,
                          input.size() - written);
      if (put > 0) written += static_cast<std::size_t>(put);
      if (put < 0 && errno != EAGAIN) written = input.size();
      if (written >= input.size()) {
        close(in_pipe[1]);
        in_open = false;
      }
    }
  }
  if (in_open) close(in_pipe[1]);
  close(out_pipe[0]);
  close(err_pipe[0]);
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  return result;
}

run_result run_gepfit(const std::vector<std::string>& args,
                      const std::string& input,
                      const std::string& cwd) {
  std::vector<std::string> all{GEPFIT_BIN};
  all.insert(all.end(), args.begin(), args.end());
  return run_command(all, input, cwd);
}

run_result run_gepkey(const std::vector<std::string>& args,
                      const std::string& input,
                      const std::string& cwd) {
  std::vector<std::string> all{GEPKEY_BIN};
  all.insert(all.end(), args.begin(), args.end());
  return run_command(all, input, cwd);
}

std::string test_data(const std::string& name) {
  return std::string(GEPFIT_TEST_DATA) + "/" + name;
}

std::string example(const std::string& name) {
  return std::string(GEPFIT_EXAMPLES) + "/" + name;
}

std::string make_temp_dir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base ? base : "/tmp") + "/gepfit-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("mkdtemp failed");
  }
  return pattern;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

void write_file(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary);
  out << contents;
}

std::string mask_timing(const std::string& text) {
  static const std::regex elapsed("Elapsed [0-9.]+ seconds");
  static const std::regex cpu("CPU time [0-9.]+ seconds\\. Wall time [0-9.]+ seconds");
  std::string masked = std::regex_replace(text, elapsed, "Elapsed # seconds");
  return std::regex_replace(masked, cpu, "CPU time # seconds. Wall time # seconds");
}

}  // namespace gepfit::testing
