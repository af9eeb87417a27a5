# Copies resources/ and the default level packs beside the executable, so the build output is the program folder.
file(GLOB_RECURSE resource_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
file(GLOB pack_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packs/*.zip)
set(copied)
foreach(file ${resource_files})
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${file})
  add_custom_command(OUTPUT ${PROGRAM_FOLDER}/${rel}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${PROGRAM_FOLDER}/${rel}
    DEPENDS ${file} VERBATIM)
  list(APPEND copied ${PROGRAM_FOLDER}/${rel})
endforeach()
foreach(file ${pack_files})
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${PROGRAM_FOLDER}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${PROGRAM_FOLDER}/${name}
    DEPENDS ${file} VERBATIM)
  list(APPEND copied ${PROGRAM_FOLDER}/${name})
endforeach()
add_custom_target(program_folder ALL DEPENDS ${copied})
add_dependencies(puzzle program_folder)
