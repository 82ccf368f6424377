# Source layout rules of the project.
#
# <subsystem>/*.cpp|*.h        -> tavelin_logic (QtCore only)
# <subsystem>/ui/*.cpp|*.h     -> tavelin_widgets
# app/main.cpp                 -> the tavelin executable

function(tavelin_collect_sources logic_sources logic_headers ui_sources)
  set(_logic "")
  set(_headers "")
  set(_ui "")
  foreach(dir ${TAVELIN_SUBSYSTEMS})
    file(GLOB _l CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    file(GLOB _h CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    file(GLOB _u CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/ui/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/ui/*.h)
    list(FILTER _l EXCLUDE REGEX "/app/main\\.cpp$")
    list(APPEND _logic ${_l})
    list(APPEND _headers ${_h})
    list(APPEND _ui ${_u})
  endforeach()
  set(${logic_sources} ${_logic} PARENT_SCOPE)
  set(${logic_headers} ${_headers} PARENT_SCOPE)
  set(${ui_sources} ${_ui} PARENT_SCOPE)
endfunction()

# The logic library must never see a widget: refuse to configure when one of
# its files includes a GUI module or a ui/ header.
function(tavelin_check_logic_includes files)
  foreach(f ${files})
    file(STRINGS ${f} _includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${_includes})
      if(line MATCHES "Qt(Gui|Widgets|PrintSupport|Svg)|<Q(Widget|Application|Font|Painter|Printer|Dialog|MessageBox|Pixmap|Color|Icon)|/ui/|\"ui/")
        message(FATAL_ERROR "Logic file ${f} includes a GUI header: ${line}")
      endif()
    endforeach()
  endforeach()
endfunction()
