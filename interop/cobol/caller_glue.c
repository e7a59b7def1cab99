/* The COBOL caller's lines. DISPLAY writes them on the C library's stdout, the kit's own
   stream, and flushes it without looking at the result, so a failed write and its errno
   were lost and the kit's run-time could only say "disk write error" at the end. This
   writes and flushes each line, with the kit's lines before it, and says why when that
   fails. (cobc's own declarations of C library functions clash with the C library's
   headers, which libcob.h includes: the C library is called from here.) */
#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

void caller_say(const char* line);

void caller_say(const char* line) {
  if (puts(line) >= 0 && fflush(NULL) == 0)
    return;
  /* One line, as the kit's run-time says it; what the buffer still holds is dropped, not
     written again at exit. */
  const int cause = errno;
  fprintf(stderr, "caller: write error: %s\n", strerror(cause));
  _exit(1);
}
