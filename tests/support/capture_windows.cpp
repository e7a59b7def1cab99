// What a call in this process prints, on Windows: stdout's descriptor is pointed at a file
// for the call. The file is opened in binary mode, and the descriptor takes that mode with
// it, so the bytes are those the call wrote.
#include "process.h"

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <stdio.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace linkkit_test {

std::string capture_stdout(const std::function<void()>& fn) {
  fflush(stdout);
  const std::string path = "linkkit-capture-" + std::to_string(_getpid()) + ".tmp";
  const int fd =
      _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0)
    throw std::runtime_error("cannot open " + path);
  const int saved = _dup(1);
  _dup2(fd, 1);
  _close(fd);
  fn();
  fflush(stdout);
  _dup2(saved, 1);
  _close(saved);
  std::string captured = read_file(path);
  remove(path.c_str());
  return captured;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream data;
  data << in.rdbuf();
  return data.str();
}

} // namespace linkkit_test
