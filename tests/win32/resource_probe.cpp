// Prints what the resource probe measures on the system it runs on: the
// platform, the three percentages as the launcher sees them, and each raw
// 16-bit answer as the flat-thunk call brings it back. Used by
// win95_probe.sh, which runs it with Wine set to report Windows 95.
#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "sysres/free_resources.h"

extern "C" std::uint16_t __cdecl CallThunk16Word(void* qtThunk, std::uint32_t target16,
                                                 std::uint16_t argument);

namespace {

using LoadLibrary16Proc = WORD(WINAPI*)(LPCSTR);
using FreeLibrary16Proc = void(WINAPI*)(WORD);
using GetProcAddress16Proc = DWORD(WINAPI*)(WORD, LPCSTR);

template <typename Proc>
Proc KernelProc(const char* name) {
  return reinterpret_cast<Proc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("Kernel32.dll"), name)));
}

// The 16-bit function called directly, without the probe's range check.
void PrintRawAnswers() {
  const auto qtThunk = KernelProc<void*>("QT_Thunk");
  const auto load16 = KernelProc<LoadLibrary16Proc>(MAKEINTRESOURCEA(35));
  const auto free16 = KernelProc<FreeLibrary16Proc>(MAKEINTRESOURCEA(36));
  const auto getProc16 = KernelProc<GetProcAddress16Proc>(MAKEINTRESOURCEA(37));
  std::printf("QT_Thunk %p, ordinals 35 %p, 36 %p, 37 %p\n", qtThunk,
              reinterpret_cast<void*>(load16), reinterpret_cast<void*>(free16),
              reinterpret_cast<void*>(getProc16));
  if (qtThunk == nullptr || load16 == nullptr || free16 == nullptr || getProc16 == nullptr) return;
  const WORD user = load16("user.exe");
  const DWORD target = user >= 32 ? getProc16(user, "GetFreeSystemResources") : 0;
  std::printf("user.exe instance %04X, GetFreeSystemResources at %04lX:%04lX\n", user,
              static_cast<unsigned long>(HIWORD(target)),
              static_cast<unsigned long>(LOWORD(target)));
  if (const DWORD metrics = user >= 32 ? getProc16(user, "GetSystemMetrics") : 0; metrics != 0) {
    std::printf("screen width: 32-bit %d, through the thunk %u\n", GetSystemMetrics(SM_CXSCREEN),
                CallThunk16Word(qtThunk, metrics, SM_CXSCREEN));
  }
  if (target != 0) {
    for (std::uint16_t kind = 0; kind <= 2; ++kind) {
      // The same answer twice over shows the call leaves nothing behind.
      const std::uint16_t first = CallThunk16Word(qtThunk, target, kind);
      const std::uint16_t second = CallThunk16Word(qtThunk, target, kind);
      std::printf("raw GetFreeSystemResources(%u) = %u, again %u\n", kind, first, second);
    }
  }
  if (user >= 32) free16(user);
}

}  // namespace

int main() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  std::printf("platform %lu, version %lu.%lu.%lu\n", version.dwPlatformId, version.dwMajorVersion,
              version.dwMinorVersion, version.dwBuildNumber & 0xFFFF);
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) PrintRawAnswers();
  std::printf("system %u%%\n", qvn::GetFreeResourcePercent(qvn::ResourceKind::System));
  std::printf("gdi %u%%\n", qvn::GetFreeResourcePercent(qvn::ResourceKind::Gdi));
  std::printf("user %u%%\n", qvn::GetFreeResourcePercent(qvn::ResourceKind::User));
  return 0;
}
