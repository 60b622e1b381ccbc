# The usual hardening of release builds (the package adds Debian's own flags from dpkg-buildflags). Not with the
# sanitizers or the fuzzers, which replace the checked functions themselves.
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$" AND NOT DORVIK_SANITIZE AND NOT DORVIK_FUZZ
   AND NOT EMSCRIPTEN)
  add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
