# Source layout rules of the project.
#
# <subsystem>/*.cpp|*.h        -> tavelin_logic (QtCore only)
# <subsystem>/ui/*.cpp|*.h     -> tavelin_widgets
# app/main.cpp                 -> the tavelin executable
#
# The subsystems stand in layers, lowest first; a file includes from its own
# subsystem and from the layers below it, never from above:
#   platform -> ledger -> entry, reference, reports, exchange, printing,
#   yearend, vat, wordproc, calculators, desk, bank, lettering, einvoice -> document -> app, cli
# Subsystems of one layer do not include one another, but for the uses listed
# in TAVELIN_SIBLING_USES: the closing writes the exchange file form, the
# printed listings read the report grids, and the VAT return prints on the
# printing's millimetre page. The system's headers (<unistd.h>, <fcntl.h>,
# <sys/stat.h>...) are included in platform/ only; tests/, fuzz/ and bench/,
# which are no subsystem, use them to set situations up.

set(TAVELIN_LAYER_platform 0)
set(TAVELIN_LAYER_ledger 1)
foreach(_s entry reference reports exchange printing yearend vat wordproc calculators desk bank lettering einvoice)
  set(TAVELIN_LAYER_${_s} 2)
endforeach()
set(TAVELIN_LAYER_document 3)
set(TAVELIN_LAYER_app 4)
set(TAVELIN_LAYER_cli 4)
set(TAVELIN_SIBLING_USES "yearend>exchange" "printing>reports" "vat>printing")

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

# Stops the configuration at the line of `file` that holds `include_line`.
function(_tavelin_refuse file include_line why)
  file(STRINGS ${file} _all)
  set(_number 0)
  foreach(_line IN LISTS _all)
    math(EXPR _number "${_number} + 1")
    if(_line STREQUAL include_line)
      break()
    endif()
  endforeach()
  message(FATAL_ERROR "${file}:${_number}: ${why}: ${include_line}")
endfunction()

# The logic library must never see a widget: refuse to configure when one of
# its files includes a GUI module or a ui/ header.
function(tavelin_check_logic_includes files)
  foreach(f ${files})
    file(STRINGS ${f} _includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${_includes})
      if(line MATCHES "Qt(Gui|Widgets|PrintSupport|Svg)|<Q(Widget|Application|Font|Painter|Printer|Dialog|MessageBox|Pixmap|Color|Icon)|/ui/|\"ui/")
        _tavelin_refuse(${f} "${line}" "a logic file includes a GUI header")
      endif()
    endforeach()
  endforeach()
endfunction()

# The operating system's own headers (POSIX file calls, users, signals): the
# system calls live in platform/ alone, behind its narrow interfaces, so that
# the rules above decide and platform/ only does.
set(TAVELIN_SYSTEM_HEADERS "(fcntl|unistd|dirent|pwd|grp|signal|poll|termios|spawn|sys/[a-z_]+)\\.h")

# Refuses an include of a project header from a layer above the file's own, or
# from a subsystem of its own layer that it may not use, and an include of a
# system header anywhere but in platform/.
function(tavelin_check_layers root)
  set(_subsystems ${ARGN})
  foreach(subsystem ${_subsystems})
    file(GLOB _files ${root}/${subsystem}/*.cpp ${root}/${subsystem}/*.h
                     ${root}/${subsystem}/ui/*.cpp ${root}/${subsystem}/ui/*.h)
    set(_rank ${TAVELIN_LAYER_${subsystem}})
    foreach(f ${_files})
      if(NOT subsystem STREQUAL "platform")
        file(STRINGS ${f} _system REGEX "^[ \t]*#[ \t]*include[ \t]*<${TAVELIN_SYSTEM_HEADERS}>")
        foreach(line ${_system})
          _tavelin_refuse(${f} "${line}" "${subsystem}/ includes a system header, which only platform/ may use")
        endforeach()
      endif()
      file(STRINGS ${f} _includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
      foreach(line ${_includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*$" "\\1" _target "${line}")
        if(_target STREQUAL subsystem OR NOT DEFINED TAVELIN_LAYER_${_target})
          continue()
        endif()
        set(_target_rank ${TAVELIN_LAYER_${_target}})
        if(_target_rank GREATER _rank)
          _tavelin_refuse(${f} "${line}" "${subsystem}/ includes from ${_target}/, a layer above it")
        elseif(_target_rank EQUAL _rank AND NOT "${subsystem}>${_target}" IN_LIST TAVELIN_SIBLING_USES)
          _tavelin_refuse(${f} "${line}" "${subsystem}/ includes from ${_target}/, a subsystem of its own layer")
        endif()
      endforeach()
    endforeach()
  endforeach()
endfunction()
