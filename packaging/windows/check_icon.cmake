# Fails unless pairfall.ico holds exactly the program icon's PNGs, one frame
# for each size, pixel for pixel (transparency included).
#   cmake -DIDENTIFY=... -DCOMPARE=... -DICON=.../pairfall.ico -DPNG_DIR=art/icons -P check_icon.cmake
set(_sizes 16 32 48 64 128 256)
execute_process(COMMAND "${IDENTIFY}" -format "%w\n" "${ICON}"
                OUTPUT_VARIABLE _widths RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "identify cannot read ${ICON}")
endif()
string(STRIP "${_widths}" _widths)
string(REPLACE "\n" ";" _widths "${_widths}")
if(NOT _widths STREQUAL "${_sizes}")
  message(FATAL_ERROR "${ICON} has frames of widths ${_widths}, not ${_sizes}")
endif()
set(_frame 0)
foreach(_size IN LISTS _sizes)
  execute_process(COMMAND "${COMPARE}" -metric AE "${ICON}[${_frame}]" "${PNG_DIR}/pairfall-${_size}.png" null:
                  ERROR_VARIABLE _differing OUTPUT_QUIET RESULT_VARIABLE _status)
  if(NOT _status EQUAL 0 OR NOT _differing STREQUAL "0")
    message(FATAL_ERROR "frame ${_frame} of ${ICON} is not pairfall-${_size}.png (${_differing} pixels differ); "
                        "make it again with: cmake --build <build folder> --target windows_icon")
  endif()
  math(EXPR _frame "${_frame} + 1")
endforeach()
message(STATUS "${ICON}: ${_sizes} pixels, as the PNGs")
