# Builds the Debian package into an emptied folder, for the package tests:
#   cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DOUT=<folder> -P BuildPackage.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${CONFIG} -B ${OUT} COMMAND_ERROR_IS_FATAL ANY)
