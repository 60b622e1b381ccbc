# The fuzz build (clang only): everything instrumented for libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer; the targets under tests/fuzz link the fuzzer's main.
option(DORVIK_FUZZ "Build the libFuzzer targets of tests/fuzz (needs clang)" OFF)
if(DORVIK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "DORVIK_FUZZ needs clang (the fuzz preset sets it)")
  endif()
  target_compile_options(dorvik_warnings INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                    -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(dorvik_warnings INTERFACE -fsanitize=address,undefined)
  add_subdirectory(tests/fuzz)
endif()
