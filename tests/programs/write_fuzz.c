/* write_fuzz SEED MODE EXPECTED: from SEED, a random mix of printf fragments, run-time
   writes of one to four texts, module Foo's lines and flushes, with stdout buffered as MODE
   says (default, none, line, line:N or full:N, N bytes of a buffer of our own); writes
   the bytes it meant to send to the file EXPECTED. A buffer of our own lies between guard
   bytes: a write past it ends the run with status 4. Seed 0 writes a text of every length
   from 0 to 130 instead, each after a fragment that moves where in the buffer it starts. */
#include "foo.h"
#include "pascalrt.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { steps = 300, guard = 64, most_buffer = 4096, most_text = 200 };

static unsigned char area[guard + most_buffer + guard];
static size_t buffer_size;
static int expected;
static uint64_t state;

static uint32_t below(uint32_t n) {
  state ^= state << 13;
  state ^= state >> 7;
  state ^= state << 17;
  return (uint32_t)(state >> 32) % n;
}

static void expect(const char* bytes, size_t length) {
  if (write(expected, bytes, length) != (ssize_t)length) {
    fputs("write_fuzz: cannot write the expected bytes\n", stderr);
    exit(3);
  }
}

/* Printable text, a line feed now and then: nothing a terminal would change but line ends. */
static size_t fill(char* text, size_t length) {
  static const char alphabet[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:-+=()";
  for (size_t n = 0; n < length; ++n)
    text[n] = below(40) == 0 ? '\n' : alphabet[below(sizeof alphabet - 1)];
  return length;
}

static void set_buffering(const char* mode) {
  const char* size = strchr(mode, ':');
  buffer_size = size != NULL ? strtoul(size + 1, NULL, 10) : 0;
  if (buffer_size > most_buffer) {
    fputs("write_fuzz: buffer too large\n", stderr);
    exit(2);
  }
  memset(area, 0xa5, sizeof area);
  char* buffer = buffer_size > 0 ? (char*)area + guard : NULL;
  int kind = strncmp(mode, "line", 4) == 0 ? _IOLBF : strcmp(mode, "none") == 0 ? _IONBF : _IOFBF;
  if (strcmp(mode, "default") != 0 && setvbuf(stdout, buffer, kind, buffer_size) != 0) {
    fprintf(stderr, "write_fuzz: bad mode %s\n", mode);
    exit(2);
  }
}

static int guards_intact(void) {
  for (size_t n = 0; n < guard; ++n)
    if (area[n] != 0xa5 || area[guard + buffer_size + n] != 0xa5)
      return 0;
  return 1;
}

static void run_time_write(uint32_t count, int line_end, const uint32_t* lengths) {
  static char texts[4][most_text];
  int32_t length[4] = {0, 0, 0, 0};
  for (uint32_t n = 0; n < count; ++n) {
    length[n] = (int32_t)fill(texts[n], lengths[n]);
    expect(texts[n], (size_t)length[n]);
  }
  if (line_end)
    expect("\n", 1);
  const int32_t items = (int32_t)count + line_end;
  const int32_t t = PASCALRT_ITEM_TEXT, e = PASCALRT_ITEM_LINE_END;
  char *a = texts[0], *b = texts[1], *c = texts[2], *d = texts[3];
  int32_t la = length[0], lb = length[1], lc = length[2], ld = length[3];
  switch (count) {
  case 1:
    _p_Internal_Write(&_p_Output, PASCALRT_WRITE_PLAIN, items, t, a, la, e);
    break;
  case 2:
    _p_Internal_Write(&_p_Output, PASCALRT_WRITE_PLAIN, items, t, a, la, t, b, lb, e);
    break;
  case 3:
    _p_Internal_Write(&_p_Output, PASCALRT_WRITE_PLAIN, items, t, a, la, t, b, lb, t, c, lc, e);
    break;
  default:
    _p_Internal_Write(&_p_Output, PASCALRT_WRITE_PLAIN, items, t, a, la, t, b, lb, t, c, lc, t, d,
                      ld, e);
  }
  if (_p_InOutRes != 0)
    _p_CheckInOutRes();
}

int main(int argc, char** argv, char** envp) {
  if (argc != 4) {
    fputs("usage: write_fuzz SEED MODE EXPECTED\n", stderr);
    return 2;
  }
  const int sweep = strtoull(argv[1], NULL, 10) == 0;
  state = strtoull(argv[1], NULL, 10) * 0x9e3779b97f4a7c15u | 1;
  expected = open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (expected < 0) {
    perror("write_fuzz: EXPECTED");
    return 2;
  }
  set_buffering(argv[2]);
  _p_initialize(argc, argv, envp);
  init_Foo();
  for (uint32_t length = 0; sweep && length <= 130; ++length) {
    printf("%.*s", (int)(length % 11), "0123456789");
    expect("0123456789", length % 11);
    run_time_write(1, 1, &length);
  }
  for (int step = 0; !sweep && step < steps; ++step) {
    const uint32_t what = below(20);
    if (what < 8) {
      static char fragment[most_text + 1];
      size_t length = fill(fragment, below(most_text + 1));
      if (below(2))
        fragment[length++] = '\n';
      printf("%.*s", (int)length, fragment);
      expect(fragment, length);
    } else if (what < 16) {
      const uint32_t lengths[4] = {below(131), below(131), below(131), below(131)};
      run_time_write(1 + below(4), (int)below(2), lengths);
    } else if (what < 18) {
      Helloworld();
      expect("Hello world in Pascal\n", 22);
    } else if (what < 19) {
      int32_t x = (int32_t)below(1000);
      Hello(&x);
      expect("Hello1\n", 7);
      if (x != 99) {
        fputs("write_fuzz: Hello did not store 99\n", stderr);
        return 3;
      }
    } else {
      fflush(stdout);
    }
  }
  _p_finalize();
  if (!guards_intact()) {
    fputs("write_fuzz: stdout's buffer was overrun\n", stderr);
    return 4;
  }
  return 0;
}
