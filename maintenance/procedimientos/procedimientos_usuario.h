#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// A query the installation added: a selectable procedure of the company
// database registered in PROCEDIMIENTOS_USUARIO.
struct ProcedimientoUsuario {
    static constexpr int kParametros = 5;

    int codigo = 0;
    QString nombre;
    QString sp;
    // Caption of each text parameter; empty when the procedure does not take it.
    std::array<QString, kParametros> parametros;
};

// What "Procedimientos de usuario" works on: the procedures registered for
// the login's module (all of them for the maintenance module), the date
// range and the five parameter boxes, and the rows the chosen procedure
// answers. The rows arrive in packets so that a procedure of many thousand
// rows shows its first screen at once and the window stays alive while
// the rest comes; numeric columns show as amounts and are summed exactly.
class ProcedimientosUsuario : public QObject {
    Q_OBJECT
  public:
    static constexpr int kParametros = ProcedimientoUsuario::kParametros;

    struct Criterios {
        QDate desde;
        QDate hasta;
        std::array<QString, kParametros> textos;
    };

    // Reads the list; the period starts as the current month up to today.
    explicit ProcedimientosUsuario(Tfdm& dm, QObject* parent = nullptr);

    static QString texto_espera();

    const QList<ProcedimientoUsuario>& procedimientos() const { return procedimientos_; }
    // -1 (or out of range): none chosen.
    void escoja(int indice);
    const ProcedimientoUsuario* escogido() const;
    // The chosen procedure's captions; all empty when none is chosen.
    std::array<QString, kParametros> rotulos() const;

    Criterios& criterios() { return criterios_; }
    const Criterios& criterios() const { return criterios_; }

    // The statement that runs the procedure: the dates, then the text of
    // each box whose caption is not empty, in order.
    static QString llamada(const ProcedimientoUsuario& procedimiento, const Criterios& criterios);

    // F5: checks what was typed (the user is told what is missing and
    // nothing changes), shows `espera` the waiting text and runs the
    // procedure, keeping its first packet of rows. A database error goes
    // through the error translation and leaves no rows.
    bool genere(const std::function<void(const QString&)>& espera);
    // The next packet; false once every row arrived, or when the procedure
    // failed on the way (told to the user; no rows are left).
    bool lea_paquete();
    bool completo() const;
    ClientDataset& filas() const { return *CProcedimiento; }

    // Columns that are neither text nor dates: shown as "#,###.00" and summed.
    static bool es_numerica(const Field& campo);
    // Sum of every numeric field (by field index) over the given rows of
    // filas(), or over all of them.
    QHash<int, Currency> sumas(const QList<int>& filas) const;
    QHash<int, Currency> sumas() const;
    // A sum as the footer shows it: the installation's number format, two decimals.
    static QString texto_suma(Currency valor);

  private:
    void lea_procedimientos();
    bool valide() const;
    void como_montos();
    void falle();

    Tfdm& dm_;
    ClientDataset* CProcedimiento;
    QList<ProcedimientoUsuario> procedimientos_;
    int escogido_ = -1;
    Criterios criterios_;
};

}  // namespace ledgrix
