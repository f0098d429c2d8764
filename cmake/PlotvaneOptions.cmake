# Compiler options shared by every Plotvane target, set once on an interface
# target that the others link.
add_library(plotvane_options INTERFACE)
add_library(plotvane::options ALIAS plotvane_options)

target_compile_options(plotvane_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  # Results must not depend on whether the compiler fuses a multiply and an
  # add: the mesh and the look-up are checked bit for bit.
  -ffp-contract=off)

if(PLOTVANE_WARNINGS_AS_ERRORS)
  target_compile_options(plotvane_options INTERFACE -Werror)
endif()

if(PLOTVANE_SANITIZERS)
  target_compile_options(plotvane_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(plotvane_options INTERFACE -fsanitize=address,undefined)
endif()
