# Makes the Debian package of a build in a scratch folder and runs lintian on it: no error and no
# warning (the copyright file's licence, which the developers have yet to choose, raises none).
# Run as: cmake -DBUILD_DIR=<build> -DWORK=<scratch folder> -DCPACK=<cpack> -P PackageCheck.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
file(GLOB packages ${WORK}/*.deb)
if(NOT result EQUAL 0 OR NOT packages)
    message(FATAL_ERROR "cpack failed (${result}):\n${said}")
endif()
execute_process(COMMAND lintian --fail-on error,warning ${packages}
                RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian found faults in ${packages}:\n${said}")
endif()
file(REMOVE_RECURSE ${WORK})
message(STATUS "lintian passes ${packages}:\n${said}")
