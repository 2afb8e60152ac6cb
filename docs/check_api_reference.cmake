# Runs Doxygen over the public headers and fails, naming each one, when a
# public declaration has no comment (or a comment Doxygen cannot read).
#   cmake -DDOXYGEN=<doxygen> -DDOXYFILE=<Doxyfile.check> -DWARN_LOG=<log>
#         [-DSOURCE_DIR=<source root>] -P check_api_reference.cmake
if(NOT DOXYGEN OR NOT EXISTS "${DOXYGEN}")
  message("doxygen is not installed: the API reference is not checked (scripts/setup.sh installs it)")
  return()
endif()

get_filename_component(log_dir "${WARN_LOG}" DIRECTORY)
file(REMOVE_RECURSE "${log_dir}")
file(MAKE_DIRECTORY "${log_dir}")

execute_process(COMMAND "${DOXYGEN}" "${DOXYFILE}"
  WORKING_DIRECTORY "${log_dir}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "doxygen failed (${status}):\n${output}")
endif()

file(STRINGS "${WARN_LOG}" warnings)
list(LENGTH warnings count)
if(count GREATER 0)
  # One line per declaration, as Doxygen names it (plain message(): not
  # re-wrapped), then the failure.
  message("The API reference is incomplete; document these public declarations:")
  foreach(line IN LISTS warnings)
    if(SOURCE_DIR)
      string(REPLACE "${SOURCE_DIR}/" "" line "${line}")
    endif()
    message("  ${line}")
  endforeach()
  message(FATAL_ERROR "${count} warning(s) from Doxygen over the public headers")
endif()
message("Every public declaration is documented.")
