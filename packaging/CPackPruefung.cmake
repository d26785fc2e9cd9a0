# Read by cpack. A package built for /usr/local would look for its pictures in the
# wrong place and put files where Debian packages must not.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR
        "Das Debian-Paket braucht CMAKE_INSTALL_PREFIX=/usr (ist: ${CPACK_PACKAGING_INSTALL_PREFIX}). "
        "Bitte mit 'make package' bauen.")
endif()
