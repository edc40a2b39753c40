include(GNUInstallDirs)
set(ORVANE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/OrvaneSDK)

# orvane_warnings(<target>): the project's warning flags for its own code.
function(orvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ORVANE_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# orvane_add_library(<name> [STATIC] SOURCE_DIR <dir> INCLUDE_DIR <dir>
#                    [DEPENDS <targets>...]
#                    [COMPONENT <Component>
#                     FIND_DEPENDENCIES <"find_package arguments">...
#                     PKGCONFIG_REQUIRES <pkg-config modules>...
#                     DEBIAN_DEPENDS <Debian packages>...])
#
# Builds the shared library <name> (alias OrvaneSDK::<name>) from every .cpp
# under SOURCE_DIR, with hidden visibility; <NAME>_BUILDING is defined while
# its own sources compile. The same objects form the object library
# <name>_objects, which tests link to reach classes the shared library does
# not export. STATIC builds a static library instead, for a library built on
# a static one that its users link as well (GoogleTest); it has no export
# check, as nothing is looked up across a shared library's boundary.
#
# Every header under INCLUDE_DIR is installed at the include root; headers
# under SOURCE_DIR are the library's own (its objects, and the tests that
# link them, find them from SOURCE_DIR as include root); a class declared in an installed header must be exported
# (the test exports_<name>, cmake/check_exports.sh, checks it). A pkg-config file <name>.pc goes to
# lib/pkgconfig: it requires the pkg-config files of the OrvaneSDK libraries
# in DEPENDS and the PKGCONFIG_REQUIRES modules.
#
# Without COMPONENT the library belongs to the core package: export set
# OrvaneSDKTargets, install component Core. With COMPONENT (a host kit, say
# QtHost) it is that component of the package, found with
# find_package(OrvaneSDK COMPONENTS <Component>): export set
# OrvaneSDK<Component>Targets, and a file OrvaneSDK<Component>.cmake that
# finds each of FIND_DEPENDENCIES (as find_package(<arguments>) does) only
# when the component is asked for; install component <Component>, which
# CPack makes a package of its own, depending on the core package and on
# DEBIAN_DEPENDS (the -dev packages of the headers the kit's headers include;
# the run-time libraries are found by dpkg-shlibdeps).
function(orvane_add_library name)
  cmake_parse_arguments(ARG "STATIC" "SOURCE_DIR;INCLUDE_DIR;COMPONENT"
    "DEPENDS;FIND_DEPENDENCIES;PKGCONFIG_REQUIRES;DEBIAN_DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${ARG_INCLUDE_DIR} ${ARG_INCLUDE_DIR}/*.h)
  string(TOUPPER ${name} upper)
  if(ARG_COMPONENT)
    set(component ${ARG_COMPONENT})
    set(export_set OrvaneSDK${component}Targets)
  else()
    set(component Core)
    set(export_set OrvaneSDKTargets)
  endif()

  list(TRANSFORM headers PREPEND ${ARG_INCLUDE_DIR}/ OUTPUT_VARIABLE header_paths)
  add_library(${name}_objects OBJECT ${sources} ${header_paths})
  target_compile_definitions(${name}_objects PRIVATE ${upper}_BUILDING)
  target_include_directories(${name}_objects PUBLIC $<BUILD_INTERFACE:${ARG_INCLUDE_DIR}>
    $<BUILD_INTERFACE:${ARG_SOURCE_DIR}>)
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

  install(TARGETS ${name} EXPORT ${export_set}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${component}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${component}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  set(installed_headers "")
  foreach(header IN LISTS headers)
    get_filename_component(subdirectory ${header} DIRECTORY)
    install(FILES ${ARG_INCLUDE_DIR}/${header}
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${subdirectory} COMPONENT ${component})
    list(APPEND installed_headers ${ARG_INCLUDE_DIR}/${header})
  endforeach()

  _orvane_install_pkgconfig(${name} ${component} "${ARG_DEPENDS}" "${ARG_PKGCONFIG_REQUIRES}")
  if(ARG_COMPONENT)
    _orvane_install_component(${component} "${ARG_FIND_DEPENDENCIES}")
    list(JOIN ARG_DEBIAN_DEPENDS ", " debian_depends)
    set_property(GLOBAL PROPERTY ORVANE_DEBIAN_DEPENDS_${component} "${debian_depends}")
  endif()

  if(ORVANE_BUILD_TESTS AND NOT ARG_STATIC)
    list(JOIN installed_headers "\n" header_list)
    file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}-installed-headers.txt CONTENT "${header_list}\n")
    add_test(NAME exports_${name}
      COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/check_exports.sh
        $<TARGET_FILE:${name}> ${CMAKE_CURRENT_BINARY_DIR}/${name}-installed-headers.txt
        $<TARGET_OBJECTS:${name}_objects>)
  endif()

  # Read by the pkg-config files, the package set-up and the API reference.
  set_target_properties(${name} PROPERTIES ORVANE_INSTALLED_HEADERS "${installed_headers}")
  set_property(GLOBAL APPEND PROPERTY ORVANE_LIBRARIES ${name})
  set_property(GLOBAL APPEND PROPERTY ORVANE_INCLUDE_DIRS ${ARG_INCLUDE_DIR})
endfunction()

# The pkg-config file of library <name>, relocatable: its prefix is found
# from the file's own place.
function(_orvane_install_pkgconfig name component depends external_requires)
  get_property(orvane_libraries GLOBAL PROPERTY ORVANE_LIBRARIES)
  set(requires ${external_requires})
  foreach(dependency IN LISTS depends)
    if(dependency IN_LIST orvane_libraries)
      list(APPEND requires ${dependency})
    endif()
  endforeach()
  list(JOIN requires " " PC_REQUIRES)
  set(pkgconfig_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
  file(RELATIVE_PATH PC_PREFIX_FROM_FILE /root/${pkgconfig_dir} /root)
  string(REGEX REPLACE "/$" "" PC_PREFIX_FROM_FILE ${PC_PREFIX_FROM_FILE})
  set(PC_NAME ${name})
  set(PC_COMPONENT ${component})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/orvane.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc DESTINATION ${pkgconfig_dir} COMPONENT ${component})
endfunction()

# The CMake files of component <component>: its targets, and
# OrvaneSDK<component>.cmake, which the package configuration reads when the
# component is asked for.
function(_orvane_install_component component find_dependencies)
  set(ORVANE_COMPONENT ${component})
  set(ORVANE_COMPONENT_DEPENDENCIES "")
  foreach(dependency IN LISTS find_dependencies)
    separate_arguments(arguments UNIX_COMMAND "${dependency}")
    list(GET arguments 0 package)
    string(APPEND ORVANE_COMPONENT_DEPENDENCIES
      "find_package(${dependency} QUIET)\n"
      "if(NOT ${package}_FOUND)\n"
      "  set(OrvaneSDK_NOT_FOUND_MESSAGE \"component ${component} needs ${package}, which was not found\")\n"
      "  return()\n"
      "endif()\n")
  endforeach()
  set(file ${PROJECT_BINARY_DIR}/OrvaneSDK${component}.cmake)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/OrvaneSDKComponent.cmake.in ${file} @ONLY)
  install(FILES ${file} DESTINATION ${ORVANE_CMAKE_DIR} COMPONENT ${component})
  install(EXPORT OrvaneSDK${component}Targets NAMESPACE OrvaneSDK::
    DESTINATION ${ORVANE_CMAKE_DIR} COMPONENT ${component})
  set_property(GLOBAL APPEND PROPERTY ORVANE_COMPONENTS ${component})
endfunction()
