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

# The Debian package (`make deb`): the same program laid out as Debian lays out programs, in its own install
# component, which `make install` and the tarball leave out. The program finds the library and the templates from
# its folder (InstallLayout), and keeps the data in the user's data folder.
set(deb_files ${CMAKE_CURRENT_BINARY_DIR}/deb)
install(TARGETS pantrova RUNTIME DESTINATION bin COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS varnetocx LIBRARY DESTINATION ${PANTROVA_PACKAGED_LIBDIR} COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES "${PROJECT_SOURCE_DIR}/templates/Pantrova Template.htm"
        "${PROJECT_SOURCE_DIR}/templates/Pantrova Template.de.htm"
        DESTINATION ${PANTROVA_PACKAGED_DATADIR} COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/pantrova.desktop" DESTINATION share/applications
        RENAME org.pantrova.Pantrova.desktop COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/deb/org.pantrova.Pantrova.metainfo.xml" DESTINATION share/metainfo
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/pantrova.svg" DESTINATION share/icons/hicolor/scalable/apps
        COMPONENT deb EXCLUDE_FROM_ALL)
# The icon theme's fixed sizes, drawn from the SVG by Qt at build time.
set(icon_sizes 16 22 24 32 48 64 128 256)
add_executable(pantrova_icon_png packaging/icon_png.cpp)
target_link_libraries(pantrova_icon_png PRIVATE Qt6::Gui)
set_target_properties(pantrova_icon_png PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
set(icon_pngs)
foreach(size ${icon_sizes})
    list(APPEND icon_pngs ${deb_files}/icons/${size}/pantrova.png)
    install(FILES ${deb_files}/icons/${size}/pantrova.png DESTINATION share/icons/hicolor/${size}x${size}/apps
            COMPONENT deb EXCLUDE_FROM_ALL)
endforeach()
add_custom_command(OUTPUT ${icon_pngs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:pantrova_icon_png>
            ${PROJECT_SOURCE_DIR}/packaging/pantrova.svg ${deb_files}/icons ${icon_sizes}
    DEPENDS pantrova_icon_png ${PROJECT_SOURCE_DIR}/packaging/pantrova.svg VERBATIM)
# The manual page and the changelog, compressed as Debian wants them (gzip -n: no name or time, the same bytes
# on every build).
set(deb_gzipped)
foreach(pair "pantrova.1|share/man/man1" "changelog|share/doc/pantrova")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 name)
    list(GET pair 1 destination)
    add_custom_command(OUTPUT ${deb_files}/${name}.gz
        COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/deb/${name} > ${deb_files}/${name}.gz
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/deb/${name})
    list(APPEND deb_gzipped ${deb_files}/${name}.gz)
    install(FILES ${deb_files}/${name}.gz DESTINATION ${destination} COMPONENT deb EXCLUDE_FROM_ALL)
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/packaging/deb/copyright" DESTINATION share/doc/pantrova COMPONENT deb
        EXCLUDE_FROM_ALL)
add_custom_target(pantrova_deb_files ALL DEPENDS ${icon_pngs} ${deb_gzipped})

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME pantrova)
set(CPACK_PACKAGE_VENDOR Pantrova)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plans purchases: shopping lists with prices at up to twenty shops")
set(CPACK_PACKAGE_FILE_NAME "pantrova-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
# The tarball unpacks into one folder named like the tarball, the same flat folder `make install` makes.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# What only the Debian package sets (`cpack -G DEB`), chosen when CPack runs.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PantrovaDebian.cmake)
set(CPACK_PANTROVA_DEB_FILES ${deb_files})
include(CPack)
