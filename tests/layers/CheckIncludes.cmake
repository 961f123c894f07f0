# Fails when a layer includes a header from above it.
#   cmake -DSOURCE_ROOT=<folder holding src/> [-DQT_GUI_HEADER_DIRS=<dir;dir>] -P CheckIncludes.cmake
# core/ folders: standard headers and other core/ headers only.
# hid/device, hid/linux, sim, markers, profile, ctl: no Qt Gui or Widgets header, no window header.
# Only ctl includes ctl/.
# profile: only core/, hid/device/ and profile/ headers of the tree; nothing below it includes profile/.
cmake_minimum_required(VERSION 3.24)
if(NOT SOURCE_ROOT)
  message(FATAL_ERROR "SOURCE_ROOT is not set")
endif()

set(standard_headers
  algorithm any array atomic barrier bit bitset cassert ccomplex cctype cerrno cfenv cfloat charconv
  chrono cinttypes climits clocale cmath codecvt compare complex concepts condition_variable coroutine
  csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype deque
  exception execution expected filesystem format forward_list fstream functional future
  initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map memory
  memory_resource mutex new numbers numeric optional ostream queue random ranges ratio regex
  scoped_allocator semaphore set shared_mutex source_location span sstream stack stdexcept
  stop_token streambuf string string_view syncstream system_error thread tuple type_traits typeindex
  typeinfo unordered_map unordered_set utility valarray variant vector version)

# Qt Gui and Widgets class headers, for when the include folders are not given.
set(gui_classes QAction QApplication QBrush QClipboard QColor QCursor QFont QFontMetrics
  QGuiApplication QIcon QImage QKeyEvent QLabel QMouseEvent QPaintEvent QPainter QPalette QPixmap
  QScreen QWidget QWindow)

set(violations "")
macro(violation file line why)
  file(RELATIVE_PATH shown ${SOURCE_ROOT} ${file})
  string(APPEND violations "${shown}: ${line}  (${why})\n")
endmacro()

function(includes_of file out)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

function(is_gui_header name out)
  set(result FALSE)
  if(name MATCHES "^Qt(Gui|Widgets|OpenGL|OpenGLWidgets|Svg|SvgWidgets|PrintSupport)/")
    set(result TRUE)
  elseif(name MATCHES "^Q[A-Za-z]+$")
    if(name IN_LIST gui_classes)
      set(result TRUE)
    endif()
    foreach(dir IN LISTS QT_GUI_HEADER_DIRS)
      if(EXISTS ${dir}/${name})
        set(result TRUE)
      endif()
    endforeach()
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE core_files ${SOURCE_ROOT}/src/*/core/*.h ${SOURCE_ROOT}/src/*/core/*.cpp)
foreach(file IN LISTS core_files)
  get_filename_component(folder ${file} DIRECTORY)
  includes_of(${file} lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "<([^>]+)>")
      if(NOT CMAKE_MATCH_1 IN_LIST standard_headers)
        violation(${file} "${line}" "core includes a header outside the standard library")
      endif()
    elseif(line MATCHES "\"([^\"]+)\"")
      set(name ${CMAKE_MATCH_1})
      if(NOT name MATCHES "^[A-Za-z]+/core/[^/]+$" AND NOT (name MATCHES "^[^/]+$" AND EXISTS ${folder}/${name}))
        violation(${file} "${line}" "core includes a header outside core/")
      endif()
    endif()
  endforeach()
endforeach()

file(GLOB_RECURSE lower_files
  ${SOURCE_ROOT}/src/hid/device/*.h ${SOURCE_ROOT}/src/hid/device/*.cpp
  ${SOURCE_ROOT}/src/hid/linux/*.h ${SOURCE_ROOT}/src/hid/linux/*.cpp
  ${SOURCE_ROOT}/src/sim/*.h ${SOURCE_ROOT}/src/sim/*.cpp
  ${SOURCE_ROOT}/src/markers/*.h ${SOURCE_ROOT}/src/markers/*.cpp
  ${SOURCE_ROOT}/src/profile/*.h ${SOURCE_ROOT}/src/profile/*.cpp
  ${SOURCE_ROOT}/src/ctl/*.h ${SOURCE_ROOT}/src/ctl/*.cpp)
foreach(file IN LISTS lower_files)
  includes_of(${file} lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "<([^>]+)>")
      is_gui_header(${CMAKE_MATCH_1} gui)
      if(gui)
        violation(${file} "${line}" "a window-free layer includes a Qt Gui or Widgets header")
      endif()
    elseif(line MATCHES "\"([^\"]+)\"")
      set(name ${CMAKE_MATCH_1})
      if(name MATCHES "^(app|screens|text|protocol)/" AND NOT name MATCHES "^[a-z]+/core/")
        violation(${file} "${line}" "a window-free layer includes a window header")
      elseif(name MATCHES "^hid/[^/]+$")
        violation(${file} "${line}" "a window-free layer includes a window header")
      elseif(file MATCHES "/src/profile/" AND NOT name MATCHES "^(profile|hid/device|[a-z]+/core)/")
        violation(${file} "${line}" "the profile library includes a header outside core, device and profile")
      elseif(file MATCHES "/src/(hid/device|hid/linux|sim)/" AND name MATCHES "^profile/")
        violation(${file} "${line}" "a layer below the profile library includes it")
      endif()
    endif()
  endforeach()
endforeach()

file(GLOB_RECURSE all_files ${SOURCE_ROOT}/src/*.h ${SOURCE_ROOT}/src/*.cpp)
list(FILTER all_files EXCLUDE REGEX "/src/ctl/")
foreach(file IN LISTS all_files)
  includes_of(${file} lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "\"ctl/")
      violation(${file} "${line}" "only the command-line companion includes its own headers")
    endif()
  endforeach()
endforeach()

list(LENGTH core_files core_count)
list(LENGTH lower_files lower_count)
if(core_count EQUAL 0 OR lower_count EQUAL 0)
  message(FATAL_ERROR "No files to check under ${SOURCE_ROOT}/src")
endif()
if(violations)
  # NOTICE keeps one violation a line, unwrapped.
  message(NOTICE "${violations}")
  message(FATAL_ERROR "Includes across layers, listed above")
endif()
message(STATUS "Includes follow the layers: ${core_count} core files, ${lower_count} window-free files")
