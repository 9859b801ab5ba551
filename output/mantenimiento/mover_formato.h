#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace ledgrix {

class Tfdm;

// Shifts or scales the stored elements of one format through the database
// procedure MOVER_FORMATO.
class MoverFormato {
  public:
    struct Accion {
        QString titulo;
        QChar letra;
    };
    // The eight actions in the dialog's order.
    static const QList<Accion>& acciones();
    // Only moving takes the number of positions and the band.
    static bool usa_numeros(QChar accion);

    MoverFormato(Tfdm& dm, int tipo, const QString& prefijo);

    // Empty fields mean 0 positions and the whole page (0 to 2000). A field
    // that is not a whole number is refused with a message.
    bool ejecute(QChar accion, const QString& posiciones, const QString& desde,
                 const QString& hasta);

  private:
    bool numero(const QString& texto, int defecto, const QString& campo, int& valor) const;

    Tfdm& dm_;
    int tipo_;
    QString prefijo_;
};

}  // namespace ledgrix
