#pragma once

#include <gtest/gtest.h>

#include "tests/support/testdb.h"
#include "tools/admin/dbsetup/scripts.h"

namespace ledgrix::test {

// PRUEBA_ECO answers one row with the arguments it received; PRUEBA_FILAS
// answers N rows (and fails at row FALLA when given) with an integer, an
// amount that a sum through doubles would not keep to the cent, a text and
// a date.
inline const char* const kProcedimientosPrueba = R"(
CREATE EXCEPTION E_PRUEBA_FILAS 'El procedimiento se detuvo a mitad de camino.';
SET TERM ^ ;
CREATE PROCEDURE PRUEBA_ECO (DESDE DATE, HASTA DATE, P1 VARCHAR(60), P2 VARCHAR(60))
RETURNS (RECIBIDO VARCHAR(200))
AS
BEGIN
    RECIBIDO = DESDE || '|' || HASTA || '|' || P1 || '|' || P2;
    SUSPEND;
END^
CREATE PROCEDURE PRUEBA_FILAS (DESDE DATE, HASTA DATE, N VARCHAR(10), FALLA VARCHAR(10))
RETURNS (FILA INTEGER, VALOR NUMERIC(15,2), NOMBRE VARCHAR(20), FECHA DATE)
AS
BEGIN
    FILA = 1;
    WHILE (FILA <= CAST(N AS INTEGER)) DO
    BEGIN
        IF (FILA = CAST(FALLA AS INTEGER)) THEN
            EXCEPTION E_PRUEBA_FILAS;
        VALOR = IIF(MOD(FILA, 2) = 0, 9999999999.99, 0.01);
        NOMBRE = 'Fila ' || FILA;
        FECHA = DESDE;
        SUSPEND;
        FILA = FILA + 1;
    END
END^
SET TERM ; ^
GRANT EXECUTE ON PROCEDURE PRUEBA_ECO TO PUBLIC;
GRANT EXECUTE ON PROCEDURE PRUEBA_FILAS TO PUBLIC;
GRANT USAGE ON EXCEPTION E_PRUEBA_FILAS TO PUBLIC;
INSERT INTO PROCEDIMIENTOS_USUARIO (PRUS_NOMBRE, PRUS_SP, PRUS_PARAM1, PRUS_PARAM3, PRUS_MODULO)
VALUES ('Eco', 'PRUEBA_ECO', 'Primero', 'Tercero', 'C. X PAGAR');
INSERT INTO PROCEDIMIENTOS_USUARIO (PRUS_NOMBRE, PRUS_SP, PRUS_PARAM1, PRUS_PARAM2, PRUS_MODULO)
VALUES ('Filas', 'PRUEBA_FILAS', 'Cuántas', 'Falla en', 'C. X PAGAR');
INSERT INTO PROCEDIMIENTOS_USUARIO (PRUS_NOMBRE, PRUS_SP, PRUS_PARAM1, PRUS_MODULO)
VALUES ('Inexistente', 'NO_EXISTE', 'Algo', 'C. X PAGAR');
INSERT INTO PROCEDIMIENTOS_USUARIO (PRUS_NOMBRE, PRUS_SP, PRUS_PARAM1, PRUS_MODULO)
VALUES ('Existencias', 'INV_EXISTENCIAS', 'Bodega', 'INVENTARIOS');
COMMIT;
)";

// Creates and registers them. The engine is embedded: call it before the
// test's module attaches to the database.
inline void instale_procedimientos_prueba(const TestInstallation& inst) {
    const auto r =
        dbsetup::scripts::runText(inst.companyDatabase(), QString::fromUtf8(kProcedimientosPrueba));
    ASSERT_TRUE(r.ok) << r.message.toStdString();
}

}  // namespace ledgrix::test
