#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "core/money/currency.h"
#include "parties/acreedores/cuentas_terceros.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// What the new-supplier ("Tfnvoproveedor") and modify ("Tfmodproveedor")
// windows work on: the third party's row and its supplier row, the rules
// that run while the user types them and the save that writes both in one
// unit of work. A refused value is not taken: the record keeps what it had
// and the window keeps what the user typed.
class FichaProveedor : public QObject {
    Q_OBJECT
  public:
    enum class Modo { Nuevo, Modificar };
    // What a NIT typed in a new record led to.
    enum class Nit {
        Aceptado,   // a new third party: the record takes it
        Rechazado,  // not taken (the user was told or said no)
        Marcado     // an existing third party became a supplier: the window closes
    };
    using Opcion = QPair<QString, QString>;  // code, name

    // A new record, or the third party with `nit` (see abierta()).
    FichaProveedor(Tfdm& dm, Modo modo, const QString& nit, CuentasTerceros cuentas,
                   QObject* parent = nullptr);

    Modo modo() const { return modo_; }
    // False when the window may not be used: no access to a new supplier, or
    // the third party to modify was not found (the user was told).
    bool abierta() const { return abierta_; }

    ClientDataset& tercero() const { return *CTercero; }
    ClientDataset& proveedor() const { return *CProveedor; }
    // A column of either row: supplier columns and the group are the
    // supplier row's, the rest the third party's.
    Field& campo(const QString& columna) const;
    QString texto(const QString& columna) const;

    // The installation's third-party settings.
    bool letras_en_nit() const { return letras_en_nit_; }
    bool dv_editable() const { return dv_editable_; }
    bool contacto_obligatorio() const { return contacto_obligatorio_; }
    // The last store or change of the third party ("Registro: date-time-user").
    const QString& registro() const { return registro_; }

    Nit cambie_nit(const QString& nit);
    bool cambie_dv(const QString& dv);
    // Legal entities type their name; anyone else has it composed on save.
    void cambie_tipo(const QString& tipo);
    bool es_juridica() const;
    void cambie_nombre(const QString& nombre);
    bool cambie_ciudad(const QString& codigo);
    // "?" and a text opens the chooser of the column's book; anything else
    // is checked in that book and refused when the book refuses it.
    bool cambie_cuenta(const QString& columna, const QString& texto);
    static const QStringList& columnas_cuenta();
    // The third party's own accounts, both books (its other modules read them).
    static const QStringList& columnas_cuenta_tercero();
    // Any other column, as typed.
    bool asigne(const QString& columna, const QVariant& valor);
    bool asigne_monto(const QString& columna, Currency valor);
    // "yyyy/mm/dd"; empty clears it.
    bool asigne_fecha(const QString& columna, const QString& texto);

    // The financial data are shown only with the access of a new supplier.
    bool permita_financiero();

    QList<Opcion> tipos_id() const;
    QList<Opcion> ciudades() const;
    QList<Opcion> paises() const;
    QList<Opcion> grupos() const;
    QList<Opcion> bancos() const;

    // Checks, then writes both rows together. A new record then starts
    // again empty; a refusal keeps everything in edit for another try.
    bool grabe();
    // Drops what was typed.
    void cancele();

  signals:
    // The record was started again (new supplier stored): the NIT is next.
    void reiniciado();

  private:
    ClientDataset* abra(const QString& nombre, const QString& tabla, const QString& nit);
    void empiece();
    bool en_edicion(ClientDataset& ds);
    bool revise();
    bool marque_como_proveedor(const QString& nit);
    QList<Opcion> opciones(const QString& sql) const;
    QString grupo_inicial() const;
    void lea_registro(const QString& nit);

    Tfdm& dm_;
    Modo modo_;
    CuentasTerceros cuentas_;
    bool abierta_ = true;
    bool letras_en_nit_ = false;
    bool dv_editable_ = false;
    bool contacto_obligatorio_ = false;
    QString registro_;
    ClientDataset* CTercero = nullptr;
    ClientDataset* CProveedor = nullptr;
};

}  // namespace ledgrix
