# Installs the build into a scratch DESTDIR under /usr and checks what a
# desktop needs: both programs, the desktop entry (desktop-file-validate),
# the icons, the manual page and the help; then runs the installed programs.
# Called with -DBINARY_DIR=<build> -DSTAGE=<scratch directory>.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${err}")
endif()

set(root ${STAGE}/usr)
foreach(f bin/ribcraft bin/ribcraft-batch share/applications/ribcraft.desktop
          share/icons/hicolor/scalable/apps/ribcraft.svg share/icons/hicolor/16x16/apps/ribcraft.png
          share/icons/hicolor/48x48/apps/ribcraft.png share/icons/hicolor/256x256/apps/ribcraft.png
          share/man/man1/ribcraft-batch.1 share/doc/ribcraft/help/contents.html share/doc/ribcraft/README.md)
  if(NOT EXISTS ${root}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
# Nothing may land outside the prefix.
file(GLOB outside LIST_DIRECTORIES true ${STAGE}/*)
if(NOT outside STREQUAL "${STAGE}/usr")
  message(FATAL_ERROR "installed outside the prefix: ${outside}")
endif()
# A PNG starts with its signature; the 48 pixel icon is 48 pixels wide (bytes 16..23 of the header).
file(READ ${root}/share/icons/hicolor/48x48/apps/ribcraft.png header LIMIT 24 HEX)
if(NOT header MATCHES "^89504e470d0a1a0a.*0000003000000030$")
  message(FATAL_ERROR "48x48 icon is not a 48 x 48 PNG: ${header}")
endif()

find_program(VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND ${VALIDATE} ${root}/share/applications/ribcraft.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${root}/bin/ribcraft --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "ribcraft 1\\.0")
  message(FATAL_ERROR "ribcraft --version: ${rc} ${out} ${err}")
endif()
execute_process(COMMAND ${root}/bin/ribcraft-batch --help RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "usage: ribcraft-batch" OR NOT out MATCHES "naca DIGITS")
  message(FATAL_ERROR "ribcraft-batch --help: ${rc} ${out}")
endif()
# The installed batch tool finds its picture plugin in the library folder and paints with it.
file(GLOB_RECURSE plugin ${root}/lib*/ribcraft-batch-pictures.so)
if(NOT plugin)
  message(FATAL_ERROR "not installed: the batch tool's picture plugin")
endif()
file(WRITE ${STAGE}/pictures.txt "naca 2412\nview cp\npng ${STAGE}/cp.png 64 48\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${root}/bin/ribcraft-batch ${STAGE}/pictures.txt
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${STAGE}/cp.png)
  message(FATAL_ERROR "installed ribcraft-batch cannot draw a picture: ${rc} ${out} ${err}")
endif()
file(READ ${STAGE}/cp.png header LIMIT 24 HEX)
if(NOT header MATCHES "^89504e470d0a1a0a.*0000004000000030$")
  message(FATAL_ERROR "installed ribcraft-batch wrote no 64 x 48 PNG: ${header}")
endif()
file(REMOVE_RECURSE ${STAGE})
message(STATUS "install into DESTDIR checked")
