# Warnings for the project's own targets (not for Qt's generated code).
function(radio_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Woverloaded-virtual -Wimplicit-fallthrough)
  if(RADIO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
