# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the release notes (NEWS) and makes from them the releases of the
# AppStream description and the Debian changelog, so that both say what NEWS
# says, with NEWS's dates.

# The seconds since 1970 of a date "YYYY-MM-DD" at midnight UTC, and its day
# of the week as Debian's changelog writes it.
function(benchlist_date_facts date epoch_var weekday_var)
    if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-0?([0-9]+)-0?([0-9]+)$")
        message(FATAL_ERROR "\"${date}\" is not a date written YYYY-MM-DD")
    endif()
    set(year ${CMAKE_MATCH_1})
    set(month ${CMAKE_MATCH_2})
    set(day ${CMAKE_MATCH_3})
    # Counted from March, so that the leap day ends a year.
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR day_of_year "(153 * ((${month} + 9) % 12) + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era
         "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    math(EXPR epoch "${days} * 86400")
    math(EXPR weekday "(${days} + 4) % 7") # 1970-01-01 was a Thursday
    set(names Sun Mon Tue Wed Thu Fri Sat)
    list(GET names ${weekday} name)
    set(${epoch_var} ${epoch} PARENT_SCOPE)
    set(${weekday_var} ${name} PARENT_SCOPE)
endfunction()

# Appends one change to the releases (an <li>) and to the changelog (a "  * "
# entry wrapped at 76 columns).
macro(_benchlist_flush_change)
    if(NOT change STREQUAL "")
        set(xml_text "${change}")
        string(REPLACE "&" "&amp;" xml_text "${xml_text}")
        string(REPLACE "<" "&lt;" xml_text "${xml_text}")
        string(REPLACE ">" "&gt;" xml_text "${xml_text}")
        string(APPEND release_xml "          <li>${xml_text}</li>\n")
        string(REPLACE " " ";" words "${change}")
        set(line "  *")
        foreach(word IN LISTS words)
            string(LENGTH "${line} ${word}" width)
            if(width GREATER 76)
                string(APPEND release_changes "${line}\n")
                set(line "   ")
            endif()
            string(APPEND line " ${word}")
        endforeach()
        string(APPEND release_changes "${line}\n")
        set(change "")
    endif()
endmacro()

macro(_benchlist_flush_release)
    _benchlist_flush_change()
    if(DEFINED release_version)
        if(release_changes STREQUAL "")
            message(FATAL_ERROR "${notes}: release ${release_version} lists no change")
        endif()
        benchlist_date_facts(${release_date} release_epoch release_weekday)
        string(SUBSTRING "${release_date}" 5 2 month)
        math(EXPR month_index "${month} - 1")
        set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        list(GET months ${month_index} month_name)
        string(SUBSTRING "${release_date}" 8 2 day)
        string(SUBSTRING "${release_date}" 0 4 year)
        string(APPEND xml "    <release version=\"${release_version}\" date=\"${release_date}\">\n"
               "      <description>\n        <ul>\n${release_xml}        </ul>\n"
               "      </description>\n    </release>\n")
        if(NOT changelog STREQUAL "")
            string(APPEND changelog "\n")
        endif()
        string(APPEND changelog "${package} (${release_version}) unstable; urgency=medium\n\n"
               "${release_changes}\n -- ${maintainer}  "
               "${release_weekday}, ${day} ${month_name} ${year} 00:00:00 +0000\n")
        if(NOT DEFINED newest_version)
            set(newest_version ${release_version})
            set(newest_epoch ${release_epoch})
        endif()
    endif()
    set(release_xml "")
    set(release_changes "")
endmacro()

# Reads NOTES and sets, in the caller's scope:
#   BENCHLIST_RELEASES_XML      the <release> elements, newest first;
#   BENCHLIST_DEBIAN_CHANGELOG  the changelog of PACKAGE, kept by MAINTAINER;
#   BENCHLIST_NEWEST_RELEASE    the newest release's version;
#   BENCHLIST_NEWEST_RELEASE_EPOCH  its date in seconds since 1970.
function(benchlist_read_release_notes notes package maintainer)
    file(READ "${notes}" text)
    # Semicolons and brackets would split or join CMake's lists: they travel
    # as control characters and come back at the end.
    string(ASCII 1 semicolon)
    string(ASCII 2 open_bracket)
    string(ASCII 3 close_bracket)
    string(REPLACE ";" "${semicolon}" text "${text}")
    string(REPLACE "[" "${open_bracket}" text "${text}")
    string(REPLACE "]" "${close_bracket}" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")

    set(xml "")
    set(changelog "")
    set(change "")
    set(release_xml "")
    set(release_changes "")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "^Benchlist ([0-9]+\\.[0-9]+\\.[0-9]+), ([0-9-]+)$")
            _benchlist_flush_release()
            set(release_version ${CMAKE_MATCH_1})
            set(release_date ${CMAKE_MATCH_2})
        elseif(NOT DEFINED release_version OR line STREQUAL "")
            _benchlist_flush_change()
        elseif(line MATCHES "^\\* (.+)$")
            _benchlist_flush_change()
            set(change "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^  +(.+)$" AND NOT change STREQUAL "")
            string(APPEND change " ${CMAKE_MATCH_1}")
        else()
            message(FATAL_ERROR "${notes}:${number}: a change starts with \"* \" and goes on "
                                "over lines indented by two blanks: \"${line}\"")
        endif()
    endforeach()
    _benchlist_flush_release()
    if(NOT DEFINED newest_version)
        message(FATAL_ERROR "${notes} names no release (a line \"Benchlist VERSION, YYYY-MM-DD\")")
    endif()

    foreach(variable xml changelog)
        string(REPLACE "${semicolon}" ";" ${variable} "${${variable}}")
        string(REPLACE "${open_bracket}" "[" ${variable} "${${variable}}")
        string(REPLACE "${close_bracket}" "]" ${variable} "${${variable}}")
    endforeach()
    set(BENCHLIST_RELEASES_XML "${xml}" PARENT_SCOPE)
    set(BENCHLIST_DEBIAN_CHANGELOG "${changelog}" PARENT_SCOPE)
    set(BENCHLIST_NEWEST_RELEASE ${newest_version} PARENT_SCOPE)
    set(BENCHLIST_NEWEST_RELEASE_EPOCH ${newest_epoch} PARENT_SCOPE)
endfunction()
