# Installs the build into a scratch prefix and checks the window's files.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/quorvane-evaluator
             share/applications/quorvane-evaluator.desktop
             share/icons/hicolor/32x32/apps/quorvane-evaluator.png)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/quorvane-evaluator.desktop desktop)
foreach(entry "Type=Application" "Comment=Expression Evaluator"
              "Icon=quorvane-evaluator" "Exec=quorvane-evaluator")
  string(FIND "${desktop}" "\n${entry}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop file lacks the line: ${entry}")
  endif()
endforeach()
