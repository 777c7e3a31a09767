# Shared build rules: warnings, definitions, sanitizers and the test environment live here only.

if(ORVEX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

function(orvex_set_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(ORVEX_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PUBLIC QT_RESTRICTED_CAST_FROM_ASCII QT_NO_KEYWORDS)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
endfunction()

# orvex_add_library(<name> SOURCES <files...> LIBS <libraries...>)
# A static library whose headers are included as "<folder>/<Name>.h" from src/.
function(orvex_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    orvex_set_defaults(${name})
endfunction()

# orvex_add_executable(<name> SOURCES <files...> LIBS <libraries...>)
# A program placed in the staged program folder.
function(orvex_add_executable name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    orvex_set_defaults(${name})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ORVEX_STAGE_DIR})
endfunction()

# orvex_add_test(<name> SOURCES <files...> LIBS <libraries...>)
# A GoogleTest executable run headless, each test registered with ctest.
function(orvex_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} orvex_testsupport GTest::gtest GTest::gmock)
    orvex_set_defaults(${name})
    # Qt values print readably in failure messages.
    target_compile_options(${name} PRIVATE -include ${PROJECT_SOURCE_DIR}/tests/support/QtPrinters.h)
    add_dependencies(${name} orvex_image)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        NO_PRETTY_VALUES
        PROPERTIES
            TIMEOUT 120
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;LC_ALL=C.UTF-8")
endfunction()
