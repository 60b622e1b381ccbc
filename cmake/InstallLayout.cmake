# Where an installation puts things, in the GNU layout under the prefix:
#   bin/dorvik, bin/dorvik-query                the programs
#   share/dorvik/                               their program folder: catalogue, exchange rates, pictures
#   share/veltrane/common-files/M_lom.dat       the price list, in the data folder shared with the maker's tools
#   etc/xdg/Veltrane/registry.reg               the system-wide settings: "Path" of that shared folder (without
#                                               it, the shared folder beside the program's prefix is used)
# No absolute path is compiled in: the programs find their program folder relative to their own executable.
include(GNUInstallDirs)

set(DORVIK_APP_ID "example.veltrane.Dorvik")
set(DORVIK_INSTALL_PROGRAMDIR "${CMAKE_INSTALL_DATADIR}/dorvik")
set(DORVIK_INSTALL_SHAREDDIR "${CMAKE_INSTALL_DATADIR}/veltrane/common-files")

file(RELATIVE_PATH DORVIK_PROGRAM_FOLDER_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${DORVIK_INSTALL_PROGRAMDIR}")
# The shared data folder likewise: where the price list is found when no settings name it.
file(RELATIVE_PATH DORVIK_SHARED_FOLDER_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${DORVIK_INSTALL_SHAREDDIR}")

add_library(dorvik_install_layout INTERFACE)
add_library(Dorvik::InstallLayout ALIAS dorvik_install_layout)
target_compile_definitions(dorvik_install_layout INTERFACE
                           DORVIK_PROGRAM_FOLDER_FROM_BIN="${DORVIK_PROGRAM_FOLDER_FROM_BIN}"
                           DORVIK_SHARED_FOLDER_FROM_BIN="${DORVIK_SHARED_FOLDER_FROM_BIN}"
                           DORVIK_APP_ID="${DORVIK_APP_ID}")
