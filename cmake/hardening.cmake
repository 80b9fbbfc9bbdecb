# The hardening flags Debian builds its packages with. They are read from
# dpkg-buildflags where it is installed (so a newer dpkg's choices win), and
# every flag the package checks for is added when dpkg-buildflags does not
# give it (dpkg 1.21 in Debian 12 leaves out stack-clash and CET protection,
# and bindnow unless asked for).
include(CheckCXXCompilerFlag)

set(_hardening_compile "")
set(_hardening_link "")
set(_hardening_fortify -D_FORTIFY_SOURCE=2)

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    separate_arguments(_flags UNIX_COMMAND "${_flags}")
    foreach(flag ${_flags})
      # The build type owns optimisation and debug information, and the
      # prefix map carries the directory cmake was started from: only the
      # protective flags and the format warnings are taken.
      if(flag MATCHES "^-D_FORTIFY_SOURCE=")
        set(_hardening_fortify ${flag})
      elseif(flag MATCHES "^-fstack-|^-fcf-|^-mbranch-|^-Wformat|^-Werror=format")
        list(APPEND _hardening_compile ${flag})
      elseif(flag MATCHES "^-Wl,-z,")
        list(APPEND _hardening_link ${flag})
      endif()
    endforeach()
  endforeach()
endif()

foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  if(NOT flag IN_LIST _hardening_compile)
    string(MAKE_C_IDENTIFIER "QUANTIVEX_HAS${flag}" _var)
    check_cxx_compiler_flag(${flag} ${_var})
    if(${_var})
      list(APPEND _hardening_compile ${flag})
    endif()
  endif()
endforeach()
foreach(flag -Wl,-z,relro -Wl,-z,now)
  if(NOT flag IN_LIST _hardening_link)
    list(APPEND _hardening_link ${flag})
  endif()
endforeach()

add_compile_options(${_hardening_compile})
add_link_options(${_hardening_link})
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

# _FORTIFY_SOURCE does nothing without optimisation (glibc warns about it),
# and AddressSanitizer checks the same calls itself, so the sanitizer and
# fuzz builds go without it.
if(NOT QUANTIVEX_SANITIZE AND NOT QUANTIVEX_FUZZ)
  add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${_hardening_fortify}>)
  list(APPEND _hardening_compile "${_hardening_fortify} (optimised builds)")
endif()

list(JOIN _hardening_compile " " _shown_compile)
list(JOIN _hardening_link " " _shown_link)
message(STATUS "Hardening: ${_shown_compile} ${_shown_link}")
