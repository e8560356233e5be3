# vcd_driver_beside(target): winmm finds the virtual drive's driver beside the
# program that opens the device, so a test program in this folder gets a copy,
# renewed whenever the driver is rebuilt.
function(vcd_driver_beside target)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/filetools_vcd.dll)
  add_custom_command(OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:filetools_vcd> ${copy}
    DEPENDS filetools_vcd $<TARGET_FILE:filetools_vcd>)
  add_custom_target(${target}_driver DEPENDS ${copy})
  add_dependencies(${target} ${target}_driver)
endfunction()
