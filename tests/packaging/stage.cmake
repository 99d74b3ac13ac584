# Installs the build into a fresh STAGE prefix and builds a MIME database in MIME_ROOT
# from the installed package alone.
file(REMOVE_RECURSE ${STAGE} ${MIME_ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
file(COPY ${STAGE}/share/mime/packages DESTINATION ${MIME_ROOT}/mime)
execute_process(COMMAND update-mime-database ${MIME_ROOT}/mime RESULT_VARIABLE updated)
if(NOT updated EQUAL 0)
  message(FATAL_ERROR "update-mime-database failed: ${updated}")
endif()
