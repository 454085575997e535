# What an application needs to build against the module, for `cmake --install`:
#   bin/KIVD04.dll, bin/kivfw.dll            the module and the platform library it runs on
#   lib/libKIVD04.dll.a, lib/libkivfw.dll.a  their import libraries
#   include/...                              the public headers, laid out as in this tree, so that an
#                                            application writes #include "dialogs/sky/DlgTwilight.h"
#   lib/cmake/KIVD04/                        the package: find_package(KIVD04) gives the imported
#                                            targets KIVD04::KIVD04 and KIVD04::kivfw
include(CMakePackageConfigHelpers)

set(KIVD04_PACKAGE_VERSION 1.0.0)
set(KIVD04_INSTALL_CMAKEDIR lib/cmake/KIVD04)

# Inside this tree the top-level include directory serves; an application gets the installed one.
target_include_directories(kivfw INTERFACE $<INSTALL_INTERFACE:include>)
# The headers name the wide-character Win32 functions through their generic names (a member
# SetWindowText is SetWindowTextW in the DLL), so every user must compile with UNICODE as we do.
target_compile_definitions(kivfw INTERFACE $<INSTALL_INTERFACE:UNICODE;_UNICODE>)
target_compile_features(kivfw INTERFACE cxx_std_20)

install(TARGETS kivfw KIVD04 EXPORT KIVD04Targets
  RUNTIME DESTINATION bin
  LIBRARY DESTINATION bin
  ARCHIVE DESTINATION lib)

# Every header of the module's dialogs, of the channel and of the platform layer, found by folder
# so that a header moved or added there is installed without a change here. The id headers let an
# application's tests name the module's controls.
file(GLOB_RECURSE KIV_PUBLIC_HEADERS RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/platform/*.h
  ${PROJECT_SOURCE_DIR}/channel/*.h
  ${PROJECT_SOURCE_DIR}/framework/*.h
  ${PROJECT_SOURCE_DIR}/platform/*.h
  ${PROJECT_SOURCE_DIR}/dialogs/*.h)
file(GLOB KIV_ID_HEADERS RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/ids_*.h)
foreach(header IN LISTS KIV_PUBLIC_HEADERS KIV_ID_HEADERS)
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${header} DESTINATION include/${folder})
endforeach()

install(EXPORT KIVD04Targets NAMESPACE KIVD04:: DESTINATION ${KIVD04_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/KIVD04Config.cmake.in
  ${CMAKE_BINARY_DIR}/package/KIVD04Config.cmake
  INSTALL_DESTINATION ${KIVD04_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/KIVD04ConfigVersion.cmake
  VERSION ${KIVD04_PACKAGE_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/KIVD04Config.cmake ${CMAKE_BINARY_DIR}/package/KIVD04ConfigVersion.cmake
  DESTINATION ${KIVD04_INSTALL_CMAKEDIR})
