// The one in-memory model every window of the launcher reads and writes: the
// eight launch slots, the environment settings, the fixed paths and a few
// run-time flags. Plain data; everything runs on the one GUI thread.
//
// Text is kept as bytes of the ANSI code page (Shift-JIS) exactly as it is
// read from the files, so a path reaches process creation unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qvn {

constexpr int kSlotCount = 8;

// The window size a slot's program starts in, in the order of the radio items
// "通常", "最大", "最小".
enum WindowSizeCode : std::int32_t {
  kSizeNormal = 0,
  kSizeMaximized = 1,
  kSizeMinimized = 2,
};

// Values a new configuration file gives the settings.
constexpr std::int32_t kDefaultLaunchInterval = 5000;
constexpr std::int32_t kDefaultResourceLimit = 35;

struct Model {
  // --- Slots ---------------------------------------------------------------
  // Empty, or exactly 16 entries: the paths of slots No.1 to No.8 (empty when
  // a slot is not set), then their window-size codes as decimal text.
  std::vector<std::string> SlotList;
  // The integer value of SlotList entries 8 to 15.
  std::array<std::int32_t, kSlotCount> SlotSizeCodes{};
  // (The icons the slots show belong to the main window, which fetches them
  // from the paths: SlotDisplay.)

  // --- Settings (configuration lines 1 to 7) ---------------------------------
  bool StartScreenSaverOnIconClick = false;
  bool TrayAfterRun = false;
  bool LoadListAtStartup = false;
  bool ImeOnPerProgram = false;
  std::string DefaultDataFile;
  std::int32_t LaunchInterval = 0;
  std::int32_t ResourceLimit = 0;

  // --- Paths -----------------------------------------------------------------
  std::string ProgramFolder;    // with a trailing backslash
  std::string InitialDataFile;  // ProgramFolder + "Start.qvl"
  std::string ConfigFile;       // ProgramFolder + "Config.qvc"
  std::string CurrentDataFile;  // empty when the list did not come from a file
  bool StartupLinkRegistered = false;

  // --- Run-time -------------------------------------------------------------
  // Consecutive launches that went through all eight slots; the next one asks
  // first while it is above 0.
  std::int32_t ConsecutiveLaunchCount = 0;
};

// The path of slot `index` (0 to 7); empty for an unset slot. An empty
// SlotList reads as eight unset slots.
const std::string& SlotPath(const Model& model, int index);

// True when slot `index` has a program set.
bool IsSlotSet(const Model& model, int index);

// Replaces SlotList as a whole with eight unset slots in a normal window and
// clears SlotSizeCodes to match.
void SetUnsetSlots(Model& model);

// Gives the seven settings the values a new configuration file holds:
// "FALSE", "FALSE", "TRUE", "TRUE", InitialDataFile, 5000 and 35.
void SetNewConfigSettings(Model& model);

}  // namespace qvn
