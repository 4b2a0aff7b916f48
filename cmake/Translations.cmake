# The translation tables, one Qt .ts file per language in Qel/Resources/translations. lupdate
# reads every text the code looks up: the first argument of L, qtL and withNumber, and literals
# marked with Lkey. The .ts files are refreshed with
#   cmake --build <build folder> --target update_translations
# and compiled to .qm files at every build, which the core embeds (QEL_QM_FILES).
set(QEL_TRANSLATIONS zh_Hans zh_Hant ja ko es fr de pt_BR ru)
set(QEL_TS_FOLDER ${CMAKE_CURRENT_SOURCE_DIR}/Qel/Resources/translations)
set(QEL_LUPDATE_OPTIONS
  -tr-function-alias "tr+=L,tr+=qtL,tr+=withNumber,QT_TR_NOOP+=Lkey"
  -no-obsolete -locations absolute -silent)

file(GLOB_RECURSE QEL_TEXT_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/Qel/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Qel/*.hpp)
set(QEL_TS_FILES "")
foreach(language IN LISTS QEL_TRANSLATIONS)
  list(APPEND QEL_TS_FILES ${QEL_TS_FOLDER}/qel_${language}.ts)
endforeach()

qt_add_lupdate(QelCore TS_FILES ${QEL_TS_FILES} SOURCES ${QEL_TEXT_SOURCES}
  INCLUDE_DIRECTORIES ${CMAKE_CURRENT_SOURCE_DIR} OPTIONS ${QEL_LUPDATE_OPTIONS})
set_source_files_properties(${QEL_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/translations)
qt_add_lrelease(QelCore TS_FILES ${QEL_TS_FILES} OPTIONS -silent QM_FILES_OUTPUT_VARIABLE QEL_QM_FILES)
