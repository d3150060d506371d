# The hardening Debian builds its packages with (dpkg-buildflags): position-independent
# executables, stack protector, fortified libc calls, read-only relocations bound at start.
include(CheckPIESupported)
check_pie_supported(LANGUAGES C CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# Fortified calls need an optimised build, and the sanitizers do their own checking.
if(NOT PLUMCREST_SANITIZE)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
