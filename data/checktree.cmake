# Installs the build into a scratch tree and looks at it as a desktop would: the menu entry must
# start an installed program, its icon must exist in every size, and the metainfo must name the
# menu entry it launches (appstreamcli validate-tree).
# cmake -DBUILD_DIR=... -DTREE=... -DAPP_ID=... -DICON_SIZES=16;32 [-DAPPSTREAMCLI=...] -P checktree.cmake
file(REMOVE_RECURSE ${TREE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${TREE}/usr
                OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${installed}); is the program built?")
endif()

set(share ${TREE}/usr/share)
set(entry ${share}/applications/${APP_ID}.desktop)
if(NOT EXISTS ${entry})
  message(FATAL_ERROR "no menu entry at ${entry}")
endif()
file(STRINGS ${entry} exec_line REGEX "^Exec=")
file(STRINGS ${entry} icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec_line}")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")

set(missing)
if(NOT EXISTS ${TREE}/usr/bin/${program})
  list(APPEND missing "usr/bin/${program}")
endif()
foreach(size IN LISTS ICON_SIZES)
  if(NOT EXISTS ${share}/icons/hicolor/${size}x${size}/apps/${icon}.png)
    list(APPEND missing "icons/hicolor/${size}x${size}/apps/${icon}.png")
  endif()
endforeach()
if(NOT EXISTS ${share}/icons/hicolor/scalable/apps/${icon}.svg)
  list(APPEND missing "icons/hicolor/scalable/apps/${icon}.svg")
endif()
if(missing)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "the menu entry needs files that were not installed:\n  ${missing}")
endif()

if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${TREE} RESULT_VARIABLE valid)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree failed (${valid})")
  endif()
endif()
