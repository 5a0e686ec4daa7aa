# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one fuzz target for SECONDS from the seeds in SEEDS, which it only
# reads: what it learns goes to SCRATCH, made afresh, and so does the input
# of any crash, which the output names.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}/corpus")
set(dictionary)
if(EXISTS "${DICTIONARY}")
    set(dictionary "-dict=${DICTIONARY}")
endif()
execute_process(
    COMMAND "${FUZZER}" -max_total_time=${SECONDS} -rss_limit_mb=2048 -timeout=60
            -print_final_stats=1 ${dictionary} "-artifact_prefix=${SCRATCH}/"
            "${SCRATCH}/corpus" "${SEEDS}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${status}); the input it failed on is in ${SCRATCH}")
endif()
