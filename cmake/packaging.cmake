# Debian package of the installed tree: `cpack -G DEB` in a build directory (scripts/package.sh).
# The library dependencies are read from the program itself by dpkg-shlibdeps (package dpkg-dev),
# so the package asks for exactly the Qt and C++ runtime the build linked.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quellora)
set(CPACK_PACKAGE_VENDOR "Quellora developers")
set(CPACK_PACKAGE_CONTACT "Quellora developers <quellora@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for circuit loads and transformer short-circuit current")
set(CPACK_PACKAGE_DESCRIPTION
    "Quellora works out the voltage, current, power and power factor of single-phase and
three-phase circuits, percentages of the current for sizing overcurrent protection, and the
secondary current and short-circuit current estimate of a transformer.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.com/quellora")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quellora developers <quellora@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window is laid out in fixed units for Arial's metrics; fontconfig gives Liberation Sans,
# which has them, for Arial.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
# quellora_26.1.0-1_amd64.deb, the name Debian's tools expect.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

include(CPack)
