# Header-only libraries from Debian (libxxhash-dev, libcli11-dev). Their headers are copied into the
# build tree so that a cross build can use them without putting the host's /usr/include on its path.

function(_varnel_copy_headers out_dir)
    file(MAKE_DIRECTORY ${out_dir})
    foreach(src ${ARGN})
        get_filename_component(name ${src} NAME)
        configure_file(${src} ${out_dir}/${name} COPYONLY)
    endforeach()
endfunction()

set(VARNEL_HOST_INCLUDE /usr/include CACHE PATH "Where the host's header-only libraries live")

if(NOT EXISTS ${VARNEL_HOST_INCLUDE}/xxhash.h)
    message(FATAL_ERROR "xxhash.h not found in ${VARNEL_HOST_INCLUDE}: run scripts/setup.sh")
endif()
_varnel_copy_headers(${CMAKE_BINARY_DIR}/third_party/xxhash ${VARNEL_HOST_INCLUDE}/xxhash.h)
add_library(varnel_xxhash INTERFACE)
target_include_directories(varnel_xxhash SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/third_party/xxhash)
target_compile_definitions(varnel_xxhash INTERFACE XXH_INLINE_ALL)
add_library(varnel::xxhash ALIAS varnel_xxhash)

if(NOT EXISTS ${VARNEL_HOST_INCLUDE}/CLI/CLI.hpp)
    message(FATAL_ERROR "CLI/CLI.hpp not found in ${VARNEL_HOST_INCLUDE}: run scripts/setup.sh")
endif()
file(GLOB _varnel_cli11_headers ${VARNEL_HOST_INCLUDE}/CLI/*.hpp)
_varnel_copy_headers(${CMAKE_BINARY_DIR}/third_party/cli11/CLI ${_varnel_cli11_headers})
add_library(varnel_cli11 INTERFACE)
target_include_directories(varnel_cli11 SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/third_party/cli11)
add_library(varnel::cli11 ALIAS varnel_cli11)

# GoogleTest from source, so that the cross builds and the sanitizer build get a matching copy.
if(VARNEL_BUILD_TESTS)
    set(VARNEL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${VARNEL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
