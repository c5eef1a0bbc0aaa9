// The free system resources as three percentages, and the guard that asks
// whether any of them has fallen below the user's limit. The measurement
// itself is reached through ResourceProbe, so the guard runs anywhere.
#pragma once

#include <cstdint>
#include <string>

namespace qvn {

// The kind measured. The value is passed unchanged, as a 16-bit word, to the
// 16-bit GetFreeSystemResources of the Windows 95 family.
enum class ResourceKind : std::uint16_t {
  System = 0,
  Gdi = 1,
  User = 2,
};

// What a probe answers where nothing can be measured: everything is free.
constexpr std::uint16_t kResourcesNotMeasured = 100;

// Measures one kind afresh on every call.
class ResourceProbe {
 public:
  virtual ~ResourceProbe() = default;
  // The free percentage of `kind`, 0 to 100. Never fails and never shows anything.
  virtual std::uint16_t FreePercent(ResourceKind kind) = 0;
};

// A raw 16-bit answer of the system brought into 0 to 100.
std::uint16_t ClampResourcePercent(std::uint16_t raw);

// The resource guard: true when the system, GDI or user percentage, measured
// in that order and always all three, is below `limit`. Each percentage is
// widened without sign and compared as a signed 32-bit value, so a limit of
// 0 or less is never reached and one above 100 always is; a percentage equal
// to the limit is not below it.
bool ResourcesBelowLimit(ResourceProbe& probe, std::int32_t limit);

// A percentage as the resource dialog shows it: "0%" to "100%".
std::wstring ResourcePercentText(std::uint16_t percent);

}  // namespace qvn
