# SPDX-License-Identifier: MIT
# The page as a SCORM 1.2 package that a learning platform imports: a zip
# with imsmanifest.xml at its root and the page beside it. The manifest takes
# the application id as its identifier and the project's version.
add_executable(scorm_manifest)
target_sources(scorm_manifest PRIVATE scorm_manifest.cpp)
target_link_libraries(scorm_manifest PRIVATE form html_escape project_warnings)
# Writes its file through Node's own file system.
target_link_options(scorm_manifest PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
    -sWASM_ASYNC_COMPILATION=0)
set_target_properties(scorm_manifest PROPERTIES SUFFIX ".js")

set(scorm_manifest_file ${CMAKE_CURRENT_BINARY_DIR}/imsmanifest.xml)
# What the package holds beside its manifest, the page first (the item's
# content); the tests check the manifest against the zip.
get_filename_component(scorm_page_name ${page} NAME)
set(scorm_content ${scorm_page_name})
add_custom_command(OUTPUT ${scorm_manifest_file}
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:scorm_manifest>
        ${scorm_manifest_file} ${APP_ID} ${PROJECT_VERSION} ${scorm_content}
    DEPENDS scorm_manifest
    COMMENT "Writing the SCORM package's imsmanifest.xml"
    VERBATIM)

set(scorm_package ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_NAME}-scorm12.zip)
add_custom_command(OUTPUT ${scorm_package}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${scorm_package}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${scorm_package} --format=zip
        imsmanifest.xml ${scorm_content}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DEPENDS ${scorm_manifest_file} ${page}
    COMMENT "Packing ${PROGRAM_NAME}-scorm12.zip"
    VERBATIM)
add_custom_target(scorm_package ALL DEPENDS ${scorm_package})
