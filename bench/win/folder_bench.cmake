# Adding a project tree of 10,000 drawings through the menu item, against a
# plain listing and list box fill, under Wine:
#   scripts/wine-run build/mingw/tests/tewo_folder_bench.exe
# A measurement, not a test: built with everything else, never run by ctest.
add_executable(tewo_folder_bench
  ${PROJECT_SOURCE_DIR}/bench/win/folder_add_bench.cpp
  ${PROJECT_SOURCE_DIR}/tests/win/test_main.cpp
  ${PROJECT_SOURCE_DIR}/tests/win/fake_system.cpp
  ${PROJECT_SOURCE_DIR}/tests/shared/win_files.cpp
  ${TEWO_RESOURCE_SCRIPT}
)
target_include_directories(tewo_folder_bench PRIVATE
  ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src/resources)
target_link_libraries(tewo_folder_bench PRIVATE tewo_ui gtest shell32 ole32)
target_link_options(tewo_folder_bench PRIVATE -static)
