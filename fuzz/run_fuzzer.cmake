# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target for NAVIVOR_FUZZ_SECONDS (30 unless the environment says) over a fresh
# copy of its seeds. libFuzzer adds the inputs it finds to the first corpus folder, so it is
# given the copy and the repository's seeds stay as they are. A crash, hang or leak ends the
# run with a non-zero status and leaves the input beside the copy.
set(seconds 30)
if(DEFINED ENV{NAVIVOR_FUZZ_SECONDS})
    set(seconds $ENV{NAVIVOR_FUZZ_SECONDS})
endif()
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/corpus ${SCRATCH}/artifacts)
file(COPY ${SEEDS}/ DESTINATION ${SCRATCH}/corpus)
execute_process(
    COMMAND ${FUZZER} -max_total_time=${seconds} -rss_limit_mb=2048 -timeout=5
        -print_final_stats=1 -artifact_prefix=${SCRATCH}/artifacts/ ${SCRATCH}/corpus
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${FUZZER} found a fault (status ${status}): see ${SCRATCH}/artifacts")
endif()
