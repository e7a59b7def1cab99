#include "recording_runtime.h"

#include "pascalrt.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/mman.h>
#endif

#include <fstream>
#include <sstream>

#define LINKKIT_TEXT(x) #x
#define LINKKIT_NAME(prefix, name) LINKKIT_TEXT(prefix) name
// The assembler's name: with the leading underscore of a cdecl name on 32-bit Windows.
#define LINKKIT_MARKER LINKKIT_NAME(__USER_LABEL_PREFIX__, "__GPC_RTS_VERSION_20030830__")
#ifdef _WIN32
#define LINKKIT_MARKER_SECTION ".section .data$linkkit_marker,\"w\"\n"
#define LINKKIT_PREVIOUS_SECTION ".text\n"
#else
#define LINKKIT_MARKER_SECTION ".pushsection .data.linkkit_marker,\"aw\"\n"
#define LINKKIT_PREVIOUS_SECTION ".popsection\n"
#endif

// The marker fills a page of its own, so that it can be made unreadable alone.
asm(LINKKIT_MARKER_SECTION ".balign 4096\n"
                           ".globl " LINKKIT_MARKER "\n" LINKKIT_MARKER ": .long 20030830\n"
                           ".balign 4096\n" LINKKIT_PREVIOUS_SECTION);

pascalrt_file _p_Output = {1};
int32_t _p_InOutRes = 0;

namespace recording {

std::vector<Call> calls;
int32_t result_after_write = 0;
std::function<void()> on_write, on_check, on_do_init_proc;

void reset() {
  calls.clear();
  result_after_write = 0;
  on_write = on_check = on_do_init_proc = nullptr;
  _p_InOutRes = 0;
}

std::vector<std::string> names() {
  std::vector<std::string> result;
  for (const Call& call : calls)
    result.push_back(call.name);
  return result;
}

namespace {

void* marker_page() {
  return &__GPC_RTS_VERSION_20030830__;
}

void record(const char* name, std::vector<intptr_t> args = {}) {
  calls.push_back({name, std::move(args), "", false, false});
}

#ifdef _WIN32
bool marker_armed = false;

LONG CALLBACK on_fault(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* fault = info->ExceptionRecord;
  const bool on_marker = fault->ExceptionCode == EXCEPTION_ACCESS_VIOLATION &&
                         fault->NumberParameters >= 2 &&
                         reinterpret_cast<void*>(fault->ExceptionInformation[1]) == marker_page();
  // wine on a processor emulator (qemu-user) reports the access fault as an illegal
  // instruction, without its address: the page is opened and the instruction tried again,
  // so that a truly illegal one faults once more, now unhandled.
  const bool emulated = fault->ExceptionCode == EXCEPTION_ILLEGAL_INSTRUCTION && marker_armed;
  if (!on_marker && !emulated)
    return EXCEPTION_CONTINUE_SEARCH;
  DWORD before = 0;
  VirtualProtect(marker_page(), 4096, PAGE_READWRITE, &before);
  marker_armed = false;
  record("marker");
  return EXCEPTION_CONTINUE_EXECUTION;
}

bool read_only(const void* address) {
  MEMORY_BASIC_INFORMATION region = {};
  if (VirtualQuery(address, &region, sizeof region) == 0)
    return false;
  const DWORD writable =
      PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  return region.State == MEM_COMMIT && (region.Protect & writable) == 0 &&
         (region.Protect & PAGE_NOACCESS) == 0;
}
#else
void on_fault(int, siginfo_t* info, void*) {
  if (info->si_addr != marker_page())
    abort();
  mprotect(marker_page(), 4096, PROT_READ | PROT_WRITE);
  record("marker");
}

bool read_only(const void* address) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  const auto at = reinterpret_cast<uintptr_t>(address);
  while (std::getline(maps, line)) {
    uintptr_t from = 0, to = 0;
    char perms[5] = {};
    if (sscanf(line.c_str(), "%zx-%zx %4s", &from, &to, perms) == 3 && at >= from && at < to)
      return perms[1] == '-';
  }
  return false;
}
#endif

} // namespace

void watch_marker() {
#ifdef _WIN32
  static void* const handler = AddVectoredExceptionHandler(1, on_fault);
  (void)handler;
  DWORD before = 0;
  VirtualProtect(marker_page(), 4096, PAGE_NOACCESS, &before);
  marker_armed = true;
#else
  struct sigaction action = {};
  action.sa_sigaction = on_fault;
  action.sa_flags = SA_SIGINFO;
  sigaction(SIGSEGV, &action, nullptr);
  mprotect(marker_page(), 4096, PROT_NONE);
#endif
}

} // namespace recording

using recording::record;

void _p_initialize(int32_t argc, char** argv, char** envp) {
  record("_p_initialize",
         {argc, reinterpret_cast<intptr_t>(argv), reinterpret_cast<intptr_t>(envp)});
}

void _p_DoInitProc(void) {
  record("_p_DoInitProc");
  if (recording::on_do_init_proc)
    recording::on_do_init_proc();
}

void _p_finalize(void) {
  record("_p_finalize");
}

void _p_CheckInOutRes(void) {
  record("_p_CheckInOutRes", {_p_InOutRes});
  if (recording::on_check)
    recording::on_check();
}

// Records the file, the flags, the count and every item; a text item's two data words
// follow its code.
void _p_Internal_Write(const pascalrt_file* file, int32_t flags, int32_t count, ...) {
  std::vector<intptr_t> args = {reinterpret_cast<intptr_t>(file), flags, count};
  recording::Call call = {"_p_Internal_Write", {}, "", false, false};
  va_list items;
  va_start(items, count);
  for (int32_t n = 0; n < count; ++n) {
    const int32_t code = va_arg(items, int32_t);
    args.push_back(code);
    if (code != PASCALRT_ITEM_TEXT)
      continue;
    const char* text = va_arg(items, const char*);
    const int32_t length = va_arg(items, int32_t);
    args.push_back(reinterpret_cast<intptr_t>(text));
    args.push_back(length);
    call.text.assign(text, static_cast<size_t>(length));
    call.text_terminated = text[length] == '\0';
    call.text_read_only = recording::read_only(text);
  }
  va_end(items);
  call.args = std::move(args);
  recording::calls.push_back(std::move(call));
  if (recording::on_write)
    recording::on_write();
  _p_InOutRes = recording::result_after_write;
}
