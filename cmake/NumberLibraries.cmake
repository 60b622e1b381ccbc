# fast_float and {fmt}, header-only, read and write every number. Their headers are copied into the build tree
# so that a cross build (WebAssembly) sees them without seeing the rest of the host's /usr/include.
set(DORVIK_HOST_INCLUDE "/usr/include" CACHE PATH "Where the fast_float and fmt headers are installed")
set(_dorvik_number_include "${CMAKE_BINARY_DIR}/number-libraries/include")
foreach(_library fast_float fmt)
  if(NOT EXISTS "${DORVIK_HOST_INCLUDE}/${_library}")
    message(FATAL_ERROR "${DORVIK_HOST_INCLUDE}/${_library} is missing: run scripts/setup-deps "
                        "(libfast-float-dev, libfmt-dev)")
  endif()
  file(COPY "${DORVIK_HOST_INCLUDE}/${_library}" DESTINATION "${_dorvik_number_include}")
endforeach()
add_library(dorvik_number_libraries INTERFACE)
add_library(Dorvik::NumberLibraries ALIAS dorvik_number_libraries)
target_include_directories(dorvik_number_libraries SYSTEM INTERFACE "${_dorvik_number_include}")
# {fmt} without std::locale: figures never take a locale's separators, and the locale library would be a
# tenth of the web page's engine.
target_compile_definitions(dorvik_number_libraries INTERFACE FMT_HEADER_ONLY FMT_STATIC_THOUSANDS_SEPARATOR=0)
