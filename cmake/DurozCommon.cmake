# Build settings every target of the project links: language level, warnings,
# library assertions and Qt's safety macros.
add_library(duroz_common INTERFACE)
target_compile_features(duroz_common INTERFACE cxx_std_20)
target_compile_options(duroz_common INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    -Woverloaded-virtual -Wno-missing-field-initializers)
if(DUROZ_WERROR)
    target_compile_options(duroz_common INTERFACE -Werror)
endif()
target_compile_definitions(duroz_common INTERFACE
    _GLIBCXX_ASSERTIONS
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_USE_QSTRINGBUILDER
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_DISABLE_DEPRECATED_UP_TO=0x060400)
target_include_directories(duroz_common INTERFACE ${PROJECT_SOURCE_DIR}/src)

# duroz_add_test(NAME name SOURCES a.cpp ... LIBS lib ... [DATABASE])
# One executable per unit, linking the libraries (never their sources).
# DATABASE marks suites that need the throw-away cluster of scripts/test;
# each of them makes its own database from the template.
function(duroz_add_test)
    cmake_parse_arguments(T "DATABASE" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE duroz_common GTest::gtest GTest::gmock ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(env "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8")
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
    if(T_DATABASE)
        set_tests_properties(${T_NAME} PROPERTIES LABELS database)
    endif()
endfunction()
