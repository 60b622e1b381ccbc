add_library(dorvik_warnings INTERFACE)
add_library(Dorvik::Warnings ALIAS dorvik_warnings)
target_compile_options(dorvik_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                                  -Woverloaded-virtual -Wold-style-cast -Wformat=2 -Wundef)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports -Wrestrict falsely for std::string concatenation at -O3 (fixed in GCC 13).
  target_compile_options(dorvik_warnings INTERFACE -Wno-restrict)
endif()
if(DORVIK_WERROR)
  target_compile_options(dorvik_warnings INTERFACE -Werror)
endif()
if(DORVIK_SANITIZE)
  target_compile_options(dorvik_warnings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
  target_link_options(dorvik_warnings INTERFACE -fsanitize=address,undefined)
endif()

# Narrowing conversions of figures are checked in the core, where every number of the results is computed.
set(DORVIK_CORE_WARNINGS -Wconversion)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # As GCC counts it: Clang's -Wconversion also flags every signed index of a container.
  list(APPEND DORVIK_CORE_WARNINGS -Wno-sign-conversion)
endif()
# Qt code converts text from and to bytes explicitly: the catalogue's bytes are not always UTF-8.
set(DORVIK_QT_DEFINITIONS QT_NO_CAST_FROM_ASCII)
