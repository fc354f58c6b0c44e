# A GoogleTest executable for code that needs a Qt GUI application: one QApplication on the
# offscreen platform (tests/support/QtTestMain.cpp) and the shared test support headers.
#   kestrel_gui_test(NAME SOURCES a.cpp b.cpp LIBRARIES lib1 lib2)
function(kestrel_gui_test name)
    cmake_parse_arguments(PARSE_ARGV 1 TEST "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp ${TEST_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(${name} PRIVATE ${TEST_LIBRARIES} Qt6::Widgets Qt6::Test GTest::gtest)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 300)
endfunction()
