// Smaller stand-ins for the parts of the C++ runtime that only matter when
// something has gone wrong. Linked into Quorvane.exe alone; the test
// programs keep the library's own.
//
// The program catches no exception and is compiled without them. Where the
// library would throw (memory exhausted, a length or position out of range,
// an empty std::function called) the program could only end, so these end
// it at once, with a message the user can read. Left to the library, the same
// cases would bring in its exception classes and their string copies, the
// emergency exception pool with its locks and threads runtime, and the
// terminate handler's name demangler with the C library's formatted output:
// together well over a quarter of the program.
//
// The library keeps its throw helpers in one file: should the program come to
// need one that is not here, the linker brings that file in and reports the
// ones below as defined twice. Add the missing helper here then.
#include <windows.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

constexpr wchar_t kOutOfMemoryMessage[] =
    L"メモリが足りないため,Quorvane を終了します.\r\n"
    L"ほかのソフトウェアを終了してから,もう一度起動してください.";
constexpr wchar_t kInternalErrorMessage[] = L"内部エラーが発生したため,Quorvane を終了します.";
// The exit status of a program ended this way, as the C library's abort gives.
constexpr UINT kAbortStatus = 3;

// The system's own box: the program's may be what could not be made.
[[noreturn]] void Stop(const wchar_t* message) {
  MessageBoxW(nullptr, message, L"Quorvane", MB_OK | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND);
  ExitProcess(kAbortStatus);
}

void* Allocate(std::size_t size) {
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  Stop(kOutOfMemoryMessage);
}

}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}

namespace std {

void __throw_bad_alloc() {
  Stop(kOutOfMemoryMessage);
}
void __throw_bad_array_new_length() {
  Stop(kOutOfMemoryMessage);
}
void __throw_length_error(const char*) {
  Stop(kOutOfMemoryMessage);
}
void __throw_logic_error(const char*) {
  Stop(kInternalErrorMessage);
}
void __throw_out_of_range_fmt(const char*, ...) {
  Stop(kInternalErrorMessage);
}
void __throw_bad_function_call() {
  Stop(kInternalErrorMessage);
}

}  // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  Stop(kInternalErrorMessage);
}

}  // namespace __gnu_cxx
