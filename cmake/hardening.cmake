# The hardening flags that dpkg-buildflags gives Debian's own packages:
# checked buffer functions, stack protection and a read-only relocation
# table bound at start. Optimised builds only (the checks need -O), and not
# beside the fuzzers' sanitizers, which replace those functions themselves.
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$" AND NOT VELMO_FUZZ)
  add_compile_definitions(_FORTIFY_SOURCE=2)
  add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
