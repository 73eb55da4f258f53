# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# CPack reads this file for each generator it runs: for DEB it packs the "deb" install component under /usr as one
# package, pantrova_<version>_<arch>.deb; the tarball keeps the portable folder.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_DEB_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL deb)
    set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_NAME pantrova)
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Pantrova developers <developers@pantrova.org>")
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://pantrova.org)
    # The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; CPack indents these lines under it.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pantrova keeps four named shopping lists. Each item has a name, a quantity,
a tick mark and a price at each of up to twenty shops. From the ticked items
Pantrova works out what the purchase costs at every shop, names the cheapest
one and plans trips to two or three shops; it prints a page of the ticked
items from an HTML template.")
    # The libraries the program and its library link, worked out by dpkg-shlibdeps; Qt's plugins are loaded at
    # run time, so the window's platform plugin and the SVG icon's are named here.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()
