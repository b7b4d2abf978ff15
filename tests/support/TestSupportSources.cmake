# The sources of the test-support library, for the builds that compile them with flags of their own
# (the fuzz targets) as well as for the library below tests/support.
set(ARMALYX_TEST_SUPPORT_DIR ${CMAKE_CURRENT_LIST_DIR})
set(ARMALYX_TEST_SUPPORT_SOURCES TCommandRun.cpp TestFiles.cpp TTempDirectory.cpp
                                 TWorkingDirectory.cpp OffscreenDesktop.cpp)
list(TRANSFORM ARMALYX_TEST_SUPPORT_SOURCES PREPEND ${ARMALYX_TEST_SUPPORT_DIR}/)
