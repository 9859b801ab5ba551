#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace ledgrix {

class Tfdm;

// What the tax authority says of a sent charge or discount, as the search
// windows show it: the state label ("EN ESPERA", "APROBADA" green,
// "RECHAZADA" red, "APROB IMPLICITA" olive) and the e-mails sent of it.
struct EstadoSoporte {
    struct Correo {
        QString correo;  // up to 100 characters
        QString estado;  // up to 30
    };
    bool consultado = false;
    QString texto;
    QColor color;
    QList<Correo> correos;
};

class ConsultaEstado {
  public:
    explicit ConsultaEstado(Tfdm& dm);

    // `tipo` 51 or 52; `id` as the search shows it (empty or "0": nothing to
    // ask); `opcion` the access option of the window asking. A document the
    // authority rejected loses its code, so that it is sent again.
    EstadoSoporte consulte(int tipo, const QString& id, const QString& prefijo,
                           const QString& numero, int opcion);

  private:
    Tfdm& dm_;
};

}  // namespace ledgrix
