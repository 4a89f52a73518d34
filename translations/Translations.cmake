# The program's translations: one Qt Linguist file per language beside this
# file (avelor_<code>.ts), compiled by lrelease at build time and built into
# the core library's resources under :/i18n, with Qt's own translations of
# the standard buttons next to them. The host's Qt tools do the work, also
# when building for Windows.
set(_tools_hints /usr/lib/qt6/bin /usr/lib/qt6/libexec)
if(QT_HOST_PATH)
    list(PREPEND _tools_hints ${QT_HOST_PATH}/bin ${QT_HOST_PATH}/libexec)
endif()
find_program(AVELOR_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${_tools_hints} NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(AVELOR_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${_tools_hints} NO_CMAKE_FIND_ROOT_PATH)
find_path(AVELOR_QT_TRANSLATIONS qtbase_de.qm HINTS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)

file(GLOB AVELOR_TS_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/avelor_*.ts)

function(avelor_add_translations target)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
    file(MAKE_DIRECTORY ${dir})
    set(qm_files)
    foreach(ts ${AVELOR_TS_FILES})
        get_filename_component(name ${ts} NAME_WE)
        add_custom_command(OUTPUT ${dir}/${name}.qm
                           COMMAND ${AVELOR_LRELEASE} -silent ${ts} -qm ${dir}/${name}.qm
                           DEPENDS ${ts} VERBATIM)
        list(APPEND qm_files ${dir}/${name}.qm)
    endforeach()
    # Qt's own texts (standard buttons, the print dialog) for German and every
    # translated language; Portuguese has Brazil's only.
    set(languages de)
    foreach(ts ${AVELOR_TS_FILES})
        get_filename_component(name ${ts} NAME_WE)
        string(REPLACE "avelor_" "" code ${name})
        list(APPEND languages ${code})
    endforeach()
    foreach(code ${languages})
        set(source ${AVELOR_QT_TRANSLATIONS}/qtbase_${code}.qm)
        if(NOT EXISTS ${source} AND code STREQUAL "pt")
            set(source ${AVELOR_QT_TRANSLATIONS}/qtbase_pt_BR.qm)
        endif()
        if(EXISTS ${source})
            configure_file(${source} ${dir}/qtbase_${code}.qm COPYONLY)
            list(APPEND qm_files ${dir}/qtbase_${code}.qm)
        endif()
    endforeach()
    qt_add_resources(${target} translations PREFIX /i18n BASE ${dir} FILES ${qm_files})
endfunction()

# Brings every .ts file up to date with the sources; texts gone from the
# code are dropped, so a file never keeps vanished entries.
if(AVELOR_LUPDATE AND AVELOR_TS_FILES)
    add_custom_target(translations-update
                      COMMAND ${AVELOR_LUPDATE} -silent -locations none -no-obsolete
                              ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tools -ts ${AVELOR_TS_FILES}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endif()
