# The API reference: target docs runs Doxygen (docs/Doxyfile) on the headers
# that are installed by the integration manager, the host kits and the host
# conformance suite, written to build/docs/html; it fails on any Doxygen
# warning (an undocumented declaration is one). The platform libraries, which
# stand in for the engine's own, are read for their types but not documented
# here.
get_property(libraries GLOBAL PROPERTY ORVANE_LIBRARIES)
get_property(include_dirs GLOBAL PROPERTY ORVANE_INCLUDE_DIRS)
# The namespaces are described in docs/namespaces.dox.
set(headers ${PROJECT_SOURCE_DIR}/docs/namespaces.dox)
foreach(library IN LISTS libraries)
  get_target_property(library_dir ${library} SOURCE_DIR)
  string(FIND "${library_dir}/" "${PROJECT_SOURCE_DIR}/platform/" platform_prefix)
  if(platform_prefix EQUAL 0)
    continue()
  endif()
  get_target_property(library_headers ${library} ORVANE_INSTALLED_HEADERS)
  list(APPEND headers ${library_headers})
endforeach()
list(JOIN headers "\" \\\n  \"" headers)
list(JOIN include_dirs "\" \"" include_dirs)

set(docs_dir ${PROJECT_BINARY_DIR}/docs)
file(CONFIGURE OUTPUT ${docs_dir}/Doxyfile CONTENT "@INCLUDE = \"${PROJECT_SOURCE_DIR}/docs/Doxyfile\"
INPUT = \"${headers}\"
STRIP_FROM_PATH = \"${include_dirs}\"
STRIP_FROM_INC_PATH = \"${include_dirs}\"
INCLUDE_PATH = \"${include_dirs}\"
OUTPUT_DIRECTORY = \"${docs_dir}\"
")

find_package(Doxygen QUIET)
if(DOXYGEN_FOUND)
  add_custom_target(docs
    COMMAND Doxygen::doxygen ${docs_dir}/Doxyfile
    COMMAND ${CMAKE_COMMAND} -E echo "API reference: ${docs_dir}/html/index.html"
    VERBATIM)
endif()
