# Run at install time: writes the system-wide settings with the shared data folder of this installation and
# installs them under the configuration folder's xdg/, where $XDG_CONFIG_DIRS finds them. The folder follows
# the GNU rule: /etc for the prefix /usr, <prefix>/etc otherwise (or the configured absolute folder).
# Expects DORVIK_SOURCE, DORVIK_GENERATED, DORVIK_SYSCONFDIR and DORVIK_SHAREDDIR to be set.
set(DORVIK_SHARED_FOLDER "${CMAKE_INSTALL_PREFIX}/${DORVIK_SHAREDDIR}")
# Quoted as a text of the store's layout.
string(REPLACE "\\" "\\\\" DORVIK_SHARED_FOLDER "${DORVIK_SHARED_FOLDER}")
string(REPLACE "\"" "\\\"" DORVIK_SHARED_FOLDER "${DORVIK_SHARED_FOLDER}")
configure_file("${DORVIK_SOURCE}" "${DORVIK_GENERATED}" @ONLY)

if(IS_ABSOLUTE "${DORVIK_SYSCONFDIR}")
  set(config "${DORVIK_SYSCONFDIR}")
elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(config "/${DORVIK_SYSCONFDIR}")
else()
  set(config "${CMAKE_INSTALL_PREFIX}/${DORVIK_SYSCONFDIR}")
endif()
file(INSTALL DESTINATION "${config}/xdg/Veltrane" TYPE FILE PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     FILES "${DORVIK_GENERATED}")
