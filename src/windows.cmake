# The Windows program: the thin framework, the windows, and tewo.exe.
add_library(tewo_framework STATIC
  framework/ansi_name.cpp
  framework/dialog.cpp
  framework/dpi.cpp
  framework/dropped_files.cpp
  framework/edit.cpp
  framework/escape_proof_edit.cpp
  framework/find_replace_dialog.cpp
  framework/file_dialog.cpp
  framework/folder_lister.cpp
  framework/gdi.cpp
  framework/list_box.cpp
  framework/program_calls.cpp
  framework/system.cpp
  framework/win_app.cpp
  framework/wnd.cpp
  framework/write_failure.cpp
)
target_include_directories(tewo_framework PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(tewo_framework PUBLIC tewo_core comdlg32 shell32 ole32 gdi32 user32 advapi32)

# The windows of the tool, without the application object, so that tests can
# create them under an application object of their own.
add_library(tewo_ui STATIC
  app/about_dialog.cpp
  app/autocad_installations.cpp
  app/drop_list_box.cpp
  app/folder_browser.cpp
  app/install_folder.cpp
  app/main_dialog.cpp
  app/main_dialog_destination.cpp
  app/main_dialog_folder.cpp
  app/main_dialog_run.cpp
  app/main_dialog_settings.cpp
  app/main_dialog_sources.cpp
  app/my_file_dialog.cpp
  app/run_autocad_dialog.cpp
  app/script_tool_app.cpp
  script/destination_name.cpp
  script/existing_outputs.cpp
  script/output_folders.cpp
  script/file_presence.cpp
  script/result_check_operation.cpp
  script/save_script_operation.cpp
  script/template_file_location.cpp
  templates/registration_dialog.cpp
  editor/script_editor_dialog.cpp
  editor/script_editor_find.cpp
  help/help_dialog.cpp
)
target_link_libraries(tewo_ui PUBLIC tewo_framework)

set(TEWO_RESOURCE_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/resources/tewo.rc CACHE INTERNAL "")
# The files the resource script takes in, which the build does not find by itself.
file(GLOB tewo_icons ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons/*.ico)
set(TEWO_RESOURCE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/tewo.manifest ${tewo_icons}
    CACHE INTERNAL "")
set_source_files_properties(${TEWO_RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS "${TEWO_RESOURCE_DEPENDS}")

add_executable(tewo WIN32
  app/main.cpp
  framework/win_main.cpp
  ${TEWO_RESOURCE_SCRIPT}
)
target_link_libraries(tewo PRIVATE tewo_ui)
# The resource script finds its icons beside it.
target_include_directories(tewo PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/resources)
if(MINGW)
  target_link_options(tewo PRIVATE -static -mwindows)
endif()
if(MSVC)
  # The resource script brings the manifest; the linker's own would collide with it.
  target_link_options(tewo PRIVATE /MANIFEST:NO)
endif()

# The install folder: the program, the factory command template file and the help text.
install(TARGETS tewo RUNTIME DESTINATION .)
install(FILES resources/tewoc.ini resources/help.txt DESTINATION .)

# The install folder as a zip for Windows users: build/mingw/tewo.zip.
add_custom_target(tewo_zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/tewo
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${CMAKE_BINARY_DIR}/tewo
  COMMAND ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/tewo.zip --format=zip tewo
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS tewo
  COMMENT "Packing the install folder into tewo.zip")
