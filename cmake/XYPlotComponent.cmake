# xy_plot_add_library(<target> EXPORT_DEFINE <macro> SOURCES ... [LINK ...])
#
# One shared library of the product: SOVERSION 1, hidden visibility with the
# given export macro defined while it is built, public headers reachable as
# <interfaces/...> and <plot_config_dialog/...> from the build tree and from
# an install, and part of the exported package as XYPlotConfig::<target>.
function(xy_plot_add_library target)
  cmake_parse_arguments(ARG "" "EXPORT_DEFINE" "SOURCES;LINK" ${ARGN})
  add_library(${target} SHARED ${ARG_SOURCES})
  add_library(XYPlotConfig::${target} ALIAS ${target})
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    EXPORT_NAME ${target}
    # Installed libraries find each other next to themselves.
    INSTALL_RPATH "$ORIGIN")
  target_compile_definitions(${target} PRIVATE ${ARG_EXPORT_DEFINE})
  # The install interface names the include folder once; an INCLUDES
  # DESTINATION on install(TARGETS) would list it a second time.
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include>
    $<INSTALL_INTERFACE:${XY_PLOT_INCLUDE_INSTALL_DIR}>)
  target_link_libraries(${target} PUBLIC Qt5::Core Qt5::Gui Qt5::Widgets ${ARG_LINK})
  install(TARGETS ${target} EXPORT XYPlotConfigTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
