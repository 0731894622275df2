# polkamina_gzip(<target> <input> <output>)
# Compresses input into output at build time as Debian does, with no name
# or time stamp in the header, so the same input gives the same bytes.
function(polkamina_gzip target input output)
  add_custom_command(OUTPUT ${output}
                     COMMAND gzip -9 -n -c ${input} > ${output}
                     DEPENDS ${input}
                     COMMENT "Compressing ${output}")
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
