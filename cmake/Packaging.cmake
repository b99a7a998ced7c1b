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
#   <datadir>/icons/hicolor/32x32/apps/orvane.png and <datadir>/applications/orvane.desktop

include(GNUInstallDirs)

set(ORVANE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvane)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/res/help/
        DESTINATION ${ORVANE_DATA_DIR}/help
        FILES_MATCHING PATTERN "*.htc" PATTERN "*.htp")
install(FILES ${CMAKE_SOURCE_DIR}/res/Orvane_splash.bmp ${CMAKE_SOURCE_DIR}/res/about.bmp
        DESTINATION ${ORVANE_DATA_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/res/orvane.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${CMAKE_SOURCE_DIR}/res/orvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "orvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pilot's flight computer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Courses and distances by great circle and rhumb line with magnetic variation, wind "
       "triangles, altitudes and airspeeds, climb and descent, fuel, cost, weight and balance, "
       "holding patterns, critical point, point of no return, sunrise and sunset, conversions "
       "and a stopwatch, with a summary of the flight in hand.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_NAME "orvane")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orvane developers")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
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
