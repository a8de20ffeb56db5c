# Starts the program on the offscreen platform with a font configuration that
# has no fonts at all. It must write the one line that names the two font
# packages and keep running; it is ended after a few seconds.
#
#   -DPROGRAM=<tovrik> -DCONFIG=<fontconfig file> -DWORK=<scratch directory>
file(MAKE_DIRECTORY "${WORK}")
set(ENV{FONTCONFIG_FILE} "${CONFIG}")
set(ENV{XDG_CACHE_HOME} "${WORK}")
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${PROGRAM}" TIMEOUT 3 RESULT_VARIABLE result ERROR_VARIABLE errors)

if(NOT result MATCHES "timeout")
  message(FATAL_ERROR "the program ended (${result}) instead of running; it wrote\n${errors}")
endif()
string(REGEX MATCHALL "[^\n]*fonts-arphic-gbsn00lp[^\n]*" lines "${errors}")
list(LENGTH lines count)
if(NOT count EQUAL 1 OR NOT errors MATCHES "fonts-arphic-gbsn00lp [^\n]*fonts-arphic-gkai00mp")
  message(FATAL_ERROR "expected one line naming fonts-arphic-gbsn00lp and fonts-arphic-gkai00mp, got\n${errors}")
endif()
message(STATUS "warned as expected:\n${errors}")
