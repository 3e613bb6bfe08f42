# Installs the build into a scratch DESTDIR, checks the layout a desktop expects, then runs the
# installed program and the check program copied beside it on the offscreen platform.
# Arguments: BUILD_DIR, SCRATCH, CHECK (the check program), CSV (a source table), ICON_SIZES
# (comma-separated).
file(REMOVE_RECURSE ${SCRATCH})
set(ENV{DESTDIR} ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status})")
endif()
set(root ${SCRATCH}/usr)

set(expected
  bin/kelvo
  share/kelvo/flcurrents.db
  share/applications/kelvo.desktop
  share/metainfo/io.kelvo.Kelvo.metainfo.xml
  share/icons/hicolor/scalable/apps/kelvo.svg)
string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kelvo.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The launcher starts what was installed and shows the icon that was installed.
file(STRINGS ${root}/share/applications/kelvo.desktop exec REGEX "^Exec=")
file(STRINGS ${root}/share/applications/kelvo.desktop icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
if(NOT EXISTS ${root}/bin/${exec})
  message(FATAL_ERROR "the desktop entry runs ${exec}, which is not installed in bin/")
endif()
if(NOT EXISTS ${root}/share/icons/hicolor/scalable/apps/${icon}.svg)
  message(FATAL_ERROR "the desktop entry names the icon ${icon}, which is not installed")
endif()

set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${CMAKE_COMMAND} -E copy ${CHECK} ${root}/bin/)
get_filename_component(check_name ${CHECK} NAME)
execute_process(COMMAND ${root}/bin/${check_name} ${CSV}
                WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the installed tree failed its check (${status})")
endif()

# The program itself: past its three-second splash it must still be running when stopped.
execute_process(COMMAND timeout 5 ${root}/bin/kelvo
                WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE status)
if(NOT status EQUAL 124)
  message(FATAL_ERROR "the installed kelvo ended early (${status})")
endif()
file(REMOVE_RECURSE ${SCRATCH})
