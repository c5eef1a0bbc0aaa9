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
// Not every throw of the library goes through a helper of the ones below:
// libstdc++ keeps most of its __throw_ functions in one object file, but
// others (the streams' ios_failure, the locale's, std::system_error's) live
// beside the code that throws, and library code compiled with exceptions
// may throw directly. Such code does not collide with the helpers here; it
// links the exception runtime back in without a word. The executable_imports
// test therefore reads the program's link map and fails when __cxa_throw or
// _Unwind_Resume is in it: find then what brought it, and end the program
// here instead.
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
// The nothrow forms answer null, as their callers expect; the library's own
// would call the forms above and so end the program.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  std::free(block);
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
