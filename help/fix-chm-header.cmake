# cmake -DINPUT=<raw.chm> -DOUTPUT=<file.chm> -P fix-chm-header.cmake
#
# chmcmd 3.2.2 writes the ITSF header's second GUID with the same first byte
# as the first one ({7C01FD10-...}). Real CHM files carry
# {7C01FD11-7BAA-11D0-9E0C-00A0C922E6EC} there, and readers such as libmspack
# refuse the file until the byte at offset 0x28 is 0x11. This script checks
# that INPUT is such a header, sets that byte, checks again and moves the
# file to OUTPUT. A header that is already right is moved unchanged.
set(magic "49545346")
set(guid_tail "fd017caa7bd0119e0c00a0c922e6ec")

function(read_header file result)
  file(READ ${file} header OFFSET 0 LIMIT 56 HEX)
  set(${result} ${header} PARENT_SCOPE)
endfunction()

function(check_header header expected_byte)
  string(SUBSTRING "${header}" 0 8 found_magic)
  string(SUBSTRING "${header}" 80 32 second_guid)
  if(NOT found_magic STREQUAL magic OR NOT second_guid STREQUAL "${expected_byte}${guid_tail}")
    message(FATAL_ERROR "${INPUT}: not the CHM header this step expects")
  endif()
endfunction()

if(NOT EXISTS "${INPUT}")
  message(FATAL_ERROR "${INPUT}: chmcmd wrote no file")
endif()
read_header(${INPUT} header)
string(SUBSTRING "${header}" 80 2 first_byte)
if(first_byte STREQUAL "10")
  check_header("${header}" "10")
  execute_process(COMMAND printf "\\021"
                  COMMAND dd of=${INPUT} bs=1 seek=40 count=1 conv=notrunc status=none
                  RESULT_VARIABLE patch_result)
  if(NOT patch_result EQUAL 0)
    message(FATAL_ERROR "${INPUT}: could not patch the header")
  endif()
  read_header(${INPUT} header)
endif()
check_header("${header}" "11")
file(RENAME ${INPUT} ${OUTPUT})
