# The long soaks.  A soak case (its name holds "InASoak") runs kit::testing::soak_rounds()
# rounds: a few in the everyday run, as part of its program.  add_soak_test registers,
# for a test program, one more test that runs only its soak cases, SOAK_ROUNDS rounds
# each, labelled soak: ./run tests leaves it out, ./run soak runs it.
set(SOAK_ROUNDS 500 CACHE STRING "Rounds of each soak case in the soak run")
function(add_soak_test target)
  add_test(NAME ${target}_soak COMMAND ${target} --gtest_filter=*InASoak*)
  set_tests_properties(${target}_soak PROPERTIES
    LABELS soak
    ENVIRONMENT "KIT_SOAK_ROUNDS=${SOAK_ROUNDS}")
  if(WIN32)
    set_tests_properties(${target}_soak PROPERTIES TIMEOUT ${WINDOWS_TEST_TIMEOUT})
  endif()
endfunction()
