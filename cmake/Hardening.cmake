# Debian's hardening flags, as `DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags`
# gives them on Debian 12 (its optimisation and debugging flags aside, which are the
# build type's): stack protection, checked string and memory functions (not in a
# Debug build, which does not optimise, nor beside a sanitizer, which checks them
# itself), format-string checks, and read-only relocations resolved at start-up.
# gcc makes position-independent executables by default there.
option(HOPSCOPE_HARDENING "Build with Debian's hardening flags" ON)
if(HOPSCOPE_HARDENING AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
  if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
