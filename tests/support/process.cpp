#include "process.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "emulator.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace linkkit_test {
namespace {

std::string temp_path(const char* tag) {
  std::string path = std::string(P_tmpdir) + "/linkkit-" + tag + "-XXXXXX";
  int fd = mkstemp(path.data());
  if (fd < 0)
    throw std::runtime_error("mkstemp failed");
  close(fd);
  return path;
}

std::string drain(int fd) {
  std::string data;
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0)
      data.append(buffer, static_cast<size_t>(n));
    else if (n == 0 || errno != EINTR)
      break; // a terminal whose program has gone reads as EIO
  }
  return data;
}

// Runs in the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void exec_child(const std::vector<char*>& args, const std::vector<char*>& environment,
                             Sink sink, int out_fd, int err_fd) {
  dup2(err_fd, 2);
  for (char* setting : environment)
    putenv(setting);
  signal(SIGPIPE, sink == Sink::broken_pipe_ignored ? SIG_IGN : SIG_DFL);
  if (sink == Sink::file_of_20_bytes) {
    const struct rlimit limit = {20, 20};
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_IGN);
  }
  if (sink == Sink::closed)
    close(1);
  else if (sink != Sink::terminal)
    dup2(out_fd, 1);
  execv(args[0], args.data());
  _exit(127);
}

// What a program writes to a terminal, until it has exited and nothing more comes. The
// terminal's other end stays open here: once the program's last descriptor of it closed,
// Linux may report a hang-up before the last bytes that the program wrote can be read.
std::string drain_terminal(int terminal, pid_t pid, int* wstatus) {
  const int held = open(ptsname(terminal), O_RDWR | O_NOCTTY);
  std::string data;
  char buffer[65536];
  bool exited = false;
  for (;;) {
    pollfd ready = {terminal, POLLIN, 0};
    const int n = poll(&ready, 1, 50);
    if (n > 0) {
      const ssize_t got = read(terminal, buffer, sizeof buffer);
      if (got > 0) {
        data.append(buffer, static_cast<size_t>(got));
        continue;
      }
      if (got < 0 && errno == EINTR)
        continue;
      if (exited)
        break;
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (exited) {
      break;
    }
    if (!exited && waitpid(pid, wstatus, WNOHANG) == pid)
      exited = true;
  }
  if (held >= 0)
    close(held);
  return data;
}

} // namespace

std::vector<std::string> on_host(const std::vector<std::string>& argv) {
  std::vector<std::string> words = LINKKIT_EMULATOR_WORDS;
  words.insert(words.end(), argv.begin(), argv.end());
  return words;
}

Outcome run_program(const std::vector<std::string>& argv, Sink sink,
                    const std::vector<std::string>& environment, bool host_program) {
  const std::vector<std::string> command = host_program ? argv : on_host(argv);
  const bool emulated =
      command.size() > argv.size() && command.front().find("qemu") != std::string::npos;
  // qemu's user-mode emulator hands QEMU_SET_ENV's settings, comma-separated, to the
  // program alone.
  std::vector<std::string> settings = environment;
  if (emulated && !environment.empty()) {
    std::string joined = "QEMU_SET_ENV=";
    for (const std::string& setting : environment)
      joined += (&setting == &environment.front() ? "" : ",") + setting;
    settings = {joined};
  }
  std::vector<char*> env;
  for (std::string& setting : settings)
    env.push_back(setting.data());
  std::vector<char*> args;
  for (const std::string& arg : command)
    args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  // Standard error is a pipe, beyond the reach of a limit on file sizes; its one line fits
  // in the pipe's buffer until stdout has been read.
  int err_pipe[2];
  if (pipe(err_pipe) != 0)
    throw std::runtime_error("pipe failed");
  const int err_fd = err_pipe[1];
  const std::string out_path = temp_path("out");
  int out_fd = -1;
  int read_fd = -1;
  int pipe_fds[2] = {-1, -1};
  switch (sink) {
  case Sink::file:
  case Sink::file_of_20_bytes:
    out_fd = open(out_path.c_str(), O_WRONLY | O_TRUNC);
    break;
  case Sink::dev_null:
    out_fd = open("/dev/null", O_WRONLY);
    break;
  case Sink::dev_full:
    out_fd = open("/dev/full", O_WRONLY);
    break;
  case Sink::read_only:
    out_fd = open(out_path.c_str(), O_RDONLY);
    break;
  case Sink::pipe:
  case Sink::broken_pipe:
  case Sink::broken_pipe_ignored:
    if (pipe(pipe_fds) != 0)
      throw std::runtime_error("pipe failed");
    out_fd = pipe_fds[1];
    read_fd = pipe_fds[0];
    if (sink != Sink::pipe) {
      close(read_fd);
      read_fd = -1;
    }
    break;
  case Sink::closed:
  case Sink::terminal:
    break;
  }

  pid_t pid;
  if (sink == Sink::terminal) {
    pid = forkpty(&read_fd, nullptr, nullptr, nullptr);
  } else {
    pid = fork();
  }
  if (pid == 0) {
    close(err_pipe[0]);
    exec_child(args, env, sink, out_fd, err_fd);
  }
  if (pid < 0)
    throw std::runtime_error("fork failed");
  if (out_fd >= 0)
    close(out_fd);
  close(err_fd);

  Outcome result;
  int wstatus = 0;
  if (sink == Sink::terminal) {
    result.out = drain_terminal(read_fd, pid, &wstatus);
    close(read_fd);
  } else if (read_fd >= 0) {
    result.out = drain(read_fd);
    close(read_fd);
  }
  result.err = drain(err_pipe[0]);
  close(err_pipe[0]);
  while (sink != Sink::terminal && waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
  }
  result.exited = WIFEXITED(wstatus);
  result.status = result.exited ? WEXITSTATUS(wstatus) : WTERMSIG(wstatus);
  result.core_dumped = WIFSIGNALED(wstatus) && WCOREDUMP(wstatus);
  if (sink == Sink::file || sink == Sink::file_of_20_bytes)
    result.out = read_file(out_path);
  unlink(out_path.c_str());
  return result;
}

std::string capture_stdout(const std::function<void()>& fn) {
  fflush(stdout);
  const std::string path = temp_path("capture");
  int saved = dup(1);
  int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
  dup2(fd, 1);
  close(fd);
  fn();
  fflush(stdout);
  dup2(saved, 1);
  close(saved);
  std::string captured = read_file(path);
  unlink(path.c_str());
  return captured;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream data;
  data << in.rdbuf();
  return data.str();
}

std::string command_output(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    throw std::runtime_error("popen failed");
  std::string out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
    out.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0) << command;
  return out;
}

std::string installed(const std::string& relative) {
  return std::string(LINKKIT_PREFIX) + "/" + relative;
}

std::string source_file(const std::string& relative) {
  return std::string(LINKKIT_TEST_SOURCE_DIR) + "/" + relative;
}

} // namespace linkkit_test
