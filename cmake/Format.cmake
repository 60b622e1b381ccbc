# `format` rewrites every C++ file of the repository with .clang-format; `format-check` fails when one differs.
# Pinned to Debian 12's clang-format (14): other versions lay out some constructs differently.
find_program(DORVIK_CLANG_FORMAT NAMES clang-format-14 clang-format)
if(NOT DORVIK_CLANG_FORMAT)
  return()
endif()
execute_process(COMMAND ${DORVIK_CLANG_FORMAT} --version OUTPUT_VARIABLE _dorvik_format_version)
if(NOT _dorvik_format_version MATCHES "version 14\\.")
  message(STATUS "format targets need clang-format 14; found: ${_dorvik_format_version}")
  return()
endif()
add_custom_target(format
  COMMAND sh -c "git ls-files -z -- '*.cpp' '*.h' | xargs -0 '${DORVIK_CLANG_FORMAT}' -i"
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
add_custom_target(format-check
  COMMAND sh -c "git ls-files -z -- '*.cpp' '*.h' | xargs -0 '${DORVIK_CLANG_FORMAT}' --dry-run --Werror"
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
