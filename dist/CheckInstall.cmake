# Runs `cmake --install` into a fresh staging folder and fails unless the program, the
# launcher entry, both icons and the AppStream metadata are where desktops look for them.
file(REMOVE_RECURSE ${STAGE})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    ${BINDIR}/kampfgenerator
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
    ${DATADIR}/icons/hicolor/256x256/apps/${APP_ID}.png
    ${MANDIR}/man1/kampfgenerator.1.gz
    ${DATADIR}/doc/${PACKAGE_NAME}/changelog.gz
    ${DATADIR}/doc/${PACKAGE_NAME}/copyright)
foreach(path IN LISTS expected)
    if(NOT EXISTS ${STAGE}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(STRINGS ${STAGE}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml unsubstituted REGEX "@[A-Z_]+@")
if(unsubstituted)
    message(FATAL_ERROR "metainfo still holds placeholders: ${unsubstituted}")
endif()
message(STATUS "installed: ${expected}")
