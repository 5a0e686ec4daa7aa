# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack once the packages are made. A .deb is an ar archive whose
# headers record each member's mode as the builder's umask left it;
# strip-nondeterminism writes 0644 and the package's date there instead, so
# that every umask gives the same bytes.
find_program(strip_nondeterminism strip-nondeterminism)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    if(NOT strip_nondeterminism)
        message(WARNING "strip-nondeterminism is missing: ${package} keeps this umask's modes")
        continue()
    endif()
    execute_process(COMMAND ${strip_nondeterminism} --normalizers=+ar --type ar
                            --timestamp $ENV{SOURCE_DATE_EPOCH} ${package}
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "strip-nondeterminism could not normalise ${package}")
    endif()
endforeach()
