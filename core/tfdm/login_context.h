#pragma once

#include <QByteArray>
#include <QString>

namespace ledgrix {

// The company row of the general database, kept for printed headers.
struct RegistroCompania {
    QString codigo;
    QString nombre;
    QString nit;
    QString direccion;
    QString telefonos;
    QString encabezado;
    QByteArray logo;
};

// Who is working and where, filled at login and read by every window.
struct LoginContext {
    QString modulo = QStringLiteral("C. X PAGAR");
    QString usuario;
    QString nombre_usuario;
    int agencia = 0;  // 0: the user belongs to no agency
    int duracion_busquedas = 0;  // milliseconds
    QString color_ventana;
    bool es_administrador = false;
    bool busqueda_principal = false;
    QString mensaje_id;
    QString mensaje_autor;
    RegistroCompania compania;
};

}  // namespace ledgrix
