# cmake --install: the game's programs into bin, the data they read into
# share/sorvane. The programs are the executables the build puts into game/,
# so a new one is installed as soon as it is built there.
include(GNUInstallDirs)

function(sorvane_programs_in dir out)
  set(programs "")
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(output ${target} RUNTIME_OUTPUT_DIRECTORY)
    if(type STREQUAL "EXECUTABLE" AND output STREQUAL SORVANE_GAME_DIR)
      list(APPEND programs ${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    sorvane_programs_in(${subdir} more)
    list(APPEND programs ${more})
  endforeach()
  set(${out} ${programs} PARENT_SCOPE)
endfunction()

sorvane_programs_in(${PROJECT_SOURCE_DIR} SORVANE_PROGRAMS)
if(SORVANE_PROGRAMS)
  install(TARGETS ${SORVANE_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The archives, music and sound effects the build generates, and the lab's
# demo script; the programs themselves stay out of share.
install(DIRECTORY ${SORVANE_GAME_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sorvane
        FILES_MATCHING PATTERN "*.qda" PATTERN "*.ogg" PATTERN "*.wav" PATTERN "*.lab")
