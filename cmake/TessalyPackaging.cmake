# SPDX-License-Identifier: MIT
# The Debian package, built by CPack from the install rules: `cpack -G DEB` in a
# build directory gives tessaly_<version>_amd64.deb (scripts/build-package.sh).

set(TESSALY_MAINTAINER "The Tessaly developers <tessaly@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR "The Tessaly developers")
set(CPACK_PACKAGE_CONTACT "${TESSALY_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TESSALY_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom drill on nested loops over arrays")
# Read here rather than named as CPACK_PACKAGE_DESCRIPTION_FILE, which CPack
# hands on XML-escaped ("student&apos;s").
file(READ "${PROJECT_SOURCE_DIR}/data/debian/description" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps. Beyond them: the Liberation fonts
# stand in for the Arial and Times New Roman of the layout, and Print hands the
# result sheet to CUPS, either to a scheduler on this machine (cups) or to a
# school's print server named in the client configuration (cups-client).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, cups | cups-client")

include(CPack)
