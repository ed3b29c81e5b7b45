# Run by cpack once the files of a package are staged (CPACK_PRE_BUILD_SCRIPTS): with
# a certificate named by QUORVEL_SIGN_CERT, the staged exes are signed before they
# are packed, so the zip and the installer carry the signed program.
if(NOT "$ENV{QUORVEL_SIGN_CERT}" STREQUAL "")
  file(GLOB_RECURSE exes "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.exe")
  if(NOT exes)
    message(FATAL_ERROR "no exe to sign in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
  endif()
  execute_process(COMMAND ${CPACK_QUORVEL_SIGN} ${exes} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "signing the staged exes failed")
  endif()
endif()
