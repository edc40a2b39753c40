# The API reference: target docs runs Doxygen (docs/Doxyfile) on the headers
# that are installed, written to build/docs/html.
get_property(libraries GLOBAL PROPERTY ORVANE_LIBRARIES)
get_property(include_dirs GLOBAL PROPERTY ORVANE_INCLUDE_DIRS)
set(headers "")
foreach(library IN LISTS libraries)
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
WARN_LOGFILE = \"${docs_dir}/warnings.log\"
")

find_package(Doxygen QUIET)
if(DOXYGEN_FOUND)
  add_custom_target(docs
    COMMAND Doxygen::doxygen ${docs_dir}/Doxyfile
    COMMAND ${CMAKE_COMMAND} -E echo "API reference: ${docs_dir}/html/index.html"
    VERBATIM)
endif()
