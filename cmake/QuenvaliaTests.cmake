# quenvalia_add_test(NAME <name> SOURCES <files...> LIBS <libs...> LABELS unit|db|gui [TIMEOUT s])
# Tests labelled db run inside the throwaway MariaDB server fixture; gui tests run offscreen.
function(quenvalia_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test quenvalia_options)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(env "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8"
          "QUENVALIA_TEST_SERVIDOR_DIR=${CMAKE_BINARY_DIR}/servidor-pruebas"
          "QUENVALIA_ESQUEMA_DIR=${PROJECT_SOURCE_DIR}/schema")
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT}
                       ENVIRONMENT "${env}")
  if("db" IN_LIST T_LABELS)
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED servidor_mariadb)
  endif()
endfunction()

add_test(NAME servidor_mariadb_arrancar
         COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/servidor-pruebas.sh start ${CMAKE_BINARY_DIR}/servidor-pruebas)
add_test(NAME servidor_mariadb_parar
         COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/servidor-pruebas.sh stop ${CMAKE_BINARY_DIR}/servidor-pruebas)
set_tests_properties(servidor_mariadb_arrancar PROPERTIES FIXTURES_SETUP servidor_mariadb TIMEOUT 180 LABELS db)
set_tests_properties(servidor_mariadb_parar PROPERTIES FIXTURES_CLEANUP servidor_mariadb TIMEOUT 60 LABELS db)
