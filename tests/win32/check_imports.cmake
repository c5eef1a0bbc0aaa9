# Checks that an executable is a Windows GUI program of the expected
# architecture that imports only DLLs shipped with Windows (the MinGW runtime
# must be linked in statically), none of those it loads on demand, and keeps
# address space layout randomisation and data execution prevention. With its
# link map, also that the C++ exception runtime stayed out of it.
#
# Usage: cmake -DEXE=<path to Quorvane.exe> -DARCH=win32|win64 [-DOBJDUMP=<objdump>]
#              [-DMAP=<path to Quorvane.map>] -P check_imports.cmake

cmake_minimum_required(VERSION 3.16)

if(NOT DEFINED EXE OR EXE STREQUAL "")
  message(FATAL_ERROR "check_imports: pass the executable as -DEXE=<path>")
endif()
if(NOT EXISTS "${EXE}")
  message(FATAL_ERROR "check_imports: ${EXE} does not exist")
endif()

if(NOT DEFINED ARCH OR ARCH STREQUAL "")
  set(ARCH win32)
endif()
# win32: PE32 for 32-bit x86, which objdump names "pei-i386" ("pe-i386" for
# object files), optional header magic 0x10b. win64: PE32+ for x86-64,
# "pei-x86-64", magic 0x20b.
if(ARCH STREQUAL "win32")
  set(objdump_name i686-w64-mingw32-objdump)
  set(format_pattern "^pei?-i386$")
  set(format_text "pe-i386 (32-bit x86)")
  set(magic 010b)
  set(magic_text "PE32")
elseif(ARCH STREQUAL "win64")
  set(objdump_name x86_64-w64-mingw32-objdump)
  set(format_pattern "^pei?-x86-64$")
  set(format_text "pe-x86-64 (x86-64)")
  set(magic 020b)
  set(magic_text "PE32+")
else()
  message(FATAL_ERROR "check_imports: ARCH must be win32 or win64, got '${ARCH}'")
endif()

if(NOT DEFINED OBJDUMP OR OBJDUMP STREQUAL "")
  find_program(OBJDUMP NAMES ${objdump_name})
endif()
if(NOT OBJDUMP)
  message(FATAL_ERROR "check_imports: ${objdump_name} not found")
endif()

# objdump's own words are read below: in English, whatever the locale (the
# Wine tests run in a Japanese one).
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C LANGUAGE= "${OBJDUMP}" -p "${EXE}"
  OUTPUT_VARIABLE dump
  ERROR_VARIABLE dump_err
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "check_imports: ${OBJDUMP} -p ${EXE} failed (${rc}):\n${dump_err}")
endif()

set(problems "")

string(REGEX MATCH "file format ([A-Za-z0-9_.-]+)" _ "${dump}")
set(format "${CMAKE_MATCH_1}")
if(NOT format MATCHES "${format_pattern}")
  list(APPEND problems "file format is '${format}', expected ${format_text}")
endif()
string(REGEX MATCH "\nMagic[ \t]+([0-9A-Fa-f]+)" _ "${dump}")
if(NOT CMAKE_MATCH_1 STREQUAL "${magic}")
  list(APPEND problems "optional header magic is '${CMAKE_MATCH_1}', expected ${magic} (${magic_text})")
endif()

# Subsystem 2 = Windows GUI.
string(REGEX MATCH "\nSubsystem[ \t]+([0-9A-Fa-f]+)" _ "${dump}")
set(subsystem "${CMAKE_MATCH_1}")
if(subsystem STREQUAL "")
  list(APPEND problems "no Subsystem field in the PE header")
else()
  math(EXPR subsystem_value "0x${subsystem}")
  if(NOT subsystem_value EQUAL 2)
    list(APPEND problems "Subsystem is ${subsystem_value}, expected 2 (Windows GUI)")
  endif()
endif()

# Every imported DLL must be one that ships with Windows.
set(allowed
  kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll comdlg32.dll
  ole32.dll oleaut32.dll imm32.dll advapi32.dll msvcrt.dll shlwapi.dll
  winmm.dll version.dll)

# DLLs loaded when the command that needs them runs, never at start-up: the
# file dialog's brings the printing and network libraries with it.
set(on_demand comdlg32.dll)

string(REGEX MATCHALL "DLL Name:[ \t]*[^\r\n]+" dll_lines "${dump}")
set(imports "")
foreach(line IN LISTS dll_lines)
  string(REGEX REPLACE "^DLL Name:[ \t]*" "" dll "${line}")
  string(STRIP "${dll}" dll)
  list(APPEND imports "${dll}")
  string(TOLOWER "${dll}" dll_lower)
  if(NOT dll_lower IN_LIST allowed)
    list(APPEND problems "imports ${dll}, which does not ship with Windows")
  endif()
  if(dll_lower IN_LIST on_demand)
    list(APPEND problems "imports ${dll}, which is to be loaded only when a command needs it")
  endif()
endforeach()
if(imports STREQUAL "")
  list(APPEND problems "no imported DLLs found (is this a Windows program?)")
endif()

# DllCharacteristics: 0x40 DYNAMIC_BASE (ASLR), 0x100 NX_COMPAT (DEP).
string(REGEX MATCH "\nDllCharacteristics[ \t]+([0-9A-Fa-f]+)" _ "${dump}")
if(CMAKE_MATCH_1 STREQUAL "")
  list(APPEND problems "no DllCharacteristics field in the PE header")
else()
  math(EXPR characteristics "0x${CMAKE_MATCH_1}")
  math(EXPR aslr "${characteristics} & 0x40")
  math(EXPR dep "${characteristics} & 0x100")
  if(aslr EQUAL 0 OR dep EQUAL 0)
    list(APPEND problems "DllCharacteristics ${CMAKE_MATCH_1} lacks DYNAMIC_BASE or NX_COMPAT")
  endif()
endif()

# The program ends where the library would throw (app/small_runtime.cpp). A
# throw that reaches the exception runtime all the same brings its thrower and
# unwinder in: their symbols then stand in the map's list of what was kept
# (32-bit names carry one more leading underscore).
if(DEFINED MAP AND NOT MAP STREQUAL "")
  file(READ "${MAP}" map)
  string(REGEX MATCHALL
    "\n[ \t]+0x[0-9a-fA-F]+[ \t]+_*(_cxa_throw|Unwind_Resume|Unwind_SjLj_Resume|Unwind_RaiseException)[\r\n]"
    runtime "${map}")
  if(runtime)
    string(REGEX REPLACE "[ \t\r\n]+" " " runtime "${runtime}")
    list(APPEND problems "links the exception runtime in:${runtime} (see ${MAP})")
  endif()
endif()

list(JOIN imports "\n  " imports_text)
if(problems)
  list(JOIN problems "\n  " problems_text)
  message(FATAL_ERROR
    "check_imports: ${EXE}\n  ${problems_text}\nImports:\n  ${imports_text}")
endif()

message(STATUS "${EXE}: ${format}, Windows GUI, imports:\n  ${imports_text}")
