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
