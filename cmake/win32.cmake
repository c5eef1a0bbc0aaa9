# The Windows program and its tests, cross-compiled with MinGW-w64 for 32-bit
# x86 (the shipped build) or x86-64.
enable_language(RC)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(QVN_WIN_ARCH win64)
else()
  set(QVN_WIN_ARCH win32)
  # The flat-thunk call of the resource probe is written in assembly; only
  # 32-bit code can reach the 16-bit heaps it measures.
  enable_language(ASM)
endif()

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                        _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers -ffunction-sections -fdata-sections)
# The runtime is linked in, so the program imports only DLLs that ship with Windows.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  add_compile_options(-Os)
  add_link_options(-s)
endif()

# The version number, written down once as the project's: the resources, the
# version dialog and the tests include res/version.h made from it, and the
# manifest names it too.
configure_file(res/version.h.in ${CMAKE_BINARY_DIR}/generated/res/version.h @ONLY)
configure_file(res/quorvane.manifest.in ${CMAKE_BINARY_DIR}/generated/res/quorvane.manifest
               @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)

# The program's own code catches no exception and starts no thread: it is
# compiled without exceptions and without locks around its static locals, so
# that the runtime's exception and threads support stays out of the program
# (app/small_runtime.cpp ends it where the library would throw). The 32-bit
# code then needs no DWARF unwind tables either; Windows does not use them.
# 64-bit code keeps its tables, which Windows itself unwinds the stack with.
set(QVN_LEAN_OPTIONS -fno-exceptions -fno-threadsafe-statics)
if(QVN_WIN_ARCH STREQUAL "win32")
  list(APPEND QVN_LEAN_OPTIONS -fno-asynchronous-unwind-tables)
endif()
target_compile_options(qvn_portable PRIVATE ${QVN_LEAN_OPTIONS})

set(QVN_WIN32_LIBS user32 gdi32 shell32 comctl32 ole32 uuid imm32)

# The toolkit every window stands on, and the windows of the launcher.
add_library(qvn_win STATIC
  core/ansi_text.cpp
  core/win32_file_system.cpp
  ui/window.cpp
  ui/accessible_description.cpp
  ui/controls.cpp
  ui/form.cpp
  ui/screen.cpp
  ui/popup_menu.cpp
  ui/application.cpp
  ui/message_box.cpp
  ui/bit_button.cpp
  ui/check_box.cpp
  ui/combo_box.cpp
  ui/edit_box.cpp
  ui/file_open_dialog.cpp
  ui/list_box.cpp
  ui/page_control.cpp
  ui/radio_group.cpp
  ui/shell_icon.cpp
  ui/system_library.cpp
  ui/tool_tip.cpp
  datafile/open_dialog.cpp
  datafile/save_dialog.cpp
  launch/launch_messages.cpp
  launch/win32_launcher.cpp
  sysres/free_resources.cpp
  sysres/res_show_form.cpp
  settings/setup_form.cpp
  settings/setup_form_environment.cpp
  settings/setup_form_slots.cpp
  app/main_form.cpp
  app/main_form_commands.cpp
  app/main_form_tray.cpp
  app/about_box.cpp
  app/help_contents.cpp
  app/launch_host.cpp
  app/single_copy.cpp
  app/slot_row.cpp
  app/startup_shortcut.cpp
  app/tray_icon.cpp
)
if(QVN_WIN_ARCH STREQUAL "win32")
  target_sources(qvn_win PRIVATE sysres/qt_thunk_call.S)
endif()
target_link_libraries(qvn_win PUBLIC qvn_portable ${QVN_WIN32_LIBS})
target_compile_options(qvn_win PRIVATE ${QVN_LEAN_OPTIONS})

add_executable(Quorvane WIN32 app/main.cpp app/small_runtime.cpp res/quorvane.rc)
# The resource compiler reads these too, but CMake does not see it.
set_source_files_properties(res/quorvane.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_BINARY_DIR}/generated/res/quorvane.manifest;${CMAKE_SOURCE_DIR}/res/quorvane.ico")
target_link_libraries(Quorvane PRIVATE qvn_win)
target_compile_options(Quorvane PRIVATE ${QVN_LEAN_OPTIONS})
# Where the program's bytes go, member by member: build/<arch>/Quorvane.map.
target_link_options(Quorvane PRIVATE -Wl,-Map,${CMAKE_BINARY_DIR}/Quorvane.map)
target_link_options(Quorvane PRIVATE -municode)
set_target_properties(Quorvane PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The help goes beside the program, where "目次(&C)" looks for it.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Quorvane.html
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/docs/Quorvane.html ${CMAKE_BINARY_DIR}/Quorvane.html
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/Quorvane.html)
add_custom_target(help_html DEPENDS ${CMAKE_BINARY_DIR}/Quorvane.html)
add_dependencies(Quorvane help_html)

add_subdirectory(tests/win32)

# Benchmarks (not tests): the start-up comparison against a minimal window program.
add_subdirectory(bench)
