# Copies PROGRAM into WORK/bin and the PLANTED library into WORK/bin and WORK/lib, starts the
# program from WORK/bin and fails if the planted library wrote its marker. First, as a
# control, the same program is pointed at the planted library through LD_LIBRARY_PATH:
# there it must be loaded and the program must still run, or the check below proves nothing.
get_filename_component(planted_name "${PLANTED}" NAME)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/bin" "${WORK}/lib")
file(COPY "${PROGRAM}" DESTINATION "${WORK}/bin")
file(COPY "${PLANTED}" DESTINATION "${WORK}/bin")
file(COPY "${PLANTED}" DESTINATION "${WORK}/lib")
get_filename_component(program_name "${PROGRAM}" NAME)
set(marker "${WORK}/marker")

# The program runs until it is stopped: still running after a few seconds means it started.
function(start_program label)
    file(REMOVE "${marker}")
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${ARGN} QT_QPA_PLATFORM=offscreen
            TORVENN_PLANTED_MARKER=${marker} ./${program_name}
        WORKING_DIRECTORY "${WORK}/bin"
        TIMEOUT 5
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result MATCHES "timeout")
        message(FATAL_ERROR "${label}: the program did not keep running (${result}): ${errors}")
    endif()
endfunction()

start_program("with LD_LIBRARY_PATH" LD_LIBRARY_PATH=${WORK}/lib)
if(NOT EXISTS "${marker}")
    message(FATAL_ERROR "control: ${planted_name} was not loaded even through LD_LIBRARY_PATH")
endif()

start_program("beside the planted library" --unset=LD_LIBRARY_PATH)
if(EXISTS "${marker}")
    message(FATAL_ERROR "${program_name} loaded ${planted_name} from its own or the current folder")
endif()
message(STATUS "${program_name} ignored the planted ${planted_name}")
