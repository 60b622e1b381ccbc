# Prints the C++ compiler a configure preset asks for (its CMAKE_CXX_COMPILER cache variable), or nothing.
# Usage: cmake -DPRESET=NAME -P cmake/preset_compiler.cmake
file(READ "${CMAKE_CURRENT_LIST_DIR}/../CMakePresets.json" presets)
string(JSON count LENGTH "${presets}" configurePresets)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON name GET "${presets}" configurePresets ${i} name)
  if(name STREQUAL PRESET)
    string(JSON compiler ERROR_VARIABLE missing GET "${presets}" configurePresets ${i} cacheVariables
           CMAKE_CXX_COMPILER)
    if(NOT missing)
      message("${compiler}")
    endif()
  endif()
endforeach()
