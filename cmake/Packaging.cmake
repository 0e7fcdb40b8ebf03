# Installs the bridge with the interface layer and the stand-in core it links,
# their headers under <includedir>/vendingbridge/ (so that "lea/...",
# "bridge/..." and "core/..." includes work unchanged), a CMake package
# (find_package(VendingBridge CONFIG)) and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(BRIDGE_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/vendingbridge)
set(BRIDGE_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/VendingBridge)

foreach(library IN ITEMS lea core bridge)
    set_target_properties(${library} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        # The three libraries are installed side by side; the build tree's
        # absolute paths must not end up in the installed files.
        INSTALL_RPATH "$ORIGIN")
    add_library(VendingBridge::${library} ALIAS ${library})
endforeach()

install(TARGETS lea core bridge nonstd_optional
        EXPORT VendingBridgeTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        FILE_SET HEADERS DESTINATION ${BRIDGE_INSTALL_INCLUDEDIR})
install(EXPORT VendingBridgeTargets
        NAMESPACE VendingBridge::
        DESTINATION ${BRIDGE_INSTALL_CMAKEDIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VendingBridgeConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/VendingBridgeConfig.cmake
                              INSTALL_DESTINATION ${BRIDGE_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VendingBridgeConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VendingBridgeConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/VendingBridgeConfigVersion.cmake
        DESTINATION ${BRIDGE_INSTALL_CMAKEDIR})

# The .pc file finds its prefix from its own location, so that it stays right
# when the tree is installed with `cmake --install --prefix` elsewhere.
set(BRIDGE_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
function(bridge_pc_path variable dir)
    if(IS_ABSOLUTE "${dir}")
        set(${variable} "${dir}" PARENT_SCOPE)
    else()
        set(${variable} "\${prefix}/${dir}" PARENT_SCOPE)
    endif()
endfunction()
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
    set(BRIDGE_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
    file(RELATIVE_PATH relative /prefix/${BRIDGE_PC_DIR} /prefix)
    string(REGEX REPLACE "/$" "" relative "${relative}")
    set(BRIDGE_PC_PREFIX "\${pcfiledir}/${relative}")
endif()
bridge_pc_path(BRIDGE_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
bridge_pc_path(BRIDGE_PC_INCLUDEDIR "${BRIDGE_INSTALL_INCLUDEDIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/vendingbridge.pc.in ${CMAKE_CURRENT_BINARY_DIR}/vendingbridge.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vendingbridge.pc DESTINATION ${BRIDGE_PC_DIR})
