# Installing Orvane and making its Debian package.
#
#   cmake --install <build> --prefix /usr        installs the data files below (and the programs,
#                                                whose own rules sit beside their targets)
#   cd <build> && cpack                           makes orvane_<version>_<arch>.deb
#
# The data files:
#   <datadir>/orvane/help/           the help pages the help viewer shows
#   <datadir>/orvane/Orvane_splash.bmp  the start-up picture
#   <datadir>/orvane/about.bmp       the About box's picture
#   <datadir>/orvane/WMM.COF         the World Magnetic Model's coefficients (a newer file in the
#                                    user's ~/.local/share/orvane takes precedence)
#   <datadir>/icons/hicolor/*/apps/orvane.{png,svg}   the icon at every size, and as a drawing
#   <datadir>/applications/orvane.desktop             the desktop entry
#   <datadir>/metainfo/org.example.orvane.metainfo.xml   what software centres show
#   <mandir>/man1/orvane.1.gz, orvane-help.1.gz, orvane-drive.1.gz   the manual pages
#   <docdir>/copyright, <docdir>/changelog.gz          as every Debian package has them
#
# scripts/check-install.sh (a test) checks the installation, and the package with lintian,
# desktop-file-validate and appstreamcli where they are installed.

include(GNUInstallDirs)

set(ORVANE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvane)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/res/help/
        DESTINATION ${ORVANE_DATA_DIR}/help
        FILES_MATCHING PATTERN "*.htc" PATTERN "*.htp")
install(FILES ${CMAKE_SOURCE_DIR}/res/Orvane_splash.bmp ${CMAKE_SOURCE_DIR}/res/about.bmp
              ${CMAKE_SOURCE_DIR}/res/WMM.COF
        DESTINATION ${ORVANE_DATA_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/res/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "orvane.png" PATTERN "orvane.svg")
install(FILES ${CMAKE_SOURCE_DIR}/res/orvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.example.orvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The script driver goes with the program: it plays a pilot's session from a script, which is
# how a user checks a calculation or reports a fault.
if(TARGET orvane-drive)
  install(TARGETS orvane-drive RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Manual pages and the changelog, compressed as Debian wants them (gzip -9, no time stamp so
# that the package is the same on every build). The driver's page is made from the README's
# verb table and example, the one description of the script language.
find_program(ORVANE_GZIP gzip REQUIRED)
set(ORVANE_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(ORVANE_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
set(ORVANE_PACKAGING_FILES)
foreach(page orvane.1 orvane-help.1)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/man/${page}.in ${ORVANE_MAN_DIR}/source/${page} @ONLY)
  add_custom_command(OUTPUT ${ORVANE_MAN_DIR}/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${ORVANE_MAN_DIR}/source/${page} ${ORVANE_MAN_DIR}/${page}
    COMMAND ${ORVANE_GZIP} -9nf ${ORVANE_MAN_DIR}/${page}
    DEPENDS ${ORVANE_MAN_DIR}/source/${page}
    VERBATIM)
  list(APPEND ORVANE_PACKAGING_FILES ${ORVANE_MAN_DIR}/${page}.gz)
endforeach()
add_custom_command(OUTPUT ${ORVANE_MAN_DIR}/orvane-drive.1.gz
  COMMAND ${CMAKE_COMMAND} -DREADME=${CMAKE_SOURCE_DIR}/README.md
          -DTEMPLATE=${CMAKE_SOURCE_DIR}/packaging/man/orvane-drive.1.in
          -DOUTPUT=${ORVANE_MAN_DIR}/orvane-drive.1 -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_SOURCE_DIR}/cmake/DriveManual.cmake
  COMMAND ${ORVANE_GZIP} -9nf ${ORVANE_MAN_DIR}/orvane-drive.1
  DEPENDS ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/packaging/man/orvane-drive.1.in
          ${CMAKE_SOURCE_DIR}/cmake/DriveManual.cmake
  VERBATIM)
list(APPEND ORVANE_PACKAGING_FILES ${ORVANE_MAN_DIR}/orvane-drive.1.gz)
add_custom_command(OUTPUT ${ORVANE_DOC_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/changelog ${ORVANE_DOC_DIR}/changelog
  COMMAND ${ORVANE_GZIP} -9nf ${ORVANE_DOC_DIR}/changelog
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  VERBATIM)
list(APPEND ORVANE_PACKAGING_FILES ${ORVANE_DOC_DIR}/changelog.gz)
add_custom_target(orvane_packaging_files ALL DEPENDS ${ORVANE_PACKAGING_FILES})

install(FILES ${ORVANE_MAN_DIR}/orvane.1.gz ${ORVANE_MAN_DIR}/orvane-help.1.gz
              ${ORVANE_MAN_DIR}/orvane-drive.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${ORVANE_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvane)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "orvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pilot's flight computer")
# The long description as the control file shows it under the summary: lines of at most 80
# characters.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Courses and distances by great circle and rhumb line with magnetic\n"
       "variation, wind triangles, altitudes and airspeeds, climb and descent, fuel,\n"
       "cost, weight and balance, holding patterns, critical point, point of no\n"
       "return, sunrise and sunset, conversions and a stopwatch, with a summary of\n"
       "the flight in hand.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_NAME "orvane")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The maintainer, as packaging/changelog and packaging/copyright name them too.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orvane developers <orvane@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
# Control files (md5sums) readable by all and written by root only, as dpkg makes them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The library dependencies are read from the installed programs by dpkg-shlibdeps (package
# dpkg-dev); the architecture is the build machine's, as dpkg reports it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
find_program(ORVANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT ORVANE_DPKG_SHLIBDEPS)
  message(STATUS "dpkg-shlibdeps not found: install dpkg-dev before running cpack")
endif()
# Only what `cmake --install` installs goes into the package: not the tests or the tools'
# build folders.
include(CPack)
