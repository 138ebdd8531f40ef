# A short deterministic fuzz run: a fixed seed and number of inputs over the committed corpus. New
# inputs go to a fresh work folder, so the corpus in the source tree is never changed.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/new ${WORK}/artifacts)
execute_process(
  COMMAND ${FUZZER} -seed=1 -runs=${RUNS} -dict=${DICTIONARY} -timeout=10 -rss_limit_mb=1024
          -malloc_limit_mb=256 -print_final_stats=1 -artifact_prefix=${WORK}/artifacts/ ${WORK}/new ${CORPUS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the fuzz run failed (${result}); the input is in ${WORK}/artifacts")
endif()
