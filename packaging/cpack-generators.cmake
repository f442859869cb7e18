# Read by cpack once for each generator (CPACK_PROJECT_CONFIG_FILE): the
# Debian package holds the whole installation under /usr, the archive the
# program folder alone.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CPACK_QUILL_BUILD_DIR};Quillmere;programs;/"
    "${CPACK_QUILL_BUILD_DIR};Quillmere;desktop;/"
    "${CPACK_QUILL_BUILD_DIR};Quillmere;debiandocs;/")
elseif(CPACK_GENERATOR STREQUAL "TGZ")
  set(CPACK_PACKAGING_INSTALL_PREFIX "")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}")
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_QUILL_BUILD_DIR};Quillmere;portable;/")
endif()
