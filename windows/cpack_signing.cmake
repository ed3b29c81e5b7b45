# Read by cpack for each package it makes (CPACK_PROJECT_CONFIG_FILE), so that the
# certificate is the one named when cpack runs. With QUORVEL_SIGN_CERT set, makensis
# signs the installer and the uninstaller inside it as it writes them (sign.sh); the
# program was signed before, in cpack's staging folder (sign_staged.cmake).
if(NOT "$ENV{QUORVEL_SIGN_CERT}" STREQUAL "")
  set(CPACK_QUORVEL_NSIS_SIGN
    "!finalize '\"${CPACK_QUORVEL_SIGN}\" \"%1\"' = 0\n!uninstfinalize '\"${CPACK_QUORVEL_SIGN}\" \"%1\"' = 0")
else()
  set(CPACK_QUORVEL_NSIS_SIGN "; Not signed: QUORVEL_SIGN_CERT named no certificate.")
endif()
