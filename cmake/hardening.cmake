# The hardening that Debian builds its packages with: fortified libc calls, a stack protector,
# position-independent executables and a read-only relocation table bound at start.
# It applies to Linux builds, where these are the flags that Debian's package checks look for.
option(QUERNEL_HARDENING "Build with Debian's hardening flags (Linux)" ON)

if(QUERNEL_HARDENING AND CMAKE_SYSTEM_NAME STREQUAL "Linux"
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)

  add_compile_options(-fstack-protector-strong)
  # Fortified calls need the optimiser; unoptimised (Debug) builds would only warn. A definition
  # the compiler makes itself is replaced, not redefined.
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
