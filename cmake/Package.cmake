# The Debian package, built by CPack (scripts/package): everything the install rules put under the prefix /usr,
# the system-wide settings in /etc/xdg, and the run-time dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dorvik")
set(CPACK_PACKAGE_VENDOR "Veltrane Transmission Systems")
set(CPACK_PACKAGE_CONTACT "Veltrane Transmission Systems <support@veltrane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.veltrane.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Veltrane Insertion Loss Calculator: pick RF transmission lines")
# The long description, as dpkg shows it below the summary (lines under 80 characters).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A desktop program for RF engineers that picks coaxial cables and elliptical\n"
       "waveguides from the maker's catalogue by band, insertion loss over a length,\n"
       "VSWR, connectors and cable family, and shows their attenuation, efficiency,\n"
       "power ratings and list prices in a chosen currency. Results are copied,\n"
       "exported and printed; queries are saved to .dvk files. The command-line tool\n"
       "dorvik-query runs a query without a display.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# The system-wide settings lie outside the prefix, in /etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not seen by dpkg-shlibdeps: the fonts the windows and the printed reports are laid
# out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2")
# The program hands files and addresses to the desktop with xdg-open and asks xdg-mime for the spreadsheet
# program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# dorvik-query completes in these shells when they have their completion packages.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
# An administrator's change to the system-wide settings survives upgrades.
file(WRITE "${PROJECT_BINARY_DIR}/deb/conffiles" "/etc/xdg/Veltrane/registry.reg\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_BINARY_DIR}/deb/conffiles")

include(CPack)
