#include "sysres/free_resources.h"

#include <windows.h>

// sysres/qt_thunk_call.S: calls a 16-bit function of one WORD argument and
// one WORD result through QT_Thunk.
extern "C" std::uint16_t __cdecl CallThunk16Word(void* qtThunk, std::uint32_t target16,
                                                 std::uint16_t argument);

namespace qvn {
namespace {

// KERNEL32's doors to 16-bit modules, exported by ordinal only.
constexpr WORD kLoadLibrary16 = 35;
constexpr WORD kFreeLibrary16 = 36;
constexpr WORD kGetProcAddress16 = 37;

// A 16-bit instance handle; values below 32 are error codes.
using LoadLibrary16Proc = WORD(WINAPI*)(LPCSTR fileName);
using FreeLibrary16Proc = void(WINAPI*)(WORD instance);
// A 16:16 address, 0 when there is no such export.
using GetProcAddress16Proc = DWORD(WINAPI*)(WORD module, LPCSTR name);

template <typename Proc>
Proc As(FARPROC address) {
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(address));
}

// KERNEL32's export `ordinal`. The Windows 95 family's GetProcAddress refuses
// KERNEL32's own exports by ordinal, although the loader binds them for
// imports; there the export directory is read as the loader reads it.
FARPROC KernelExport(HMODULE kernel, WORD ordinal) {
  if (FARPROC address = GetProcAddress(kernel, MAKEINTRESOURCEA(ordinal))) return address;
  return reinterpret_cast<FARPROC>(ExportByOrdinal(kernel, ordinal));
}

// Whether a call through QT_Thunk brings the 16-bit result back. Some
// stand-ins for the 95 family (Wine 8 among them) reach the 16-bit function
// but return from the thunk with 0 in AX whatever it answered, which would
// read as no free resources at all. The screen width, asked of the
// 16-bit USER (a WORD in, a WORD out, like the measurement) and of the 32-bit
// one, must agree before a measurement is believed.
bool ThunkKeepsResults(FARPROC qtThunk, GetProcAddress16Proc getProcAddress16, WORD user) {
  const DWORD getSystemMetrics16 = getProcAddress16(user, "GetSystemMetrics");
  if (getSystemMetrics16 == 0) return false;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  return width != 0 && CallThunk16Word(reinterpret_cast<void*>(qtThunk), getSystemMetrics16,
                                       SM_CXSCREEN) == width;
}

}  // namespace

int RunningPlatformId() {
  static const int platform = [] {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;  // the 148-byte record
    // A system that will not say is not taken for one with 16-bit heaps.
    return static_cast<int>(GetVersionExA(&version) ? version.dwPlatformId
                                                    : DWORD{VER_PLATFORM_WIN32_NT});
  }();
  return platform;
}

void* ExportByOrdinal(void* module, std::uint16_t ordinal) {
  const auto* base = static_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return nullptr;
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (directory.VirtualAddress == 0) return nullptr;
  const auto* exports =
      reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  if (ordinal < exports->Base || ordinal - exports->Base >= exports->NumberOfFunctions) {
    return nullptr;
  }
  const DWORD address =
      reinterpret_cast<const DWORD*>(base + exports->AddressOfFunctions)[ordinal - exports->Base];
  if (address == 0) return nullptr;
  // An address inside the export directory is the text "module.name" of a
  // forwarded export, which only the loader resolves.
  if (address >= directory.VirtualAddress && address - directory.VirtualAddress < directory.Size) {
    return nullptr;
  }
  return const_cast<BYTE*>(base + address);
}

std::uint16_t GetFreeResourcePercent(ResourceKind kind) {
  // Only the Windows 95 family has the 16-bit heaps; the NT family is not
  // asked at all.
  if (RunningPlatformId() == VER_PLATFORM_WIN32_NT) return kResourcesNotMeasured;

  HMODULE kernel = GetModuleHandleA("Kernel32.dll");
  if (kernel == nullptr) return kResourcesNotMeasured;
  // Without QT_Thunk there are no flat thunks on this system.
  FARPROC qtThunk = GetProcAddress(kernel, "QT_Thunk");
  if (qtThunk == nullptr) return kResourcesNotMeasured;
  const auto loadLibrary16 = As<LoadLibrary16Proc>(KernelExport(kernel, kLoadLibrary16));
  const auto freeLibrary16 = As<FreeLibrary16Proc>(KernelExport(kernel, kFreeLibrary16));
  const auto getProcAddress16 = As<GetProcAddress16Proc>(KernelExport(kernel, kGetProcAddress16));
  if (loadLibrary16 == nullptr || freeLibrary16 == nullptr || getProcAddress16 == nullptr) {
    return kResourcesNotMeasured;
  }

  // The module is loaded for this one measurement and let go again.
  const WORD user = loadLibrary16("user.exe");
  if (user < 32) return kResourcesNotMeasured;
  std::uint16_t percent = kResourcesNotMeasured;
  const DWORD target = getProcAddress16(user, "GetFreeSystemResources");
  if (target != 0 && ThunkKeepsResults(qtThunk, getProcAddress16, user)) {
    percent = ClampResourcePercent(CallThunk16Word(reinterpret_cast<void*>(qtThunk), target,
                                                   static_cast<std::uint16_t>(kind)));
  }
  freeLibrary16(user);
  return percent;
}

}  // namespace qvn
