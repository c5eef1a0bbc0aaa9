#include "sysres/resource_guard.h"

#include <algorithm>

#include "core/integer_text.h"

namespace qvn {

std::uint16_t ClampResourcePercent(std::uint16_t raw) {
  return std::min<std::uint16_t>(raw, 100);
}

bool ResourcesBelowLimit(ResourceProbe& probe, std::int32_t limit) {
  // All three are measured even when the first is already below: the probe
  // is asked the same way every time.
  const std::int32_t system = probe.FreePercent(ResourceKind::System);
  const std::int32_t gdi = probe.FreePercent(ResourceKind::Gdi);
  const std::int32_t user = probe.FreePercent(ResourceKind::User);
  return system < limit || gdi < limit || user < limit;
}

std::wstring ResourcePercentText(std::uint16_t percent) {
  return IntegerWideText(percent) + L"%";
}

}  // namespace qvn
