# Every target of the project links this: warnings are errors everywhere,
# the mingw builds included.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE -Wall -Wextra -Werror)
