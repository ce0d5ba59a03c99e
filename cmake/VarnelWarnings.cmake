# Per-target warnings. VARNEL_WERROR turns them into errors (the test script and CI set it).
option(VARNEL_WERROR "Treat compiler warnings as errors" OFF)

function(varnel_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion)
    if(VARNEL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
