# Windows build: the program, its Win32 tests, the end-to-end tests with their driver,
# small helper programs for tests, and the stand-in components.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX STRSAFE_NO_DEPRECATE)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)

set(win_libs comctl32 comdlg32 shell32 shlwapi gdi32 user32 kernel32 ole32 oleaut32 uuid
    vfw32 winmm msacm32 strmiids)

set(program_dir ${CMAKE_BINARY_DIR}/program)
set(scintilla_dir ${PROJECT_SOURCE_DIR}/build/deps/scintilla)

add_library(zwin STATIC ${portable_sources} ${win32_sources})
target_include_directories(zwin PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_options(zwin PRIVATE ${warnings})
target_link_libraries(zwin PUBLIC ${win_libs})

# One resource script includes every .rc fragment of src/resources, so each subsystem keeps its own.
file(GLOB rc_fragments CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/resources/*.rc)
set(rc_all "")
foreach(rc ${rc_fragments})
  string(APPEND rc_all "#include \"${rc}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/zandolin_all.rc CONTENT "${rc_all}")
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${PROJECT_SOURCE_DIR}/src/resources -I${PROJECT_SOURCE_DIR}/src")

add_executable(Zandolin WIN32 ${PROJECT_SOURCE_DIR}/src/app/main_win32.cpp ${seam_sources}
               ${CMAKE_BINARY_DIR}/zandolin_all.rc)
target_link_libraries(Zandolin PRIVATE zwin)
target_compile_options(Zandolin PRIVATE ${warnings})
set_target_properties(Zandolin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${program_dir})
add_custom_command(TARGET Zandolin POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${scintilla_dir}/SciLexer.dll ${program_dir}/SciLexer.dll
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${scintilla_dir}/License.txt ${program_dir}/Scintilla-License.txt)
# The help pages the program opens live under its folder, as a user unpacks them.
add_custom_target(program_docs ALL COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/docs ${program_dir}/docs)

set(test_dir ${CMAKE_BINARY_DIR}/tests)

file(GLOB wine_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/wine/*.cpp)
add_executable(wine_tests ${wine_test_sources} ${test_support_sources})
target_include_directories(wine_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(wine_tests PRIVATE zwin gtest gtest_main)
target_compile_options(wine_tests PRIVATE ${warnings})
set_target_properties(wine_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${test_dir})

file(GLOB driver_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/driver/*.cpp)
add_library(zdriver STATIC ${driver_sources})
target_include_directories(zdriver PUBLIC ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(zdriver PUBLIC user32 gdi32 comctl32 kernel32 psapi version)

file(GLOB e2e_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${e2e_test_sources} ${test_support_sources})
target_include_directories(e2e_tests PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(e2e_tests PRIVATE zdriver gtest gtest_main)
target_compile_options(e2e_tests PRIVATE ${warnings})
set_target_properties(e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${test_dir})

# The driver as a command, for scripts (waiting for the window before a screenshot).
add_executable(zdriver_cli ${PROJECT_SOURCE_DIR}/tests/e2e/driver_cli/zdriver_cli.cpp)
target_link_libraries(zdriver_cli PRIVATE zdriver)
set_target_properties(zdriver_cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${test_dir} OUTPUT_NAME zdriver)

# Small programs the tests start (a command-line recorder and the like): one file each.
file(GLOB test_programs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/programs/*.cpp)
foreach(src ${test_programs})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE user32 kernel32)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${test_dir})
endforeach()

if(EXISTS ${PROJECT_SOURCE_DIR}/standins/CMakeLists.txt)
  add_subdirectory(standins)
endif()

# The reader the end-to-end tests load into the program to read its popup menus from inside.
add_library(menu_reader SHARED ${PROJECT_SOURCE_DIR}/tests/e2e/menu_reader/menu_reader.cpp)
target_link_libraries(menu_reader PRIVATE user32 kernel32)
set_target_properties(menu_reader PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${test_dir} PREFIX "")
add_dependencies(e2e_tests menu_reader)
