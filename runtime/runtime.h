// Internal helpers of the run-time, shared by its translation units.
#ifndef PASCALRT_RUNTIME_H
#define PASCALRT_RUNTIME_H

#include "pascalrt.h"

#include <stddef.h>

namespace pascalrt {

// The lowest write layer: writes to the stdout stream and records a failure.
void put_text(const char* text, size_t length);
void put_line_end();

// Leaves code in _p_InOutRes unless a code is pending already: the first failure is the
// one reported. cause is the errno value behind it, or 0.
void fail(int32_t code, int cause);
int failure_cause();

const char* error_text(int32_t code);
const char* program_name();

// Writes the pending code's report on stderr and ends the process.
[[noreturn]] void report_and_exit();

} // namespace pascalrt

#endif
