# Fuzz targets for the readers of the launcher's files and for the rules on
# names and paths, built with clang and libFuzzer in a tree of their own:
#
#   cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DQVN_FUZZ=ON
#
# scripts/fuzz.sh builds them and runs each for a while on its seed corpus.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz targets need clang: add -DCMAKE_CXX_COMPILER=clang++")
endif()

# Undefined behaviour aborts, so that libFuzzer keeps the input as a crash.
set(QVN_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer -g)

# The logic under test is instrumented too: coverage guides the fuzzer only
# through code built with it.
target_compile_options(qvn_portable PRIVATE -fsanitize=fuzzer-no-link ${QVN_FUZZ_SANITIZERS})

foreach(target fuzz_data_file fuzz_config_file fuzz_integer_text fuzz_path_names fuzz_save_name
               fuzz_data_file_names)
  add_executable(${target} tests/fuzz/${target}.cpp)
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer ${QVN_FUZZ_SANITIZERS} -Wall -Wextra)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${target} PRIVATE qvn_portable)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endforeach()
