# One place for the warning set, applied to every target of the project.
function(morven_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
