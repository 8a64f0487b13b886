set(CMAKE_C_COMPILER ${CHOOSER_MINGW}-gcc)
set(CMAKE_CXX_COMPILER ${CHOOSER_MINGW}-g++)
set(CMAKE_RC_COMPILER ${CHOOSER_MINGW}-windres)
set(CHOOSER_WIDL ${CHOOSER_MINGW}-widl)
set(CMAKE_FIND_ROOT_PATH /usr/${CHOOSER_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Everything the compiler's runtime needs goes into the binaries themselves.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--enable-stdcall-fixup")
# Test programs built here run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-run")
