# The installed tree as a package: on Linux a Debian package (`cpack -G DEB`, scripts/package.sh),
# on Windows an installer made with NSIS (`cpack -G NSIS`, scripts/windows.sh).
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

if(WIN32)
  set(CPACK_GENERATOR NSIS)
  set(CPACK_PACKAGE_FILE_NAME quellora-${PROJECT_VERSION}-win64)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY Quellora)
  set(CPACK_NSIS_PACKAGE_NAME Quellora)
  set(CPACK_NSIS_DISPLAY_NAME Quellora)
  # A 64-bit program belongs in "Program Files", not in "Program Files (x86)".
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  # The Start-menu entry; the installer adds one for its uninstaller beside it.
  set(CPACK_PACKAGE_EXECUTABLES quellora Quellora)
  set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\quellora.exe")
  set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/icons/com.example.Quellora.ico)
  set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/icons/com.example.Quellora.ico)
  set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
  # A 64-bit installer (Debian's NSIS has the stubs), which Wine runs without its 32-bit half.
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
  include(CPack)
  return()
endif()

# Debian: the library dependencies are read from the program itself by dpkg-shlibdeps (package
# dpkg-dev), so the package asks for exactly the Qt and C++ runtime the build linked.
set(CPACK_GENERATOR DEB)
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
