# Build settings every target shares.

# The version with the commit it was built from, in development builds from a git checkout. Only
# the few sources that show it get it, so a new commit does not rebuild everything.
set(XALTO_VERSION_DESCRIBED "${PROJECT_VERSION}")
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${PROJECT_SOURCE_DIR}/.git")
    execute_process(COMMAND ${GIT_EXECUTABLE} describe --always --dirty
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE xalto_git_describe OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(xalto_git_describe)
        set(XALTO_VERSION_DESCRIBED "${PROJECT_VERSION}+git.${xalto_git_describe}")
    endif()
endif()
add_library(xalto_common INTERFACE)
target_compile_features(xalto_common INTERFACE cxx_std_20)
target_compile_options(xalto_common INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor
    # A local hiding another local: each compiler spells it its own way.
    $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
    $<$<CXX_COMPILER_ID:Clang>:-Wshadow-uncaptured-local>)
if(XALTO_WERROR)
    target_compile_options(xalto_common INTERFACE -Werror)
endif()
target_compile_definitions(xalto_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_KEYWORDS
    XALTO_VERSION="${PROJECT_VERSION}")

# One static library per folder: xalto_add_library(name SOURCES ... LIBS ...)
function(xalto_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC xalto_common ${ARG_LIBS})
endfunction()

# One executable and one ctest test per test file: xalto_add_test(name SOURCES ... LIBS ...)
function(xalto_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE xalto_common Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()
