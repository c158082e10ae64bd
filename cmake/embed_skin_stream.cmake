# Writes the packed skin into the main window's stored description: the "SkinStream" property
# of the source description (an empty stream, a count of 0) is replaced by the count of the
# packed skin as a 32-bit little-endian integer followed by its bytes, laid out as the form
# writer lays out binary data (32 bytes a line).
#   cmake -DDESCRIPTION=form1.txt -DSKIN=varnelta.skin -DOUTPUT=out.txt [-DACTIVE=False]
#         -P embed_skin_stream.cmake
# ACTIVE=False writes the skin component switched off (a variant for timing comparisons).
foreach(var DESCRIPTION SKIN OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not given")
  endif()
endforeach()

file(READ "${DESCRIPTION}" text)
set(placeholder "SkinStream = {\n      00000000}")
string(FIND "${text}" "${placeholder}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${DESCRIPTION} has no empty SkinStream to fill")
endif()

file(SIZE "${SKIN}" size)
file(READ "${SKIN}" bytes HEX)
string(TOUPPER "${bytes}" bytes)
math(EXPR count "${size}" OUTPUT_FORMAT HEXADECIMAL)
string(SUBSTRING "${count}" 2 -1 count)
string(LENGTH "${count}" digits)
while(digits LESS 8)
  string(PREPEND count "0")
  math(EXPR digits "${digits} + 1")
endwhile()
string(TOUPPER "${count}" count)
# Little-endian: the four bytes of the count in reverse order.
string(SUBSTRING "${count}" 6 2 b0)
string(SUBSTRING "${count}" 4 2 b1)
string(SUBSTRING "${count}" 2 2 b2)
string(SUBSTRING "${count}" 0 2 b3)
set(all "${b0}${b1}${b2}${b3}${bytes}")

string(LENGTH "${all}" length)
set(block "SkinStream = {")
set(position 0)
while(position LESS length)
  string(SUBSTRING "${all}" ${position} 64 line)
  string(APPEND block "\n      ${line}")
  math(EXPR position "${position} + 64")
endwhile()
string(APPEND block "}")
string(REPLACE "${placeholder}" "${block}" text "${text}")
if(DEFINED ACTIVE)
  string(REGEX REPLACE "(object SkinData1: TSkinData\n    Active = )[A-Za-z]+" "\\1${ACTIVE}" text "${text}")
endif()
file(WRITE "${OUTPUT}.new" "${text}")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
