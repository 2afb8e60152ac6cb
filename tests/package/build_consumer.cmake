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
    plot_config_dialog/ui_xy_plot_config_tab.h
    interfaces/plot_screen_info.h interfaces/spreadsheet.h interfaces/base_plot_frame_tab.h
    interfaces/darlen_data_input.h interfaces/ms_interval.h)
  if(NOT EXISTS ${prefix}/include/xy_plot_config/${header})
    message(FATAL_ERROR "not installed: include/xy_plot_config/${header}")
  endif()
endforeach()

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
