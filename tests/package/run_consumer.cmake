# Installs the build into a fresh prefix, then configures, builds and runs a
# small host project that finds the package with find_package(OrvaneSDK).
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "install failed: ${result}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build
  -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
  RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "configuring the consumer failed: ${result}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build -j2 RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "building the consumer failed: ${result}")
endif()

execute_process(COMMAND ${WORK_DIR}/build/consumer RESULT_VARIABLE result OUTPUT_VARIABLE output)
message(STATUS "${output}")
if(result)
  message(FATAL_ERROR "the consumer failed: ${result}")
endif()

execute_process(COMMAND ${WORK_DIR}/build/conformance RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
  message(FATAL_ERROR "the conformance test program failed: ${result}")
endif()
