# Qt's headers are most of the compile time of every window, chart and report file; a target
# that includes them compiles them once, as a precompiled header. WIDGETS adds the widget and
# chart headers, for targets that link Qt Widgets and Qt Charts.
function(tarnek_precompile_qt target)
  set(headers <QtCore/QString> <QtGui/QImage> <string> <vector>)
  if("WIDGETS" IN_LIST ARGN)
    list(APPEND headers <QtWidgets/QWidget> <QtCharts/QChartView>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
