# The windows' sources (ui/ and the program's main.cpp) cannot be built for
# Windows here, for want of a Qt for Windows to link. So that their Windows-only
# code cannot rot, a cross build compiles each of them in syntax-only mode: the
# cross compiler defines _WIN32, so Qt's headers take Q_OS_WIN and every
# Windows branch is checked. The build fails at the first source that does not
# compile; a source is checked again when it or a header it includes changes.
#
# The Qt 6 headers are those of this machine's Linux build (Debian's
# qt6-base-dev). Its include folders alone are enough: qconfig.h and the
# feature headers describe a shared x86-64 build, which a Windows build of the
# same version matches for everything these sources use, and moc output is only
# needed to link. Warnings inside the headers (dllimport on friends under
# mingw) are Qt's, hence -isystem. UNICODE and _UNICODE are set as Qt's own
# Windows build sets them for its users, so <windows.h> names resolve as there.
set(ZELT_QT6_HEADERS /usr/include/x86_64-linux-gnu/qt6
    CACHE PATH "Qt 6 headers for the syntax check of the windows' sources")
if(NOT EXISTS ${ZELT_QT6_HEADERS}/QtWidgets/QWidget)
  message(FATAL_ERROR "No Qt 6 headers in ${ZELT_QT6_HEADERS} to check the windows' sources "
                      "(Debian package qt6-base-dev); set ZELT_QT6_HEADERS")
endif()

file(GLOB zelt_gui_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/*.cpp)
list(APPEND zelt_gui_sources ${PROJECT_SOURCE_DIR}/app/main.cpp)

get_directory_property(zelt_warning_options DIRECTORY ${PROJECT_SOURCE_DIR} COMPILE_OPTIONS)
set(zelt_syntax_flags
  ${CMAKE_CXX20_STANDARD_COMPILE_OPTION} -fsyntax-only ${zelt_warning_options}
  -DQT_NO_KEYWORDS -DUNICODE -D_UNICODE
  -I${PROJECT_SOURCE_DIR} -I${PROJECT_BINARY_DIR}/generated -isystem ${ZELT_QT6_HEADERS})
foreach(module IN ITEMS QtCore QtGui QtWidgets QtPrintSupport)
  list(APPEND zelt_syntax_flags -isystem ${ZELT_QT6_HEADERS}/${module})
endforeach()

set(zelt_syntax_stamps)
foreach(source IN LISTS zelt_gui_sources)
  file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${source})
  set(stamp ${PROJECT_BINARY_DIR}/gui_syntax/${name}.checked)
  get_filename_component(stamp_folder ${stamp} DIRECTORY)
  file(MAKE_DIRECTORY ${stamp_folder})
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_CXX_COMPILER} ${zelt_syntax_flags} -MD -MF ${stamp}.d -MT ${stamp} ${source}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${source}
    DEPFILE ${stamp}.d
    COMMENT "Checking ${name} for Windows (syntax only)"
    VERBATIM)
  list(APPEND zelt_syntax_stamps ${stamp})
endforeach()
add_custom_target(zelt_gui_syntax_check ALL DEPENDS ${zelt_syntax_stamps})
