# Runs the data compiler on a copy of the real data with one place damaged and
# checks that it fails with the expected "file:line: reason" message.
#
#   -DTOOL=<tovrik_datac> -DROOT=<source tree> -DWORK=<scratch directory>
#   -DFILE=<damaged file, relative to ROOT>
#   one damage:  -DFIND=<text> -DREPLACE=<text>  replace the one occurrence
#                -DSWAP_A=<line start> -DSWAP_B=<line start>  swap two lines
#                -DDROP=<line start>  delete a line
#   -DEXPECT=<regular expression>; "@AT@" in it stands for "<file name>:<line>"
#   of the damaged line (for a swap, the later of the two lines).

set(inputs
    data/lists/slots-01-06.txt data/lists/slots-07-14.txt data/lists/slots-15-36.txt
    data/codes/positions-001-009.txt data/codes/positions-010-019.txt
    data/codes/positions-020-103.txt tools/pins.txt tools/counts.txt)

file(REMOVE_RECURSE "${WORK}")
foreach(f IN LISTS inputs)
  get_filename_component(dir "${WORK}/${f}" DIRECTORY)
  file(COPY "${ROOT}/${f}" DESTINATION "${dir}")
endforeach()

file(READ "${WORK}/${FILE}" text)
set(text "\n${text}") # so that every line start follows a line end

# The offset of the one line beginning with PREFIX, its end and its line number.
function(find_line prefix out_begin out_end out_line)
  string(FIND "${text}" "\n${prefix}" begin)
  if(begin LESS 0)
    message(FATAL_ERROR "no line of ${FILE} begins with '${prefix}'")
  endif()
  math(EXPR begin "${begin} + 1")
  string(SUBSTRING "${text}" ${begin} -1 rest)
  string(FIND "${rest}" "\n" length)
  math(EXPR end "${begin} + ${length}")
  string(SUBSTRING "${text}" 0 ${begin} before)
  string(REGEX MATCHALL "\n" ends "${before}")
  list(LENGTH ends line)
  set(${out_begin} ${begin} PARENT_SCOPE)
  set(${out_end} ${end} PARENT_SCOPE)
  set(${out_line} ${line} PARENT_SCOPE)
endfunction()

if(DEFINED FIND)
  string(FIND "${text}" "${FIND}" at)
  string(FIND "${text}" "${FIND}" last REVERSE)
  if(at LESS 0 OR NOT at EQUAL last)
    message(FATAL_ERROR "'${FIND}' does not stand exactly once in ${FILE}")
  endif()
  string(SUBSTRING "${text}" 0 ${at} before)
  string(REGEX MATCHALL "\n" ends "${before}")
  list(LENGTH ends line)
  string(REPLACE "${FIND}" "${REPLACE}" text "${text}")
elseif(DEFINED SWAP_A)
  find_line("${SWAP_A}" a0 a1 line_a)
  find_line("${SWAP_B}" b0 b1 line_b)
  if(NOT b0 GREATER a1)
    message(FATAL_ERROR "SWAP_A must stand before SWAP_B")
  endif()
  math(EXPR a_len "${a1} - ${a0}")
  math(EXPR mid_len "${b0} - ${a1}")
  math(EXPR b_len "${b1} - ${b0}")
  string(SUBSTRING "${text}" 0 ${a0} head)
  string(SUBSTRING "${text}" ${a0} ${a_len} line_text_a)
  string(SUBSTRING "${text}" ${a1} ${mid_len} middle)
  string(SUBSTRING "${text}" ${b0} ${b_len} line_text_b)
  string(SUBSTRING "${text}" ${b1} -1 tail)
  set(text "${head}${line_text_b}${middle}${line_text_a}${tail}")
  set(line ${line_b})
elseif(DEFINED DROP)
  find_line("${DROP}" d0 d1 line)
  math(EXPR d1 "${d1} + 1")
  string(SUBSTRING "${text}" 0 ${d0} head)
  string(SUBSTRING "${text}" ${d1} -1 tail)
  set(text "${head}${tail}")
else()
  message(FATAL_ERROR "no damage given")
endif()

string(SUBSTRING "${text}" 1 -1 text)
file(WRITE "${WORK}/${FILE}" "${text}")

get_filename_component(name "${FILE}" NAME)
string(REPLACE "." "\\." name "${name}")
string(REPLACE "@AT@" "${name}:${line}" EXPECT "${EXPECT}")

execute_process(
  COMMAND "${TOOL}"
          --lists ${WORK}/data/lists/slots-01-06.txt ${WORK}/data/lists/slots-07-14.txt
                  ${WORK}/data/lists/slots-15-36.txt
          --codes ${WORK}/data/codes/positions-001-009.txt ${WORK}/data/codes/positions-010-019.txt
                  ${WORK}/data/codes/positions-020-103.txt
          --pins ${WORK}/tools/pins.txt --counts ${WORK}/tools/counts.txt
          --output ${WORK}/tables_data.cpp
  RESULT_VARIABLE result
  ERROR_VARIABLE errors)

if(result EQUAL 0)
  message(FATAL_ERROR "the data compiler accepted the damaged ${FILE}")
endif()
if(EXISTS "${WORK}/tables_data.cpp")
  message(FATAL_ERROR "the data compiler failed but left its output behind")
endif()
if(NOT errors MATCHES "${EXPECT}")
  message(FATAL_ERROR "expected a message matching\n  ${EXPECT}\ngot\n${errors}")
endif()
message(STATUS "rejected as expected:\n${errors}")
