# Per-target warnings. VARNEL_WERROR turns them into errors (the test script and CI set it).
option(VARNEL_WERROR "Treat compiler warnings as errors" OFF)

function(varnel_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion)
    # GCC 12 reports -Wrestrict inside libstdc++ for plain string concatenation (GCC bug 105651).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(VARNEL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
