# varnel_add_test(<name> SOURCES <files...> [LIBRARIES <libs...>] [GUI])
#
# One test executable is one ctest entry: under Wine that is several times faster than one entry
# per TEST. Cross builds without an emulator (i686) build the executable but register no test.
# GUI tests share one Wine desktop and clipboard, so they never run side by side; on Windows their
# main (tests/support/gui_test_main_win.cpp) closes and reports any real message box.

set(VARNEL_WINE_TEST_ENV WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 EXPECT_ACP=936)

function(varnel_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_GUI AND WIN32)
        # Defines main, so the plain test main of the support library is not linked.
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/gui_test_main_win.cpp)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} varnel_test_support)
    varnel_target_warnings(${name})
    if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
        return()
    endif()
    if(CMAKE_CROSSCOMPILING_EMULATOR)
        # The environment reaches every ctest mode this way (ENVIRONMENT lists lose entries).
        set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR
                     env ${VARNEL_WINE_TEST_ENV} ${CMAKE_CROSSCOMPILING_EMULATOR})
    endif()
    # A relative XML path: under Wine an absolute /tmp path is silently taken as relative.
    add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${name}.xml)
    set_tests_properties(${name} PROPERTIES TIMEOUT 900)
    if(ARG_GUI)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_desktop)
    endif()
endfunction()
