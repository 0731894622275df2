# cmake -DINPUT=<raw.chm> -DOUTPUT=<file.chm> -P fix-chm-header.cmake
#
# Mends the two header fields chmcmd 3.2.2 gets wrong, then moves INPUT to
# OUTPUT. Readers such as libmspack refuse the file, or lose entries, until
# both are right:
# - the ITSF header's second GUID must be {7C01FD11-7BAA-11D0-9E0C-00A0C922E6EC};
#   chmcmd writes {7C01FD10-...} like the first one (the byte at offset 0x28);
# - the directory header's "first listing chunk" must name the first PMGL
#   chunk. chmcmd writes 1 as soon as the directory needs more than one chunk
#   (a few hundred entries), although its listing chunks start at 0, so a
#   reader that walks the listing skips every entry of chunk 0.
# Each field is checked against what chmcmd is known to write, so any other
# file stops the build instead of being "mended" blindly.
set(itsf_magic "49545346")
set(itsp_magic "49545350")
set(pmgl_magic "504d474c")
set(guid_tail "fd017caa7bd0119e0c00a0c922e6ec")

# The `size` bytes at `offset` (an expression) as lower-case hex digits.
function(read_hex offset size result)
  math(EXPR offset "${offset}")
  file(READ ${INPUT} hex OFFSET ${offset} LIMIT ${size} HEX)
  string(LENGTH "${hex}" length)
  math(EXPR wanted "${size} * 2")
  if(NOT length EQUAL wanted)
    message(FATAL_ERROR "${INPUT}: cut off before offset ${offset}")
  endif()
  set(${result} "${hex}" PARENT_SCOPE)
endfunction()

# The little-endian unsigned number of `size` bytes at `offset`.
function(read_number offset size result)
  read_hex("${offset}" ${size} hex)
  set(reversed "")
  math(EXPR last "${size} - 1")
  foreach(i RANGE 0 ${last})
    math(EXPR at "${i} * 2")
    string(SUBSTRING "${hex}" ${at} 2 byte)
    string(PREPEND reversed "${byte}")
  endforeach()
  math(EXPR value "0x${reversed}")
  set(${result} ${value} PARENT_SCOPE)
endfunction()

# Overwrites the bytes at `offset` in place with the values 0..255 that follow.
function(write_bytes offset)
  math(EXPR offset "${offset}")
  set(escaped "")
  foreach(byte IN LISTS ARGN)
    math(EXPR high "${byte} / 64")
    math(EXPR middle "${byte} / 8 % 8")
    math(EXPR low "${byte} % 8")
    string(APPEND escaped "\\${high}${middle}${low}")
  endforeach()
  list(LENGTH ARGN count)
  execute_process(COMMAND printf "${escaped}"
                  COMMAND dd of=${INPUT} bs=1 seek=${offset} count=${count} conv=notrunc status=none
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${INPUT}: could not patch the header")
  endif()
endfunction()

function(fail why)
  message(FATAL_ERROR "${INPUT}: not the CHM file this step expects (${why})")
endfunction()

function(mend_second_guid)
  read_hex(0 4 magic)
  if(NOT magic STREQUAL itsf_magic)
    fail("no ITSF header")
  endif()
  read_hex(0x28 16 guid)
  if(guid STREQUAL "10${guid_tail}")
    write_bytes(0x28 17) # 0x11
  elseif(NOT guid STREQUAL "11${guid_tail}")
    fail("second GUID")
  endif()
endfunction()

# The listing chunks form a chain through their "previous" and "next" fields;
# the first one is the chunk whose "previous" is -1.
function(mend_first_listing_chunk)
  read_number(0x48 8 directory)
  read_hex(${directory} 4 magic)
  if(NOT magic STREQUAL itsp_magic)
    fail("no ITSP header")
  endif()
  read_number("${directory} + 0x08" 4 header_length)
  read_number("${directory} + 0x10" 4 chunk_size)
  read_number("${directory} + 0x20" 4 first)
  read_number("${directory} + 0x24" 4 last)
  read_number("${directory} + 0x2c" 4 chunks)
  if(chunks EQUAL 0 OR chunk_size LESS 20)
    fail("directory layout")
  endif()
  math(EXPR chunks_start "${directory} + ${header_length}")
  math(EXPR last_chunk "${chunks} - 1")
  set(real_first "")
  foreach(chunk RANGE 0 ${last_chunk})
    math(EXPR at "${chunks_start} + ${chunk} * ${chunk_size}")
    read_hex(${at} 4 chunk_magic)
    if(chunk_magic STREQUAL pmgl_magic)
      read_number("${at} + 0x0c" 4 previous)
      if(previous EQUAL 4294967295)
        if(NOT real_first STREQUAL "")
          fail("two first listing chunks")
        endif()
        set(real_first ${chunk})
      endif()
    endif()
  endforeach()
  if(real_first STREQUAL "" OR real_first GREATER last)
    fail("listing chunks")
  endif()
  if(NOT first EQUAL real_first)
    math(EXPR field "${directory} + 0x20")
    math(EXPR b0 "${real_first} % 256")
    math(EXPR b1 "${real_first} / 256 % 256")
    write_bytes(${field} ${b0} ${b1} 0 0)
  endif()
endfunction()

if(NOT EXISTS "${INPUT}")
  message(FATAL_ERROR "${INPUT}: chmcmd wrote no file")
endif()
mend_second_guid()
mend_first_listing_chunk()
file(RENAME ${INPUT} ${OUTPUT})
