# The translation tables, one Qt .ts file per language in Qel/Resources/translations (English's
# holds only the singular forms of counted texts). lupdate reads every text the code looks up:
# the first argument of L, qtL and withNumber, counted texts of Ln, and literals marked with
# Lkey. The .ts files are refreshed with
#   cmake --build <build folder> --target update_translations
# and compiled to .qm files at every build, which the core embeds (QEL_QM_FILES).
set(QEL_TRANSLATIONS zh_Hans zh_Hant ja ko es fr de pt_BR ru)
set(QEL_TS_FOLDER ${CMAKE_CURRENT_SOURCE_DIR}/Qel/Resources/translations)
set(QEL_LUPDATE_OPTIONS
  -tr-function-alias "tr+=L,tr+=qtL,tr+=withNumber,QT_TR_NOOP+=Lkey,QT_TR_N_NOOP+=Ln"
  -no-obsolete -locations absolute -silent)

file(GLOB_RECURSE QEL_TEXT_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/Qel/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Qel/*.hpp)
set(QEL_TS_FILES "")
foreach(language IN LISTS QEL_TRANSLATIONS)
  list(APPEND QEL_TS_FILES ${QEL_TS_FOLDER}/qel_${language}.ts)
endforeach()

# lupdate's targets are named after the tables they refresh; the sources and include folder
# are given, so no such build target exists.
qt_add_lupdate(qel_translations TS_FILES ${QEL_TS_FILES} SOURCES ${QEL_TEXT_SOURCES}
  INCLUDE_DIRECTORIES ${CMAKE_CURRENT_SOURCE_DIR} OPTIONS ${QEL_LUPDATE_OPTIONS})
qt_add_lupdate(qel_english_plurals TS_FILES ${QEL_TS_FOLDER}/qel_en.ts SOURCES ${QEL_TEXT_SOURCES}
  INCLUDE_DIRECTORIES ${CMAKE_CURRENT_SOURCE_DIR} OPTIONS ${QEL_LUPDATE_OPTIONS} -pluralonly)
list(APPEND QEL_TS_FILES ${QEL_TS_FOLDER}/qel_en.ts)
set_source_files_properties(${QEL_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/translations)
qt_add_lrelease(QelCore TS_FILES ${QEL_TS_FILES} OPTIONS -silent QM_FILES_OUTPUT_VARIABLE QEL_QM_FILES)
