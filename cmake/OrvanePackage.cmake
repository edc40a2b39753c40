# The CMake package OrvaneSDK (core: OrvaneSDKConfig.cmake and
# OrvaneSDKTargets.cmake; each component installs its own files, see
# orvane_add_library), and its CPack packages: one per install component.
include(CMakePackageConfigHelpers)

install(EXPORT OrvaneSDKTargets
  NAMESPACE OrvaneSDK::
  DESTINATION ${ORVANE_CMAKE_DIR}
  COMPONENT Core)

configure_package_config_file(cmake/OrvaneSDKConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneSDKConfig.cmake
  INSTALL_DESTINATION ${ORVANE_CMAKE_DIR})
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneSDKConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)

install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneSDKConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneSDKConfigVersion.cmake
  DESTINATION ${ORVANE_CMAKE_DIR}
  COMPONENT Core)

# CPack: a .deb and a .tar.gz per component (orvane-sdk-core,
# orvane-sdk-qthost, ...); every component package depends on the core one.
get_property(ORVANE_COMPONENTS GLOBAL PROPERTY ORVANE_COMPONENTS)
set(CPACK_PACKAGE_NAME orvane-sdk)
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT "Orvane SDK team <sdk@orvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orvane SDK integration manager and host kits")
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_COMPONENTS_ALL Core ${ORVANE_COMPONENTS})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# Run-time dependencies on Debian's libraries (Qt for the Qt kit...) are read
# from the libraries themselves; the project's own come from the component
# dependencies.
get_property(ORVANE_LIBRARIES GLOBAL PROPERTY ORVANE_LIBRARIES)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "")
foreach(library IN LISTS ORVANE_LIBRARIES)
  get_target_property(directory ${library} BINARY_DIR)
  list(APPEND CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${directory})
endforeach()
set(CPACK_DEBIAN_CORE_PACKAGE_DEPENDS "libboost-dev")
set(CPACK_COMPONENT_CORE_DESCRIPTION "The integration manager and the platform libraries, headers, CMake and pkg-config files")
foreach(component IN LISTS ORVANE_COMPONENTS)
  string(TOUPPER ${component} upper)
  set(CPACK_COMPONENT_${upper}_DEPENDS Core)
  set(CPACK_COMPONENT_${upper}_DESCRIPTION "OrvaneSDK component ${component}")
  get_property(CPACK_DEBIAN_${upper}_PACKAGE_DEPENDS GLOBAL PROPERTY ORVANE_DEBIAN_DEPENDS_${component})
endforeach()
include(CPack)
