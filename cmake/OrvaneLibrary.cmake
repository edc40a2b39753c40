# orvane_warnings(<target>): the project's warning flags for its own code.
function(orvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ORVANE_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# orvane_add_library(<name> [STATIC] SOURCE_DIR <dir> INCLUDE_DIR <dir> [DEPENDS <targets>...])
#
# Builds the shared library <name> (alias OrvaneSDK::<name>) from every .cpp
# under SOURCE_DIR, with hidden visibility; <NAME>_BUILDING is defined while
# its own sources compile. The same objects form the object library
# <name>_objects, which tests link to reach classes the shared library does
# not export. Headers under INCLUDE_DIR are installed at the include root.
# STATIC builds a static library instead, for libraries built on a static
# one that their users link as well (GoogleTest).
function(orvane_add_library name)
  cmake_parse_arguments(ARG "STATIC" "SOURCE_DIR;INCLUDE_DIR" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${ARG_INCLUDE_DIR}/*.h)
  string(TOUPPER ${name} upper)

  add_library(${name}_objects OBJECT ${sources} ${headers})
  target_compile_definitions(${name}_objects PRIVATE ${upper}_BUILDING)
  target_include_directories(${name}_objects PUBLIC $<BUILD_INTERFACE:${ARG_INCLUDE_DIR}>)
  target_link_libraries(${name}_objects PUBLIC ${ARG_DEPENDS})
  orvane_warnings(${name}_objects)

  if(ARG_STATIC)
    add_library(${name} STATIC $<TARGET_OBJECTS:${name}_objects>)
  else()
    add_library(${name} SHARED $<TARGET_OBJECTS:${name}_objects>)
  endif()
  add_library(OrvaneSDK::${name} ALIAS ${name})
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${ARG_INCLUDE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  set_target_properties(${name} PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
    EXPORT_NAME ${name}
    # Installed side by side: each library finds its siblings next to itself.
    INSTALL_RPATH "$ORIGIN")

  install(TARGETS ${name} EXPORT OrvaneSDKTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  install(DIRECTORY ${ARG_INCLUDE_DIR}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h")
endfunction()
