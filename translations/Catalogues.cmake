# The program's catalogues: one .ts file per language besides Japanese, whose
# texts are the sources' own. A new language is a new file in BRIMAL_TS_FILES.
set(BRIMAL_TS_FILES ${PROJECT_SOURCE_DIR}/translations/brimal_en.ts)

# Every source that holds texts for the player. lupdate reads them all when
# the catalogues are brought up to date (the update_translations target), and
# the completeness test reads the same list.
file(GLOB_RECURSE BRIMAL_TRANSLATED_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
    ${PROJECT_SOURCE_DIR}/components/*.cpp ${PROJECT_SOURCE_DIR}/components/*.h
    ${PROJECT_SOURCE_DIR}/replay/*.cpp ${PROJECT_SOURCE_DIR}/replay/*.h
    ${PROJECT_SOURCE_DIR}/scores/*.cpp ${PROJECT_SOURCE_DIR}/scores/*.h
    ${PROJECT_SOURCE_DIR}/settings/*.cpp ${PROJECT_SOURCE_DIR}/settings/*.h)
list(APPEND BRIMAL_TRANSLATED_SOURCES ${PROJECT_SOURCE_DIR}/resources/StringTable.cpp)
list(SORT BRIMAL_TRANSLATED_SOURCES)
# Line numbers would change the catalogue with every edit of a source; the
# sources' texts are Japanese.
set(BRIMAL_LUPDATE_OPTIONS -locations none -no-obsolete -source-language ja)

# Compiles the catalogues and embeds them in TARGET's resources under :/i18n.
# The cross build uses the build machine's lrelease and lupdate: Qt looks for
# its tools' package under QT_HOST_PATH. Where that package is missing, the
# build machine's lrelease compiles the catalogues by hand.
function(brimal_add_catalogues target)
    if(Qt6LinguistTools_FOUND)
        qt_add_translations(${target} TS_FILES ${BRIMAL_TS_FILES}
            SOURCES ${BRIMAL_TRANSLATED_SOURCES}
            LUPDATE_OPTIONS ${BRIMAL_LUPDATE_OPTIONS}
            RESOURCE_PREFIX /i18n)
        return()
    endif()
    if(NOT CMAKE_CROSSCOMPILING)
        message(FATAL_ERROR "Qt's LinguistTools are missing (Debian qt6-l10n-tools, qt6-tools-dev)")
    endif()
    find_program(BRIMAL_LRELEASE lrelease
        PATHS ${QT_HOST_PATH}/lib/qt6/bin /usr/lib/qt6/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT BRIMAL_LRELEASE)
        message(FATAL_ERROR "The build machine's lrelease is missing (Debian qt6-l10n-tools)")
    endif()
    set(qm_files)
    foreach(ts ${BRIMAL_TS_FILES})
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
        add_custom_command(OUTPUT ${qm} COMMAND ${BRIMAL_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts} COMMENT "Compiling the catalogue ${name}" VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} ${target}_translations PREFIX /i18n
        BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
endfunction()
