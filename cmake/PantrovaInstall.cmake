# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# What `cmake --install` and `make install` put into the program folder, and the tarball `make package` builds
# from it with CPack. The folder is flat and self-contained: the data file lives beside the program, so the
# folder must be one the user can write to, hence the default prefix under the user's home.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local/opt/pantrova" CACHE PATH "The Pantrova program folder" FORCE)
endif()

# The program loads libvarnetocx.so by absolute path from its own folder, so it needs no $ORIGIN. Qt comes from
# the system; should it come from elsewhere, its folder stays in the installed RPATH instead of being stripped.
set_target_properties(pantrova varnetocx PROPERTIES INSTALL_RPATH_USE_LINK_PATH ON)

install(TARGETS pantrova RUNTIME DESTINATION .)
install(TARGETS varnetocx LIBRARY DESTINATION .)
# The page templates: the English one and those of the languages with their own words on the page.
install(FILES "${PROJECT_SOURCE_DIR}/templates/Pantrova Template.htm"
        "${PROJECT_SOURCE_DIR}/templates/Pantrova Template.de.htm" DESTINATION .)
# The desktop entry, its icon and the script that registers them for the user or removes the whole install;
# kept in the folder so that an unpacked tarball can register itself too.
install(FILES "${PROJECT_SOURCE_DIR}/packaging/pantrova.desktop" "${PROJECT_SOURCE_DIR}/packaging/pantrova.svg"
        DESTINATION .)
install(PROGRAMS "${PROJECT_SOURCE_DIR}/packaging/pantrova-setup.sh" DESTINATION .)

# `make install` and `make package` build first; packaging itself only packs, which keeps the package test
# from re-checking the whole build while the suite runs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME pantrova)
set(CPACK_PACKAGE_VENDOR Pantrova)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plans purchases: shopping lists with prices at up to twenty shops")
set(CPACK_PACKAGE_FILE_NAME "pantrova-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
# The tarball unpacks into one folder named like the tarball, the same flat folder `make install` makes.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
