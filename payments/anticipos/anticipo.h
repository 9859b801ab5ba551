#pragma once

#include <QDate>
#include <QObject>
#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// What the "Anticipos a Proveedor" window works on: one advance (type 55)
// born inside a payment voucher, for the voucher's payee and date. Its taxes
// follow the amounts as the user types; the save stores it alone (it is
// posted as a line of the voucher that pays it out) and leaves it among
// dm.documentos_seleccionados as type 55 for that voucher.
//
// The window binds its controls to the fields of `anticipos()` and calls the
// matching `cambie_*` member after the user changes one. Concept and
// observation are set on the record directly.
class Anticipo : public QObject {
    Q_OBJECT
  public:
    enum class Porcentaje { Iva, Fuente, RetIva, Ica, DescuentoPP };

    // What the voucher hands over before opening the window: its payee and
    // its date. Held for the whole run, as the data modules are.
    struct Entrega {
        QString nit;
        QDate fecha;
    };
    static inline Entrega entregado;

    explicit Anticipo(Tfdm& dm, QObject* parent = nullptr);
    ~Anticipo() override;

    // Reads the configuration and the prefixes, offers back a leftover with
    // id 0 and prepares a new advance. False: the window does not open.
    bool abra();

    ClientDataset& anticipos() const { return *CAnticipos; }  // one row, insert or edit
    ClientDataset& prefijos() const { return *CPrefijos; }
    ClientDataset& monedas() const { return *CMonedas; }  // open only when currencies are asked
    Field& campo(const QString& nombre) const;

    Currency total() const;        // "Neto:"
    Currency totalconiva() const;  // "Total"
    QString nombre_proveedor() const { return nombre_; }

    int redondeo() const { return n_; }
    bool pide_moneda() const { return pide_moneda_; }
    bool fecha_editable() const { return !fecha_fija_; }
    bool numero_editable() const { return numero_editable_; }

    void cambie_nit(const QString& nit);
    void cambie_prefijo(const QString& prefijo);
    void cambie_numero(const QString& numero);
    void cambie_fecha(const QDate& fecha);
    void cambie_base(Currency base);
    void cambie_porcentaje(Porcentaje p, Currency valor);
    void cambie_moneda(int moneda);

    // F2. True when stored; false leaves the record as typed for another try.
    bool grabe();

  signals:
    // A check failed on this field: the window moves the focus to it.
    void enfoque(const QString& campo);

  private:
    bool edite();
    Currency c(const char* campo) const;
    void ponga(const char* campo, Currency valor);
    Currency por_ciento(Currency monto, const char* porcentaje) const;
    void calcule(Porcentaje p);
    void nuevo();
    bool grabe_registro();

    Tfdm& dm_;
    ClientDataset* CAnticipos = nullptr;
    ClientDataset* CPrefijos = nullptr;
    ClientDataset* CMonedas = nullptr;
    int n_ = 0;
    int moneda_defecto_ = 1;
    bool pide_moneda_ = false;
    bool fecha_fija_ = false;
    bool numero_editable_ = true;
    QString nombre_;
    QString propuesto_;  // number proposed by the prefix
};

}  // namespace ledgrix
