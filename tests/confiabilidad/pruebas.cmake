# Reliability: many stations on one server, stations killed while saving,
# hostile input in every entry. These tests run the workstation program
# (bench/estacion) as processes of their own, and besides their kind they all
# carry the label "confiabilidad", so that `ctest -L confiabilidad` runs them.
ledgrix_tests(confiabilidad ledgrix_payables ledgrix_accounting ledgrix_output)
foreach(kind unit db server)
  set(exe confiabilidad_${kind}_tests)
  if(TARGET ${exe})
    target_compile_definitions(${exe} PRIVATE LEDGRIX_ESTACION="$<TARGET_FILE:ledgrix-estacion>")
    add_dependencies(${exe} ledgrix-estacion)
    # The discovered tests are known only when ctest runs: a file it reads
    # after the discovery's own adds the second label to each of them.
    set(etiquetas "${CMAKE_CURRENT_BINARY_DIR}/${exe}_etiquetas.cmake")
    file(WRITE ${etiquetas}
      "if(${exe}_TESTS)\n"
      "  set_tests_properties(\${${exe}_TESTS} PROPERTIES LABELS \"${kind};confiabilidad\")\n"
      "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${etiquetas})
  endif()
endforeach()
