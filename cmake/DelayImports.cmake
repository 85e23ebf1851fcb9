# System libraries the program needs only for some commands (the save dialog, Preview,
# the tray, image lists) are bound on their first call instead of at load: each gets an
# import library of the delay-loading kind, made from the list of functions we call in
# cmake/delay/<name>.def. Loading them all at start-up cost the window tens of
# milliseconds and about 3 MB of private memory under Wine.
#
# A call to a function missing from its list fails to link; add the name there.
find_program(SF_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)

function(sf_delay_import name)
  set(def ${CMAKE_SOURCE_DIR}/cmake/delay/${name}.def)
  set(lib ${CMAKE_BINARY_DIR}/delay/lib${name}_delay.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay
    COMMAND ${SF_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
    DEPENDS ${def} VERBATIM)
  add_custom_target(${name}_delay_lib DEPENDS ${lib})
  add_library(${name}_delayed INTERFACE)
  add_dependencies(${name}_delayed ${name}_delay_lib)
  target_link_libraries(${name}_delayed INTERFACE ${lib} delayimp)
endfunction()

foreach(name comctl32 ole32 shell32 shlwapi version)
  sf_delay_import(${name})
endforeach()
