# The platform folder that implements platform/'s interfaces for this build.
if(WIN32)
  set(PLATFORM_FOLDER win32)
else()
  set(PLATFORM_FOLDER posix)
endif()

if(MINGW)
  # Only Windows system DLLs are imported: the runtime is linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
