# Installs the build tree into a scratch prefix, then configures, builds and
# runs the consumer project once against that install and once against the
# build tree itself.
file(REMOVE_RECURSE ${XY_WORK_DIR})
set(prefix ${XY_WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${XY_BUILD_DIR} --prefix ${prefix})
foreach(header
    plot_config_dialog/xy_plot_config_dialog.h plot_config_dialog/xy_plot_config_tab.h
    plot_config_dialog/ui_xy_plot_config_tab.h plot_config_dialog/plot_screen_history.h
    interfaces/plot_screen_info.h interfaces/spreadsheet.h interfaces/base_plot_frame_tab.h
    interfaces/darlen_data_input.h interfaces/ms_interval.h
    plot_config_dialog/xy_plot_config_version.h)
  if(NOT EXISTS ${prefix}/include/xy_plot_config/${header})
    message(FATAL_ERROR "not installed: include/xy_plot_config/${header}")
  endif()
endforeach()

# The installed targets name the include folder once.
file(STRINGS ${prefix}/${XY_LIBDIR}/cmake/XYPlotConfig/XYPlotConfigTargets.cmake lines
     REGEX "INTERFACE_INCLUDE_DIRECTORIES")
foreach(line IN LISTS lines)
  string(REGEX MATCHALL "include/xy_plot_config" listed "${line}")
  list(LENGTH listed times)
  if(times GREATER 1)
    message(FATAL_ERROR "include folder listed ${times} times: ${line}")
  endif()
endforeach()

# The demo host's samples are installed where the host looks for them.
if(NOT EXISTS ${prefix}/share/xy_plot_config/samples/engine_run.json)
  message(FATAL_ERROR "not installed: share/xy_plot_config/samples/engine_run.json")
endif()

# A host without CMake: pkg-config gives the flags, the compiler the rest.
set(ENV{PKG_CONFIG_PATH} ${prefix}/${XY_LIBDIR}/pkgconfig)
run(pkg-config --cflags --libs xy_plot_config)
string(STRIP "${last_output}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
file(MAKE_DIRECTORY ${XY_WORK_DIR}/pkgconfig)
run(${XY_CXX} -std=c++17 ${XY_CONSUMER_SOURCE}/main.cpp -o ${XY_WORK_DIR}/pkgconfig/xy_consumer ${flags})
run(${XY_WORK_DIR}/pkgconfig/xy_consumer)
if(NOT last_output MATCHES "consumer ok")
  message(FATAL_ERROR "pkg-config: unexpected output: ${last_output}")
endif()
message(STATUS "pkg-config: ${last_output}")

# The README's host example, built and run as it stands.
file(READ ${XY_README} readme)
string(FIND "${readme}" "## Using it from a host" section)
string(SUBSTRING "${readme}" ${section} -1 readme)
string(FIND "${readme}" "```cpp\n" begin)
if(begin EQUAL -1)
  message(FATAL_ERROR "README: no C++ example in \"Using it from a host\"")
endif()
math(EXPR begin "${begin} + 7")
string(SUBSTRING "${readme}" ${begin} -1 readme)
string(FIND "${readme}" "```" end)
string(SUBSTRING "${readme}" 0 ${end} example)
file(WRITE ${XY_WORK_DIR}/readme/readme_example.cpp "${example}
#include <QApplication>
#include <cstdio>
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Host host;
    host.configure();
    std::printf(\"readme ok\\n\");
    return 0;
}
")
run(${XY_CXX} -std=c++17 ${XY_WORK_DIR}/readme/readme_example.cpp -o ${XY_WORK_DIR}/readme/readme_example ${flags})
run(${XY_WORK_DIR}/readme/readme_example)
if(NOT last_output MATCHES "readme ok")
  message(FATAL_ERROR "README example: unexpected output: ${last_output}")
endif()
message(STATUS "README example: ${last_output}")

foreach(variant install buildtree)
  set(bin ${XY_WORK_DIR}/${variant})
  if(variant STREQUAL "install")
    set(locate -DCMAKE_PREFIX_PATH=${prefix})
  else()
    set(locate -DXYPlotConfig_DIR=${XY_BUILD_DIR})
  endif()
  run(${CMAKE_COMMAND} -S ${XY_CONSUMER_SOURCE} -B ${bin} -DCMAKE_BUILD_TYPE=${XY_BUILD_TYPE} ${locate})
  run(${CMAKE_COMMAND} --build ${bin})
  run(${bin}/xy_consumer)
  if(NOT last_output MATCHES "consumer ok")
    message(FATAL_ERROR "${variant}: unexpected output: ${last_output}")
  endif()
  message(STATUS "${variant}: ${last_output}")
endforeach()
