// pair_test GOLDEN LIBDIR CASES [--host] CALLER [ARGS...]: runs a caller built against the kit with
// the three shared libraries of LIBDIR (librefdemo.so, libgreetmod.so, libpascalrt.so under
// the kit's names) in place of the kit's, once for each of CASES (comma-separated):
//   pipe, file   the output is GOLDEN byte for byte, standard error empty, status 0; in the
//                file case the loader's own record says that each of the three libraries
//                came from LIBDIR and none from elsewhere
//   full         standard output on /dev/full: status non-zero, one line on standard error
//                that names the cause
//   broken       on a pipe whose reader has gone, SIGPIPE ignored: the same
//   short        on a file that takes 20 bytes: those 20 bytes of GOLDEN, once, and the same
// or CASES is fails:TEXT, for a pair that cannot work: on a pipe, the caller fails (a status
// other than 0, or a signal) and writes TEXT on standard error.
// --host: CALLER is a host program that runs the caller (in a target's root), not one of
// the target's own, which an emulator would start.
// Status 1 and a line for each case that failed; 2 for a wrong argument.
#include "support/process.h"

#include <dirent.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using linkkit_test::Outcome;
using linkkit_test::Sink;

namespace {

std::vector<std::string> failures;

void fail(const std::string& what, const Outcome& outcome) {
  std::ostringstream text;
  text << what << " (" << (outcome.exited ? "status " : "signal ") << outcome.status
       << ")\n--- standard output:\n"
       << outcome.out << "--- standard error:\n"
       << outcome.err << "---";
  failures.push_back(text.str());
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);)
    parts.push_back(part);
  return parts;
}

// The objects that the loader mapped, by the paths it found them at: glibc's LD_DEBUG=files
// writes into LD_DEBUG_OUTPUT.PID, one file a process, "file=PATH [0];  generating link
// map" (PATH as named: a bare name for a needed library) and "calling init: PATH" and
// "calling fini: PATH [0]" with the path found.
std::vector<std::string> loaded_objects(const std::string& log_prefix) {
  std::vector<std::string> objects;
  const std::string dir = log_prefix.substr(0, log_prefix.rfind('/'));
  const std::string stem = log_prefix.substr(log_prefix.rfind('/') + 1) + ".";
  DIR* folder = opendir(dir.c_str());
  if (folder == nullptr)
    return objects;
  while (const dirent* entry = readdir(folder)) {
    if (strncmp(entry->d_name, stem.c_str(), stem.size()) != 0)
      continue;
    const std::string path = dir + "/" + entry->d_name;
    for (const std::string& line : split(linkkit_test::read_file(path), '\n')) {
      std::string object;
      for (const char* mark : {"calling init: ", "calling fini: "}) {
        const size_t at = line.find(mark);
        if (at != std::string::npos)
          object = line.substr(at + strlen(mark));
      }
      const size_t at = line.find("file=");
      if (at != std::string::npos && line.find("generating link map") != std::string::npos)
        object = line.substr(at + 5);
      object = object.substr(0, object.find(" ["));
      if (object.find('/') != std::string::npos)
        objects.push_back(object);
    }
    unlink(path.c_str());
  }
  closedir(folder);
  return objects;
}

void check_loaded(const std::string& libdir, const std::vector<std::string>& objects,
                  const Outcome& outcome) {
  for (const char* library : {"librefdemo.so", "libgreetmod.so", "libpascalrt.so"}) {
    bool from_libdir = false;
    for (const std::string& object : objects) {
      const std::string name = object.substr(object.rfind('/') + 1);
      if (name.compare(0, strlen(library), library) != 0)
        continue;
      if (object.compare(0, libdir.size() + 1, libdir + "/") == 0)
        from_libdir = true;
      else
        fail(std::string("file: ") + library + " was loaded from " + object + ", not " + libdir,
             outcome);
    }
    if (!from_libdir)
      fail(std::string("file: no ") + library + " was loaded from " + libdir, outcome);
  }
}

// One line on standard error that ends in the system's words for the cause.
void check_failure(const std::string& name, const Outcome& outcome, int error) {
  const std::string cause = strerror(error);
  const std::string& err = outcome.err;
  if (!outcome.exited || outcome.status == 0)
    fail(name + ": the caller did not exit with a non-zero status", outcome);
  else if (err.empty() || err.find('\n') != err.size() - 1)
    fail(name + ": standard error is not one line", outcome);
  else if (err.find(cause) == std::string::npos)
    fail(name + ": the line on standard error does not say \"" + cause + "\"", outcome);
}

} // namespace

int main(int argc, char** argv) {
  const bool host = argc > 4 && strcmp(argv[4], "--host") == 0;
  if (argc < 5 + host || argv[2][0] != '/') {
    fputs("usage: pair_test GOLDEN LIBDIR CASES [--host] CALLER [ARGS...]\n", stderr);
    return 2;
  }
  const std::string golden = linkkit_test::read_file(argv[1]);
  const std::string libdir = argv[2];
  const std::vector<std::string> command(argv + 4 + host, argv + argc);
  const auto run = [&](Sink sink, const std::vector<std::string>& settings) {
    return linkkit_test::run_program(command, sink, settings, host);
  };
  // The loader takes the libraries from LIBDIR first; callers that load them by path take
  // LINKKIT_LIBDIR's.
  // A caller in a target's root gets the folder as its LD_LIBRARY_PATH through
  // LINKKIT_ROOT_LIBRARY_PATH (tools/target-root).
  const std::vector<std::string> environment = {"LD_LIBRARY_PATH=" + libdir,
                                                "LINKKIT_LIBDIR=" + libdir,
                                                "LINKKIT_ROOT_LIBRARY_PATH=" + libdir};
  const std::string cases = argv[3];
  if (cases.compare(0, 6, "fails:") == 0) {
    const Outcome outcome = run(Sink::pipe, environment);
    if (outcome.exited && outcome.status == 0)
      fail("the pair works: its reason is out of date", outcome);
    else if (outcome.err.find(cases.substr(6)) == std::string::npos)
      fail("standard error does not say \"" + cases.substr(6) + "\"", outcome);
  }
  for (const std::string& name : split(cases.compare(0, 6, "fails:") == 0 ? "" : cases, ',')) {
    if (name == "pipe" || name == "file") {
      std::vector<std::string> settings = environment;
      std::string log;
      if (name == "file") {
        // In the working folder, which a target's root shares; its /tmp is its own.
        char here[4096];
        if (getcwd(here, sizeof here) == nullptr) {
          perror("pair_test: getcwd");
          return 2;
        }
        // A folder of this run's own: a file left by another run (whose pid may come
        // again) must not count as this one's.
        std::string folder = std::string(here) + "/linkkit-pair-XXXXXX";
        if (mkdtemp(folder.data()) == nullptr) {
          perror("pair_test: mkdtemp");
          return 2;
        }
        log = folder + "/ld";
        settings.push_back("LD_DEBUG=files");
        settings.push_back("LD_DEBUG_OUTPUT=" + log);
      }
      const Outcome outcome =
          run(name == "pipe" ? Sink::pipe : Sink::file, settings);
      if (outcome.out != golden)
        fail(name + ": the output differs from " + argv[1], outcome);
      else if (!outcome.exited || outcome.status != 0)
        fail(name + ": the caller did not exit with status 0", outcome);
      else if (!outcome.err.empty())
        fail(name + ": the caller wrote on standard error", outcome);
      if (!log.empty()) {
        check_loaded(libdir, loaded_objects(log), outcome);
        rmdir(log.substr(0, log.rfind('/')).c_str());
      }
    } else if (name == "full") {
      check_failure(name, run(Sink::dev_full, environment), ENOSPC);
    } else if (name == "broken") {
      check_failure(name, run(Sink::broken_pipe_ignored, environment), EPIPE);
    } else if (name == "short") {
      const Outcome outcome = run(Sink::file_of_20_bytes, environment);
      if (outcome.out != golden.substr(0, 20))
        fail(name + ": the file does not hold the first 20 bytes of " + std::string(argv[1]),
             outcome);
      check_failure(name, outcome, EFBIG);
    } else {
      fprintf(stderr, "pair_test: no case named %s\n", name.c_str());
      return 2;
    }
  }
  for (const std::string& failure : failures)
    fprintf(stderr, "%s: %s\n", command.front().c_str(), failure.c_str());
  return failures.empty() ? 0 : 1;
}
