# The 64-bit Windows build runs its programs under 64-bit Wine, in a prefix of
# its own build tree (tests/wine sets it up). WINE_RUN is the command to put in
# front of a Windows program; it is empty where nothing can run: natively, where
# no emulator is needed, and in the 32-bit build, which this machine cannot run.
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR STREQUAL "AMD64")
  set(WINE_RUN ${PROJECT_SOURCE_DIR}/tests/wine/run-under-wine.sh ${CMAKE_BINARY_DIR})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})
else()
  set(WINE_RUN "")
endif()
