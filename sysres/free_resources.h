// The free system resources of the running system. Only the Windows 95
// family keeps the fixed 16-bit resource heaps this measures; everywhere else
// every kind reads 100.
#pragma once

#include <cstdint>

#include "sysres/resource_guard.h"

namespace qvn {

// The platform identifier the system reported (GetVersionExA with the
// 148-byte record) when it was first asked: VER_PLATFORM_WIN32_WINDOWS (1) for
// the Windows 95 family, the only one with resource heaps to measure. A
// system that will not say is taken for the NT family.
int RunningPlatformId();

// The free percentage of one kind, 0 to 100, measured afresh: on the
// Windows 95 family through the 16-bit GetFreeSystemResources of "user.exe";
// 100 on the NT family and whenever the measurement cannot be made. Never
// fails towards its caller and never shows anything.
std::uint16_t GetFreeResourcePercent(ResourceKind kind);

// The export `ordinal` of a loaded module, read from its export directory as
// the loader reads it; nullptr when there is none or when it is forwarded to
// another module. GetFreeResourcePercent falls back on it for KERNEL32's
// ordinal-only exports, which the Windows 95 family's GetProcAddress refuses.
void* ExportByOrdinal(void* module, std::uint16_t ordinal);

// The guard's probe on the running system.
class SystemResourceProbe final : public ResourceProbe {
 public:
  std::uint16_t FreePercent(ResourceKind kind) override { return GetFreeResourcePercent(kind); }
};

}  // namespace qvn
