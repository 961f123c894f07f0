# The include check must fail on the fixture tree, on exactly its bad lines.
cmake_minimum_required(VERSION 3.24)
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_ROOT=${FIXTURE_ROOT} -P ${CHECKER}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result EQUAL 0)
  message(FATAL_ERROR "The check passed a tree with bad includes:\n${out}")
endif()

set(expected
  "src/protocol/core/Mixed.h: #include <QString>"
  "src/protocol/core/Mixed.h: #include \"screens/WifiPage.h\""
  "src/protocol/core/Mixed.h: #include \"hid/device/HidPlatform.h\""
  "src/hid/device/Reader.cpp: #include <QColor>"
  "src/hid/device/Reader.cpp: #include \"app/MainWindow.h\""
  "src/hid/device/Reader.cpp: #include \"hid/DeviceList.h\""
  "src/hid/linux/Platform.cpp: #include <QtWidgets/QMessageBox>"
  "src/sim/Unit.cpp: #include \"text/LanguageMenu.h\""
  "src/ctl/Tool.cpp: #include \"app/TForm1.h\""
  "src/ctl/Tool.cpp: #include <QWidget>"
  "src/screens/Page.cpp: #include \"ctl/Profile.h\""
  "src/profile/Engine.cpp: #include <QWidget>"
  "src/profile/Engine.cpp: #include \"screens/WifiPage.h\""
  "src/profile/Engine.cpp: #include \"sim/VirtualUnit.h\""
  "src/profile/Engine.cpp: #include \"ctl/Session.h\""
  "src/sim/Recorder.cpp: #include \"profile/VerifiedApply.h\"")
set(allowed
  "TextTable.h" "Sibling.h" "<vector>" "<cstdint>" "Clean" "<QObject>" "Commands.h" "hidapi.h"
  "<QThread>" "sim/Unit.h" "hid/device/Reader.h" "FlockInstanceMarkers.h" "ctl/Tool.h"
  "UnitLink.h" "screens/Page.h" "profile/Engine.h" "<QTimer>" "protocol/core/UnitValues.h"
  "sim/Recorder.h")
foreach(line IN LISTS expected)
  string(FIND "${out}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Not reported: ${line}\n${out}")
  endif()
endforeach()
foreach(part IN LISTS allowed)
  string(FIND "${out}" "${part}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "Reported although allowed: ${part}\n${out}")
  endif()
endforeach()
