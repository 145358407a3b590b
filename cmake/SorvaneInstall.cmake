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

# The desktop: a menu entry, the icon in the hicolor theme and the software
# centre's description.
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/org.sorvane.Sorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/org.sorvane.Sorvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/org.sorvane.Sorvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/CREDITS.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/sorvane)
