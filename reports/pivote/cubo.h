#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/money/currency.h"

namespace ledgrix {

// One document of the period as the movement analysis reads it.
struct MovimientoAnalisis {
    QDate fecha;
    QString prefijo, numero;
    QString tercero, nombre_tercero;
    QString municipio, nombre_municipio;
    QString grupo, nombre_grupo;
    int tipodoc = 0;
    QString nombre_tipo;
    qint64 id = 0;  // the document's row in its own table; 0 when unknown
    Currency monto, saldo, retencion;
};

enum class Dimension { TipoDocumento, Proveedor, Grupo, Ciudad, Mes, Fecha };
enum class Medida { Monto, Saldo, Retenciones, Cantidad };

// Every dimension and measure, in the order the user is offered them.
const QList<Dimension>& dimensiones();
const QList<Medida>& medidas();
// Names the user sees and templates store ("Tipo documento", "Monto").
QString nombre(Dimension d);
QString nombre(Medida m);
std::optional<Dimension> dimension_llamada(const QString& nombre);
std::optional<Medida> medida_llamada(const QString& nombre);

// Which dimensions go down the rows and across the columns (outermost
// first), and which measures each cell shows.
struct Disposicion {
    QList<Dimension> filas;
    QList<Dimension> columnas;
    QList<Medida> medidas;

    // Suppliers down, document types across, amount and balance.
    static Disposicion por_defecto();
    // No dimension twice, no measure twice.
    bool valida() const;
    bool operator==(const Disposicion&) const = default;
};

// The period's documents summed along the chosen dimensions. Rows and
// columns are keys of dimension values, outermost first; a key shorter than
// its dimensions is the subtotal of the group it names (after the group's
// members), the empty key the grand total (last). Sums are exact: every
// subtotal is added from the documents, never from rounded cells.
class Cubo {
  public:
    void cargue(std::vector<MovimientoAnalisis> movimientos);
    void disponga(const Disposicion& disposicion);

    const std::vector<MovimientoAnalisis>& movimientos() const { return movimientos_; }
    const Disposicion& disposicion() const { return disposicion_; }
    bool vacio() const { return movimientos_.empty(); }

    const std::vector<QStringList>& filas() const { return filas_; }
    const std::vector<QStringList>& columnas() const { return columnas_; }
    // The cell's measure; nothing when no document falls in it.
    std::optional<Currency> valor(int fila, int columna, Medida m) const;
    // Indexes into movimientos() of the documents behind a cell, in order.
    std::vector<int> detalle(int fila, int columna) const;

    // A document's value on a dimension, as keys hold it.
    static QString valor_de(const MovimientoAnalisis& m, Dimension d);

  private:
    struct Suma {
        Currency monto, saldo, retencion;
        int cantidad = 0;
    };
    void calcule();
    QStringList clave(const MovimientoAnalisis& m, const QList<Dimension>& dims) const;
    static QString llave(const QStringList& fila, const QStringList& columna);

    std::vector<MovimientoAnalisis> movimientos_;
    Disposicion disposicion_ = Disposicion::por_defecto();
    std::vector<QStringList> filas_, columnas_;
    QHash<QString, Suma> sumas_;
};

}  // namespace ledgrix
