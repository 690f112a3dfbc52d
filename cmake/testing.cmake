# GoogleTest from the Debian sources, built with this preset's compiler so
# that the same tests run on the host and under Wine.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)

# The layer a test program links unless it names others with LIBS: the whole
# program on Windows, the core on the host.
if(WIN32)
  set(LF_TEST_LAYERS lf_app)
else()
  set(LF_TEST_LAYERS lf_core)
endif()

# lf_add_test(name SOURCES ... [LIBS ...] [WINDOWS_ONLY] [HOST_ONLY] [LABELS ...]
#             [SERVER script.py] [TIMEOUT seconds])
# One test program; it runs through the Wine runner on the Windows presets.
# With SERVER, the script starts its loopback servers and then runs
# `tools/wine-run program` itself.
function(lf_add_test name)
  cmake_parse_arguments(T "WINDOWS_ONLY;HOST_ONLY" "SERVER;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if((T_WINDOWS_ONLY AND NOT WIN32) OR (T_HOST_ONLY AND WIN32))
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${LF_TEST_LAYERS} gtest_main ${T_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  if(LF_CAN_RUN)
    if(T_SERVER)
      add_test(NAME ${name} COMMAND python3 ${CMAKE_CURRENT_SOURCE_DIR}/${T_SERVER} ${CMAKE_SOURCE_DIR}/tools/wine-run
                                    $<TARGET_FILE:${name}>)
    else()
      add_test(NAME ${name} COMMAND ${name})
    endif()
    if(NOT T_TIMEOUT)
      set(T_TIMEOUT 600)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
    if(T_LABELS)
      set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
    endif()
  endif()
endfunction()
