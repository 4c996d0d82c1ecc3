# The distribution's hardening, as Debian's dpkg-buildflags gives it: checked
# library calls, stack protection, format strings that are errors when unsafe,
# a relocation table made read-only once resolved at start, and a
# position-independent executable. GCC and Clang on Linux; elsewhere the
# toolchain's defaults stand.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  # The checked calls need an optimized build; a compiler that defines its own
  # level gives way to this one.
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
