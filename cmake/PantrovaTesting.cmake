# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# pantrova_add_test(<name> SOURCES ... [LIBRARIES ...] [LOCALE <name>] [ENVIRONMENT VAR=value ...])
#
# Builds one QtTest executable and registers it with CTest so that it runs headless on a screen of 1600 x 1000
# pixels, with a private runtime folder and a fixed locale: no test depends on the machine's display or language
# by accident.
function(pantrova_add_test name)
    cmake_parse_arguments(ARG "" "LOCALE" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    if(NOT ARG_LOCALE)
        set(ARG_LOCALE en_GB.UTF-8)
    endif()

    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

    set(runtime_dir ${CMAKE_BINARY_DIR}/tests/runtime-${name})
    file(MAKE_DIRECTORY ${runtime_dir})
    file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/screen.json;XDG_RUNTIME_DIR=${runtime_dir};LANG=${ARG_LOCALE};LC_ALL=;LANGUAGE=;PANTROVA_BIN_DIR=${PANTROVA_BIN_DIR};${ARG_ENVIRONMENT}")
endfunction()
