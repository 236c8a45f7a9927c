# CORVASTEL_SANITIZE builds every target of ours (the service simulator and the tests included) with
# AddressSanitizer and UndefinedBehaviorSanitizer, stopping at the first report so that CTest sees a
# failure. With clang the code also carries libFuzzer's coverage hooks, so the fuzz targets in fuzz/
# link against the same instrumented libraries the tests use and one tree serves both.
option(CORVASTEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(CORVASTEL_BUILD_FUZZ "Build the libFuzzer targets (clang with CORVASTEL_SANITIZE)" OFF)

if(CORVASTEL_SANITIZE)
  set(corvastel_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${corvastel_sanitizers})
  add_link_options(${corvastel_sanitizers})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()

if(CORVASTEL_BUILD_FUZZ AND NOT (CORVASTEL_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
  message(FATAL_ERROR "The fuzz targets need clang and CORVASTEL_SANITIZE (use the sanitize preset)")
endif()
