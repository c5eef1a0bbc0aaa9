// Resource identifiers shared by quorvane.rc and the program.
#pragma once

// The application icon. It has the lowest number of all icon groups, which is
// the one Explorer and the taskbar show for the executable.
#define IDI_QUORVANE 1
