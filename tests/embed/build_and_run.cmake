# cmake -DSOURCE=<embed project> -DBINARY=<build folder> -DZAV_ROOT=<tree> -P build_and_run.cmake
# Configures, builds and runs the embedding project; fails at the first step that fails. Only
# the embedding program and what it links are built: the rest of the tree is built and tested
# on its own already.
foreach(step
    "${CMAKE_COMMAND};-S;${SOURCE};-B;${BINARY};-G;Ninja;-DZAV_ROOT=${ZAV_ROOT}"
    "${CMAKE_COMMAND};--build;${BINARY};--target;embed_user"
    "${BINARY}/embed_user")
  execute_process(COMMAND ${step} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${step}")
  endif()
endforeach()
