# Warnings and defines shared by every target of the project.
add_library(tesmira_common INTERFACE)
target_compile_features(tesmira_common INTERFACE cxx_std_20)
target_compile_options(tesmira_common INTERFACE -Wall -Wextra)

# CI turns warnings into errors; a local build only reports them.
if(DEFINED ENV{CI})
  set(tesmira_werror_default ON)
else()
  set(tesmira_werror_default OFF)
endif()
option(TESMIRA_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" ${tesmira_werror_default})
if(TESMIRA_WARNINGS_AS_ERRORS)
  target_compile_options(tesmira_common INTERFACE -Werror)
endif()

# AddressSanitizer and UndefinedBehaviorSanitizer over every target; any
# report ends the test that caused it.
option(TESMIRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TESMIRA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz targets' build: clang's coverage for libFuzzer in every object, with
# both sanitizers, so that a fault anywhere in the readers stops the run.
option(TESMIRA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(TESMIRA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TESMIRA_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
