#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "accounting/contabilizacion/contabilizacion.h"
#include "core/money/currency.h"

class QSqlQuery;

namespace ledgrix {

class ClientDataset;
class Field;
class Interfaces;
class Tfdm;
class Tfdmter;
class Transaccion;

// Where a charge and a discount differ only in names: the table and its
// column prefix, the type, the id procedure, the noun of the messages and
// the window that shows a document found by its number.
struct ClaseDocumentoCxp {
    int tipo;
    const char* prefijo;  // column prefix, without the underscore
    const char* tabla;
    const char* generador;  // CAMBIE_ID_ procedure of the table
    const char* nombre;     // "cargo", "descuento": the noun of the messages
    const char* consulta;   // window opened on a document found by its number
    DocumentoContable contable;
    // The IVA withholding follows a change of VAT% only above the supplier's
    // base (charges) or always (discounts).
    bool umbral_en_iva;
};

// One payables document typed in the "... en Cuenta" windows: its taxes
// computed as the user types, stored by one apply and posted in the same
// unit of work. The window binds its controls to the fields of `notas()`
// and, after the user changes a control, calls the matching `cambie_*`
// member with the new value: the members set the field and run the rule.
// Plain fields without a rule are set on the record directly. Charges and
// discounts derive from it and add what only they have.
class DocumentoCxp : public QObject {
    Q_OBJECT
  public:
    // Withholdings whose amount the user may type by hand.
    enum class Retencion { Fuente, Iva, Ica, Cree };
    // Rows of the percentage table.
    enum class Porcentaje { Iva, Fuente, RetIva, Ica, Cree, DescuentoPP };
    enum class Cuenta { Causa, Pagar, CausaNiif, PagarNiif };

    DocumentoCxp(Tfdm& dm, const ClaseDocumentoCxp& clase, QObject* parent);
    ~DocumentoCxp() override;

    const ClaseDocumentoCxp& clase() const { return clase_; }
    // The column of this table with the given suffix ("MONTO" -> "NDPR_MONTO").
    QString columna(const char* sufijo) const;

    // Reads the configuration and the lists, offers back a half-saved
    // document (id 0) and prepares a new one. False: the window closes.
    bool abra();

    // The document (one row, always in insert or edit) and the lists.
    ClientDataset& notas() const { return *CNotas; }
    ClientDataset& prefijos() const { return *CPrefijos; }  // of the type, filtered as configured
    ClientDataset& bodegas() const { return *CBodegas; }
    ClientDataset& monedas() const { return *CMonedas; }  // open only when currencies are asked
    Field& campo(const QString& nombre) const;

    // The posting engine, for the window to install the review window.
    Contabilizacion& contabilizacion() const { return *conta_; }

    // Shown values.
    Currency neto() const;      // "Neto:"
    Currency total() const;     // "Total:" (amount + VAT + extra)
    Currency subtotal() const;  // sum of the four bases
    QString nombre_proveedor() const { return nombre_; }

    // Window state.
    int redondeo() const { return n_; }
    bool pide_moneda() const { return pide_moneda_; }
    bool fecha_editable() const { return !fecha_fija_; }
    bool numero_editable() const { return numero_editable_; }
    bool a_mano(Retencion r) const { return mano_[static_cast<int>(r)]; }
    bool monto_editable(Retencion r) const { return editable_[static_cast<int>(r)]; }
    bool bases_abiertas() const { return bases_abiertas_; }
    int interfaz() const { return interfaz_; }
    // Opened from another document window: no review, no print, and the
    // window closes with an accepted result after saving (signal cierre).
    void set_desde_documento(bool si) { desde_documento_ = si; }

    // User actions, one per control.
    void cambie_nit(const QString& nit);
    void cambie_prefijo(const QString& prefijo);
    void cambie_numero(const QString& numero);
    void cambie_fecha(const QDate& fecha);
    void cambie_monto(Currency monto);
    void cambie_porcentaje(Porcentaje p, Currency valor);
    void cambie_monto_retencion(Retencion r, Currency valor);  // typed by hand
    void salga_porcentaje(Porcentaje p);                       // leaving a percentage box
    void cambie_extra(Currency valor);
    void cambie_moneda(int moneda);
    void cambie_numprov(const QString& numero);
    // False (and the account emptied) when refused.
    bool cambie_cuenta(Cuenta c, const QString& cuenta);

    // "Bases de IVA" panel (F5 opens it; F5 again or its button applies it).
    void abra_bases();
    void cambie_base(int cual /* 0..3 */, Currency valor);  // VAT1..3 follow
    void aplique_bases();

    // F2. True when stored (and posted); false leaves everything for another try.
    bool grabe();
    // Esc: asks first; true when the data were dropped and a new document started.
    bool cancele();
    // A new document in the given prefix (the current one when empty).
    void prepare_nuevo(const QString& prefijo = {});

    // The print step after a save, given the stored document's id.
    std::function<void(qint64)> imprima;

  signals:
    // A record check failed on this field: the window moves the focus to it.
    void enfoque(const QString& campo);
    // Opened from another document window: the document was stored.
    void cierre(int resultado);

  protected:
    // A statement of the supplier-number check and the words before the
    // prefix and number of the document it finds.
    struct ConsultaNumprov {
        QString sql;
        QString antes;
    };

    ClientDataset* conjunto(const QString& nombre, const QString& sql);
    Field& f(const char* sufijo) const;
    Currency c(const char* sufijo) const;
    void ponga(const char* sufijo, Currency valor);
    Currency r(Currency x) const;
    Currency base_fuente();
    Currency base_ica();
    bool edite();
    QString mensaje(const char* antes, const char* despues = ".") const;
    Tfdm& dm() const { return dm_; }
    Tfdmter& terceros() const;
    Interfaces& interfaces() const;

    // What only one kind of document adds, at each step. Every hook runs
    // inside the read transaction or unit of work of the step that calls it.
    virtual bool lea_configuracion() { return true; }
    virtual void abra_listas() {}
    virtual void valores_nuevos(ClientDataset& /*notas*/) {}
    virtual void reinicie() {}
    virtual void recuperado() {}
    virtual QString columnas_proveedor() const { return {}; }  // extra columns, each after ", "
    virtual void proveedor_leido(const QSqlQuery& /*fila*/, int /*primera*/) {}
    virtual void proveedor_listo(const QString& /*nit*/) {}
    virtual void fecha_cambiada(const QDate& /*fecha*/) {}
    virtual bool simplificado() const { return false; }
    virtual Currency parte_simplificado() const { return {}; }
    virtual std::vector<ConsultaNumprov> consultas_numprov(const QString& numero,
                                                           const QString& nit) const = 0;
    virtual bool antes_de_grabar() { return true; }
    virtual bool tras_revisar_valores() { return true; }
    virtual bool en_unidad() { return true; }
    virtual bool revise_registro() { return true; }
    virtual QStringList bloqueos_propios() const { return {}; }
    virtual bool complete_detalle(qint64 /*id*/) { return true; }
    virtual void deshaga_detalle() {}

    bool mano_[4] = {false, false, false, false};
    int interfaz_ = 0;
    QString nombre_;

  private:
    struct Impl;
    void calcule_monto();
    void derive_porcentajes();
    void nuevo(const QString& prefijo);
    void numero_de_prefijo();
    bool grabe_registro(Transaccion& unidad, const QStringList& bloqueos);
    QStringList bloqueos() const;

    Tfdm& dm_;
    const ClaseDocumentoCxp& clase_;
    std::unique_ptr<Impl> d_;
    std::unique_ptr<Contabilizacion> conta_;
    ClientDataset* CNotas = nullptr;
    ClientDataset* CPrefijos = nullptr;
    ClientDataset* CBodegas = nullptr;
    ClientDataset* CMonedas = nullptr;

    int n_ = 0;
    bool pide_moneda_ = false;
    bool fecha_fija_ = false;
    bool numero_editable_ = true;
    bool editable_[4] = {false, false, false, false};
    bool bases_abiertas_ = false;
    bool desde_documento_ = false;
    QString propuesto_;  // number proposed by the prefix
};

}  // namespace ledgrix
