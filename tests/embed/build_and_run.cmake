# cmake -DSOURCE=<embed project> -DBINARY=<build folder> -DZAV_ROOT=<tree> -P build_and_run.cmake
# cmake -DSOURCE=<embed project> -DBINARY=<build folder> -DINSTALL_FROM=<built tree> -P ...
# Configures, builds and runs the embedding project; fails at the first step that fails. With
# ZAV_ROOT it takes the tree in; with INSTALL_FROM it first installs that build's package into
# a fresh prefix and finds it there. Only the embedding program and what it links are built:
# the rest of the tree is built and tested on its own already.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

if(INSTALL_FROM)
  set(prefix ${BINARY}-prefix)
  file(REMOVE_RECURSE ${prefix} ${BINARY})
  run(${CMAKE_COMMAND} --install ${INSTALL_FROM} --prefix ${prefix} --component development)
  # Only public headers: no platform's own part, no report tool.
  file(GLOB_RECURSE private RELATIVE ${prefix} ${prefix}/include/*)
  list(FILTER private INCLUDE REGEX "/(posix|win32|auswertung)/")
  if(private)
    message(FATAL_ERROR "private headers installed: ${private}")
  endif()
  set(use -DCMAKE_PREFIX_PATH=${prefix})
else()
  set(use -DZAV_ROOT=${ZAV_ROOT})
endif()
run(${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G Ninja ${use})
run(${CMAKE_COMMAND} --build ${BINARY} --target embed_user)
run(${BINARY}/embed_user)
