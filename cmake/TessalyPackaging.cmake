# SPDX-License-Identifier: MIT
# The Debian package, built by CPack from the install rules: `cpack -G DEB` in a
# build directory gives tessaly_<version>_amd64.deb (scripts/build-package.sh).

# A package is built for the Debian release of the machine that builds it, and
# its version says which: 1.0.0~deb13u1 is the first build of 1.0.0 for Debian
# 13. That is Debian's own way of shipping one version on several releases
# (as its security and backport uploads do): "~" sorts it below a plain 1.0.0,
# and deb12 sorts below deb13, so a machine upgraded from Debian 12 to 13 takes
# the Debian 13 build as an upgrade. The libraries it depends on are those of
# its release (Debian 13 renamed several for 64-bit time), so a package built
# on Debian 13 does not install on Debian 12. TESSALY_DEBIAN_BUILD counts the
# builds of one version for one release.
option(TESSALY_DEBIAN_PACKAGE "Version the package for this machine's Debian release" OFF)
set(TESSALY_DEBIAN_BUILD 1)
set(TESSALY_PACKAGE_VERSION ${PROJECT_VERSION})
if(TESSALY_DEBIAN_PACKAGE)
    cmake_host_system_information(RESULT distribution QUERY DISTRIB_ID)
    cmake_host_system_information(RESULT TESSALY_DEBIAN_RELEASE QUERY DISTRIB_VERSION_ID)
    cmake_host_system_information(RESULT TESSALY_DEBIAN_SUITE QUERY DISTRIB_VERSION_CODENAME)
    if(NOT distribution STREQUAL "debian" OR NOT TESSALY_DEBIAN_RELEASE MATCHES "^[0-9]+$")
        message(FATAL_ERROR "The package is built on a numbered Debian release "
                            "(this is '${distribution}' '${TESSALY_DEBIAN_RELEASE}')")
    endif()
    set(TESSALY_PACKAGE_VERSION
        "${PROJECT_VERSION}~deb${TESSALY_DEBIAN_RELEASE}u${TESSALY_DEBIAN_BUILD}")
endif()

set(TESSALY_MAINTAINER "The Tessaly developers <tessaly@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_DEBIAN_PACKAGE_VERSION ${TESSALY_PACKAGE_VERSION})
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
# Qt's own catalogue (qtbase_de.qm ...) gives the standard dialogs' buttons the
# student's language, as Tessaly's catalogues give the windows theirs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, cups | cups-client, qt6-translations-l10n")

include(CPack)
