include(CMakePackageConfigHelpers)

# The package config asks for Qt 6 only when the Qt host kit was built.
if(NOT DEFINED ORVANE_QT_HOST_BUILT)
  set(ORVANE_QT_HOST_BUILT FALSE)
endif()
# And for GoogleTest only when the host conformance suite was built.
if(NOT DEFINED ORVANE_HOST_CONFORMANCE_BUILT)
  set(ORVANE_HOST_CONFORMANCE_BUILT FALSE)
endif()

set(ORVANE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/OrvaneSDK)

install(EXPORT OrvaneSDKTargets
  NAMESPACE OrvaneSDK::
  DESTINATION ${ORVANE_CMAKE_DIR})

configure_package_config_file(cmake/OrvaneSDKConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneSDKConfig.cmake
  INSTALL_DESTINATION ${ORVANE_CMAKE_DIR})
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneSDKConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)

install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneSDKConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/OrvaneSDKConfigVersion.cmake
  DESTINATION ${ORVANE_CMAKE_DIR})
