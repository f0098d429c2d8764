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
  # GCC 12 at -O3 reports a false overlap inside std::string's operator+
  # (its bug 105651); the warning stays, it just does not stop the build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(plotvane_options INTERFACE -Wno-error=restrict)
  endif()
endif()

if(PLOTVANE_SANITIZERS)
  # float-cast-overflow is not part of "undefined" in GCC, yet converting an
  # out-of-range double to an integer or a float is the fault most likely in
  # this numeric code. No recovery: any finding ends the test that caused it.
  set(PLOTVANE_SANITIZER_FLAGS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
  target_compile_options(plotvane_options INTERFACE ${PLOTVANE_SANITIZER_FLAGS} -fno-omit-frame-pointer)
  target_link_options(plotvane_options INTERFACE ${PLOTVANE_SANITIZER_FLAGS})
endif()
