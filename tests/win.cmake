# Tests of the Windows program, run under Wine: the real dialogs with their
# real controls (tewo_win_tests), and robots that drive the real tewo.exe
# from another process (tewo_e2e_tests).
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# googletest's own sources do not pass our warnings or the Shift-JIS literals.
target_compile_options(gtest PRIVATE -w -fexec-charset=UTF-8)

add_executable(tewo_win_tests
  win/test_main.cpp
  win/fake_system.cpp
  shared/win_files.cpp
  win/ansi_name_test.cpp
  win/main_dialog_test.cpp
  win/save_script_test.cpp
  win/run_and_check_test.cpp
  win/source_list_test.cpp
  win/folder_add_test.cpp
  win/destination_test.cpp
  win/settings_test.cpp
  win/registration_dialog_test.cpp
  win/large_list_test.cpp
  win/editor_fixture.cpp
  win/keyboard.cpp
  win/script_editor_test.cpp
  win/large_script_test.cpp
  win/help_window_test.cpp
  win/disk_full_test.cpp
  win/file_replace_test.cpp
  ${TEWO_RESOURCE_SCRIPT}
)
set_source_files_properties(${TEWO_RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS "${TEWO_RESOURCE_DEPENDS}")
target_include_directories(tewo_win_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/src/resources)
target_link_libraries(tewo_win_tests PRIVATE tewo_ui gtest shell32 ole32)
target_link_options(tewo_win_tests PRIVATE -static)

add_executable(tewo_e2e_tests
  e2e/robot.cpp
  shared/win_files.cpp
  e2e/app_process.cpp
  e2e/e2e_main.cpp
  e2e/start_and_save_test.cpp
  e2e/main_window_test.cpp
  e2e/registration_test.cpp
  e2e/script_editor_test.cpp
  e2e/help_window_test.cpp
)
target_include_directories(tewo_e2e_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(tewo_e2e_tests PRIVATE gtest user32 comctl32)
target_link_options(tewo_e2e_tests PRIVATE -static)
add_dependencies(tewo_e2e_tests tewo)

add_test(NAME win_dialogs COMMAND tewo_win_tests)
add_test(NAME e2e_robot COMMAND tewo_e2e_tests
  --tewo-exe=$<TARGET_FILE:tewo>
  --install-files=${PROJECT_SOURCE_DIR}/src/resources)
# The writers once more under a file size limit of 1 MB: a full disk.
add_test(NAME win_disk_full
  COMMAND bash -c "trap '' XFSZ; ulimit -f 1024; exec \"$@\"" disk_full
    ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:tewo_win_tests> --gtest_filter=DiskFull*)
set_tests_properties(win_dialogs e2e_robot win_disk_full PROPERTIES TIMEOUT 600 RESOURCE_LOCK wine_gui)
