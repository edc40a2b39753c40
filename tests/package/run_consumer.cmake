# Installs the build into a fresh prefix and uses it as host projects do:
# - CMake, core alone, on a machine without Qt (find_package of Qt 6 disabled);
# - CMake, with every component built (COMPONENTS), every installed header
#   compiled on its own (COMPONENTS: comma-separated);
# - pkg-config: each library's flags resolve, and the consumer compiles and
#   links with them.
# The consumer's build directories are kept between runs, so that only
# changed headers are compiled again (installing keeps file times).
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${prefix})

# Runs a command; stops with its output when it fails.
function(step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(result)
    message(FATAL_ERROR "${what} failed (${result}):\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

# Configures and builds the consumer in ${WORK_DIR}/<name> with <options>.
function(consumer name)
  step("configuring the consumer (${name})" ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/${name}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release ${ARGN})
  step("building the consumer (${name})" ${CMAKE_COMMAND} --build ${WORK_DIR}/${name} -j2)
endfunction()

step("installing" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

consumer(core -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DCOMPONENTS=)
step("running the core consumer" ${WORK_DIR}/core/consumer)
message(STATUS "CMake, core alone: ${output}")

consumer(components -DCOMPONENTS=${COMPONENTS} -DCHECK_HEADERS=ON)
if(EXISTS ${WORK_DIR}/components/qt_consumer)
  step("running the Qt kit consumer" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${WORK_DIR}/components/qt_consumer)
  message(STATUS "${output}")
endif()
if(EXISTS ${WORK_DIR}/components/conformance)
  step("running the conformance test program" ${WORK_DIR}/components/conformance)
endif()

set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
file(GLOB pc_files ${prefix}/lib/pkgconfig/*.pc)
foreach(pc_file IN LISTS pc_files)
  get_filename_component(module ${pc_file} NAME_WE)
  step("pkg-config ${module}" pkg-config --cflags --libs ${module})
endforeach()
step("pkg-config" pkg-config --cflags --libs ovsdkintegrationmanager)
separate_arguments(flags UNIX_COMMAND "${output}")
step("compiling the consumer with pkg-config" ${CXX} -std=c++17 ${CONSUMER_DIR}/main.cpp ${flags}
  -Wl,-rpath,${prefix}/lib -o ${WORK_DIR}/pkgconfig_consumer)
step("running the pkg-config consumer" ${WORK_DIR}/pkgconfig_consumer)
message(STATUS "pkg-config: ${output}")
