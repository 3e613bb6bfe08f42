# `make package`: a Debian package of the installed layout under /usr. dpkg-shlibdeps finds the
# Qt libraries the program links; the plugins it loads at run time are named here because no
# linker sees them: the SQLite driver reads the reference database, the Svg module also carries
# the icon engine and image plugin for the SVG window icons.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvo)
set(CPACK_PACKAGE_VENDOR "Kelvo")
set(KELVO_PACKAGE_CONTACT "Kelvo developers <kelvo@localhost>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${KELVO_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculators and reference tables for electricians")
set(CPACK_PACKAGE_DESCRIPTION
    "Ohm's law for DC and AC circuits, line currents and power, motor efficiency, resistor,\
 capacitor and inductor networks, geometry with dimensioned drawings, and motor, frame and\
 conduit reference tables.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
