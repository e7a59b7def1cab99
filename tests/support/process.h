// Runs the kit's programs with standard output on a chosen sink, and captures what a call
// in this process prints.
#ifndef LINKKIT_TESTS_PROCESS_H
#define LINKKIT_TESTS_PROCESS_H

#include <functional>
#include <string>
#include <vector>

namespace linkkit_test {

enum class Sink {
  file,
  pipe,
  dev_null,
  terminal,
  dev_full,
  file_of_20_bytes, // a file that takes 20 bytes, then refuses with EFBIG
  closed,
  read_only,
  broken_pipe,         // the reader has gone, SIGPIPE at its default
  broken_pipe_ignored, // the reader has gone, SIGPIPE ignored
};

struct Outcome {
  std::string out; // what reached the file, pipe or terminal
  std::string err;
  bool exited = false;
  int status = -1; // the exit status, or the signal that ended the program
  bool core_dumped = false;
};

// argv as the host starts it: behind the emulator's words where the build has an emulator.
std::vector<std::string> on_host(const std::vector<std::string>& argv);

// environment: NAME=VALUE settings added to the program's environment (the emulated
// program's, under an emulator). A host program (host_program true: a script that runs the
// target's program in its own way) starts as it stands.
Outcome run_program(const std::vector<std::string>& argv, Sink sink = Sink::file,
                    const std::vector<std::string>& environment = {},
                    bool host_program = false);

// What fn printed on stdout in this process.
std::string capture_stdout(const std::function<void()>& fn);

std::string read_file(const std::string& path);

// What a shell command printed on stdout; a failing command fails the current test.
std::string command_output(const std::string& command);

// A path inside the install tree of the kit under test.
std::string installed(const std::string& relative);

std::string source_file(const std::string& relative);

} // namespace linkkit_test

#endif
