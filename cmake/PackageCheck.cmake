# Installs a build into a scratch prefix and uses it as an outsider would:
# builds examples/consumer with find_package(VendingBridge) and again with the
# flags of `pkg-config vendingbridge`, and runs both. Any failing step fails the
# check with its output.
#
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<project> -DWORK_DIR=<scratch>
#         -DLIBDIR=<libdir> -DINCLUDEDIR=<includedir>/vendingbridge
#         -DCXX=<compiler> [-DCCACHE=<ccache>] [-DCXX_FLAGS=<flags>]
#         [-DGENERATOR=<generator> -DMAKE_PROGRAM=<program>] [-DPKG_CONFIG=<pkg-config>]
#         -P PackageCheck.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable IN ITEMS BUILD_DIR SOURCE_DIR WORK_DIR LIBDIR INCLUDEDIR CXX)
    if(NOT DEFINED ${variable} OR "${${variable}}" STREQUAL "")
        message(FATAL_ERROR "PackageCheck: ${variable} is not set")
    endif()
endforeach()
if(NOT CCACHE)
    set(CCACHE "")
endif()
if(NOT PKG_CONFIG)
    message(FATAL_ERROR "PackageCheck: pkg-config is missing (Debian package pkg-config)")
endif()

set(prefix ${WORK_DIR}/prefix)
set(consumerBuild ${WORK_DIR}/consumer)
set(consumerSource ${SOURCE_DIR}/examples/consumer)
separate_arguments(cxxFlags UNIX_COMMAND "${CXX_FLAGS}")

# Runs one step; its output lands in stepOutput.
function(step what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "PackageCheck: ${what} failed (${result}):\n${command}\n${output}")
    endif()
    message(STATUS "${what}: ok")
    set(stepOutput "${output}" PARENT_SCOPE)
endfunction()

# The consumer prints "<area>::<Name>" per implemented accessor, then the count.
function(checkListing what output)
    string(REGEX MATCHALL "[^\n]+" lines "${output}")
    list(POP_BACK lines summary)
    list(LENGTH lines count)
    if(count EQUAL 0 OR NOT summary STREQUAL "${count} accessors implemented")
        message(FATAL_ERROR "PackageCheck: ${what} listed no accessors or a wrong count:\n${output}")
    endif()
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^[a-z]+::[A-Za-z]+$")
            message(FATAL_ERROR "PackageCheck: ${what} printed \"${line}\", not <area>::<Name>:\n${output}")
        endif()
    endforeach()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
step("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# The CMake package.
set(configure ${CMAKE_COMMAND} -S ${consumerSource} -B ${consumerBuild} -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
if(GENERATOR)
    list(APPEND configure -G ${GENERATOR})
    if(MAKE_PROGRAM)
        list(APPEND configure -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM})
    endif()
endif()
if(CCACHE)
    list(APPEND configure -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE})
endif()
step("configure the consumer" ${configure})
file(STRINGS ${consumerBuild}/CMakeCache.txt packageDir REGEX "^VendingBridge_DIR:")
string(REGEX REPLACE "^[^=]*=" "" packageDir "${packageDir}")
file(REAL_PATH "${packageDir}" packageDir)
file(REAL_PATH "${prefix}/${LIBDIR}/cmake/VendingBridge" expectedPackageDir)
if(NOT packageDir STREQUAL expectedPackageDir)
    message(FATAL_ERROR "PackageCheck: the consumer found VendingBridge in ${packageDir}, "
                        "not in the installed ${expectedPackageDir}")
endif()
step("build the consumer" ${CMAKE_COMMAND} --build ${consumerBuild})
# Only the RUNPATHs lead to the installed libraries.
step("run the consumer" ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen
     ${consumerBuild}/consumer)
checkListing("the consumer" "${stepOutput}")

# The pkg-config file.
step("pkg-config" ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${prefix}/${LIBDIR}/pkgconfig
     ${PKG_CONFIG} --cflags --libs vendingbridge)
string(STRIP "${stepOutput}" pkgFlags)
separate_arguments(pkgFlags UNIX_COMMAND "${pkgFlags}")
file(REAL_PATH "${prefix}/${INCLUDEDIR}" expectedIncludeDir)
set(includeDirFound FALSE)
foreach(flag IN LISTS pkgFlags)
    # Separate ifs: arguments are expanded before MATCHES sets CMAKE_MATCH_1.
    if(flag MATCHES "^-I(.+)$")
        file(REAL_PATH "${CMAKE_MATCH_1}" includeDir)
        if(includeDir STREQUAL expectedIncludeDir)
            set(includeDirFound TRUE)
        endif()
    endif()
endforeach()
if(NOT includeDirFound OR NOT "-lbridge" IN_LIST pkgFlags)
    message(FATAL_ERROR "PackageCheck: pkg-config does not name both ${expectedIncludeDir} and -lbridge: "
                        "${pkgFlags}")
endif()
step("compile the consumer with pkg-config's flags" ${CCACHE} ${CXX} -std=c++17 ${cxxFlags}
     ${consumerSource}/main.cpp -o ${WORK_DIR}/consumer-pkgconfig ${pkgFlags})
step("run the consumer built with pkg-config's flags" ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
     LD_LIBRARY_PATH=${prefix}/${LIBDIR} ${WORK_DIR}/consumer-pkgconfig)
checkListing("the consumer built with pkg-config's flags" "${stepOutput}")
