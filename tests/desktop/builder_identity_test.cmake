# The package's signature as Debian's tools would find it, one row per environment:
# DEBFULLNAME and DEBEMAIL first (DEBEMAIL may carry the name), then NAME and EMAIL,
# then the local user. The addresses are under the reserved top-level domain
# "invalid", which no one can hold.
# Usage: cmake -DMODULE=builder_identity.cmake -P builder_identity_test.cmake
include(${MODULE})
set(failures 0)
function(expect row debfullname debemail name email expected expected_local)
  set(ENV{DEBFULLNAME} "${debfullname}")
  set(ENV{DEBEMAIL} "${debemail}")
  set(ENV{NAME} "${name}")
  set(ENV{EMAIL} "${email}")
  quorvel_builder_identity(got)
  if(NOT got STREQUAL expected OR NOT got_LOCAL STREQUAL expected_local)
    message(SEVERE_WARNING "${row}: got '${got}' (local ${got_LOCAL}), expected '${expected}' (local ${expected_local})")
    math(EXPR n "${failures} + 1")
    set(failures ${n} PARENT_SCOPE)
  endif()
endfunction()

expect("DEBFULLNAME and DEBEMAIL" "Erika Muster" "erika@muster.invalid" "" ""
       "Erika Muster <erika@muster.invalid>" OFF)
expect("the name inside DEBEMAIL" "" "Erika Muster <erika@muster.invalid>" "" ""
       "Erika Muster <erika@muster.invalid>" OFF)
expect("DEBFULLNAME over the name inside DEBEMAIL" "E. Muster" "Erika Muster <erika@muster.invalid>" "" ""
       "E. Muster <erika@muster.invalid>" OFF)
expect("DEBEMAIL over EMAIL" "" "erika@muster.invalid" "Max" "max@muster.invalid"
       "Max <erika@muster.invalid>" OFF)
expect("NAME and EMAIL" "" "" "Max Muster" "max@muster.invalid"
       "Max Muster <max@muster.invalid>" OFF)

# No address set: the local user, at the mail name or host name of this machine, with
# the full name that matches NAME_PATTERN.
execute_process(COMMAND id -un OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
function(expect_local row debfullname name_pattern)
  set(ENV{DEBFULLNAME} "${debfullname}")
  set(ENV{DEBEMAIL} "")
  set(ENV{NAME} "")
  set(ENV{EMAIL} "")
  quorvel_builder_identity(got)
  if(NOT got MATCHES "^${name_pattern} <${user}@[^<>@ ]+>$" OR NOT got_LOCAL)
    message(SEVERE_WARNING "${row}: got '${got}' (local ${got_LOCAL}), expected the local user ${user}")
    math(EXPR n "${failures} + 1")
    set(failures ${n} PARENT_SCOPE)
  endif()
endfunction()

expect_local("nothing set" "" "[^<>]+")
expect_local("DEBFULLNAME alone" "Erika Muster" "Erika Muster")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} rows failed")
endif()
message(STATUS "every row as expected")
