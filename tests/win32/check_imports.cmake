# Checks that an executable is a 32-bit Windows GUI program that imports only
# DLLs shipped with Windows (the MinGW runtime must be linked in statically).
#
# Usage: cmake -DEXE=<path to Quorvane.exe> [-DOBJDUMP=<objdump>] -P check_imports.cmake

cmake_minimum_required(VERSION 3.16)

if(NOT DEFINED EXE OR EXE STREQUAL "")
  message(FATAL_ERROR "check_imports: pass the executable as -DEXE=<path>")
endif()
if(NOT EXISTS "${EXE}")
  message(FATAL_ERROR "check_imports: ${EXE} does not exist")
endif()

if(NOT DEFINED OBJDUMP OR OBJDUMP STREQUAL "")
  find_program(OBJDUMP NAMES i686-w64-mingw32-objdump)
endif()
if(NOT OBJDUMP)
  message(FATAL_ERROR "check_imports: i686-w64-mingw32-objdump not found")
endif()

execute_process(
  COMMAND "${OBJDUMP}" -p "${EXE}"
  OUTPUT_VARIABLE dump
  ERROR_VARIABLE dump_err
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "check_imports: ${OBJDUMP} -p ${EXE} failed (${rc}):\n${dump_err}")
endif()

set(problems "")

# 32-bit x86 PE image. objdump names the image format "pei-i386"
# ("pe-i386" for object files); the optional header magic 0x10b is PE32.
string(REGEX MATCH "file format ([A-Za-z0-9_.-]+)" _ "${dump}")
set(format "${CMAKE_MATCH_1}")
if(NOT format MATCHES "^pei?-i386$")
  list(APPEND problems "file format is '${format}', expected pe-i386 (32-bit x86)")
endif()
string(REGEX MATCH "\nMagic[ \t]+([0-9A-Fa-f]+)" _ "${dump}")
if(NOT CMAKE_MATCH_1 STREQUAL "010b")
  list(APPEND problems "optional header magic is '${CMAKE_MATCH_1}', expected 010b (PE32)")
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
endforeach()
if(imports STREQUAL "")
  list(APPEND problems "no imported DLLs found (is this a Windows program?)")
endif()

list(JOIN imports "\n  " imports_text)
if(problems)
  list(JOIN problems "\n  " problems_text)
  message(FATAL_ERROR
    "check_imports: ${EXE}\n  ${problems_text}\nImports:\n  ${imports_text}")
endif()

message(STATUS "${EXE}: ${format}, Windows GUI, imports:\n  ${imports_text}")
