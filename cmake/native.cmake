# Native build: the portable core, its unit tests, fuzz replays and benchmarks.
option(ZANDOLIN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ZANDOLIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(zportable STATIC ${portable_sources} ${posix_sources})
target_include_directories(zportable PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_options(zportable PRIVATE ${warnings})

file(GLOB unit_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${unit_test_sources} ${test_support_sources})
target_include_directories(unit_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(unit_tests PRIVATE zportable gtest gtest_main)
target_compile_options(unit_tests PRIVATE ${warnings})

# Each fuzz/<name>/<name>.cpp defines LLVMFuzzerTestOneInput. Here it is linked with a small
# main that replays the seed corpus; scripts/fuzz builds the same file with libFuzzer.
file(GLOB fuzz_targets CONFIGURE_DEPENDS LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/fuzz/*)
foreach(dir ${fuzz_targets})
  if(IS_DIRECTORY ${dir})
    get_filename_component(name ${dir} NAME)
    if(EXISTS ${dir}/${name}.cpp)
      add_executable(fuzz_replay_${name} ${dir}/${name}.cpp ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp
                     ${test_support_sources})
      target_include_directories(fuzz_replay_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
      target_link_libraries(fuzz_replay_${name} PRIVATE zportable)
    endif()
  endif()
endforeach()

# Benchmarks are commands of their own (scripts/bench), never part of the test run.
file(GLOB bench_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
foreach(src ${bench_sources})
  get_filename_component(name ${src} NAME_WE)
  add_executable(bench_${name} ${src} ${test_support_sources})
  target_include_directories(bench_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(bench_${name} PRIVATE zportable)
endforeach()

# The X11 drag source the end-to-end tests drop files with (Wine starts it as a Unix program).
find_package(X11)
if(X11_FOUND)
  add_executable(xdnd_drop ${PROJECT_SOURCE_DIR}/tests/e2e/xdnd/xdnd_drop.cpp)
  target_link_libraries(xdnd_drop PRIVATE X11::X11)
  set_target_properties(xdnd_drop PROPERTIES SUFFIX ".exe")
endif()
