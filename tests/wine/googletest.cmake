# GoogleTest from the machine's sources, cross-compiled for the Windows test clients. The static runtime
# (the toolchain links everything statically) keeps the test programs free of MinGW DLLs under Wine.
if(NOT TARGET gtest)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    # Third-party code builds with its own warning flags, not with the project's -Werror.
    get_directory_property(_chooser_saved_options COMPILE_OPTIONS)
    set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    set_directory_properties(PROPERTIES COMPILE_OPTIONS "${_chooser_saved_options}")
    # The win32 thread model has no std::mutex: GoogleTest's one use of it is replaced by a Win32 event,
    # in GoogleTest and in every test that includes its headers.
    target_compile_options(gtest PUBLIC "SHELL:-include ${CMAKE_CURRENT_LIST_DIR}/support/gtest_notification.h")
    target_compile_definitions(gtest PUBLIC NOMINMAX)
endif()
include(GoogleTest)
