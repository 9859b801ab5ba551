#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Contabilizacion;
class Field;
class Tfdm;
class Transaccion;

// What the "Cargos en Cuenta" window works on: one charge (type 51) at a
// time, its taxes computed as the user types, its cost-centre rows and the
// application to a credit document built in memory, all stored by one apply
// and then posted. The window binds its controls to the fields of `notas()`
// and, after the user changes a control, calls the matching `cambie_*`
// member with the new value: the members set the field and run the rule.
// Plain fields without a rule (concept, observations, extra value, article,
// invoice, business, warehouse, cost type) are set on the record directly.
//
// Every message and question goes through dm.dialogs(); the commitments
// list opens as modal "Tfcompromisos", the review as "Tfcontabiliza", the
// interface chooser as "Tfpreginterfaz".
class Cargo : public QObject {
    Q_OBJECT
  public:
    // Withholdings whose amount the user may type by hand.
    enum class Retencion { Fuente, Iva, Ica, Cree };
    // Rows of the percentage table.
    enum class Porcentaje { Iva, Fuente, RetIva, Ica, Cree, DescuentoPP };
    // Credit documents a charge may be applied to at once.
    enum class Aplicable {
        NotaCredito /* NOTACRPR, 52 */,
        Devolucion /* DEVOLPRV, 24 */,
        Anticipo /* ANTICPRV, 55 */
    };
    enum class Cuenta { Causa, Pagar, CausaNiif, PagarNiif };

    // Values a window that opens this one leaves for it (all optional).
    struct Recibidos {
        QString nit;
        QString negocio;
        qint64 factura = 0;  // purchase invoice id (type 21)
        QString articulo;
        QString tipo_aplicar;  // "52", "24" or "55"; anything else is refused
        QString prefijo_aplicar;
        QString numero_aplicar;
    };

    explicit Cargo(Tfdm& dm, QObject* parent = nullptr);
    ~Cargo() override;

    // Reads the configuration and the lists, offers back a half-saved charge
    // (id 0) and prepares a new one. False: no valid prefix, the window closes.
    bool abra();

    // Datasets. The charge (NOTAS_DEBITO_PROVEEDOR, one row, always in insert
    // or edit) nests its cost-centre rows (CENTROS_DOCUMENTO) and the pending
    // application header (APLICACION_PROVEDOR), which nests its two lines.
    ClientDataset& notas() const { return *CNotas; }
    ClientDataset& centros() const { return *CCentros; }
    ClientDataset& aplicacion() const { return *CAplicacion; }
    ClientDataset& aplicacion_detalle() const { return *CAplicacionDet; }
    ClientDataset& prefijos() const { return *CPrefijos; }  // type 51, filtered as configured
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
    QString nombre_proyecto() const { return nom_proy_; }
    QString nombre_centro() const { return nom_centro_; }
    QString nombre_subcentro() const { return nom_subc_; }

    // Window state.
    int redondeo() const { return n_; }
    bool pide_moneda() const { return pide_moneda_; }
    bool fecha_editable() const { return !fecha_fija_; }
    bool numero_editable() const { return numero_editable_; }
    bool a_mano(Retencion r) const { return mano_[static_cast<int>(r)]; }
    bool monto_editable(Retencion r) const { return editable_[static_cast<int>(r)]; }
    bool simplificado() const { return simplificado_; }
    bool bases_abiertas() const { return bases_abiertas_; }
    bool centros_abiertos() const { return centros_abiertos_; }
    bool centros_confirmados() const { return centros_confirmados_; }
    int interfaz() const { return interfaz_; }
    // Opened from another document window: no review, no print, and the
    // window closes with an accepted result after saving (signal cierre).
    void set_desde_documento(bool si) { desde_documento_ = si; }

    // User actions, one per control.
    void cambie_nit(const QString& nit);
    void cambie_prefijo(const QString& prefijo);
    void cambie_numero(const QString& numero);
    void cambie_fecha(const QDate& fecha);
    void cambie_fecha_factura(const QDate& fecha);  // supplier invoice date: due date follows
    void cambie_monto(Currency monto);
    void cambie_porcentaje(Porcentaje p, Currency valor);
    void cambie_monto_retencion(Retencion r, Currency valor);  // typed by hand
    void salga_porcentaje(Porcentaje p);                       // leaving a percentage box
    void cambie_extra(Currency valor);
    void cambie_moneda(int moneda);
    void cambie_numprov(const QString& numero);
    void cambie_proyecto(const QString& proyecto);
    void cambie_centro(const QString& centro);
    void cambie_subcentro(const QString& subcentro);
    // False (and the account emptied) when refused.
    bool cambie_cuenta(Cuenta c, const QString& cuenta);

    // "Bases de IVA" panel (F5 opens it; F5 again or its button applies it).
    void abra_bases();
    void cambie_base(int cual /* 0..3 */, Currency valor);  // VAT1..3 follow
    void aplique_bases();

    // "Aplicar a:": builds the pending application; false when refused (the
    // reference is emptied and the user told).
    bool aplique_a(Aplicable tipo, const QString& referencia);

    // Cost-centre panel: opened by the save when the distribution is required.
    void abra_centros();
    // Checks the rows; when they add up, marks the distribution confirmed and
    // runs the save again (its answer).
    bool confirme_centros();

    // F2. True when stored (and posted); false leaves everything for another try.
    bool grabe();
    // Esc: asks first; true when the data were dropped and a new charge started.
    bool cancele();
    // A new charge in the given prefix (the current one when empty).
    void prepare_nuevo(const QString& prefijo = {});
    // Values left by the window that opened this one.
    void reciba(const Recibidos& valores);

    // The print step after a save, given the stored charge's id.
    std::function<void(qint64)> imprima;

  signals:
    // A record check failed on this field: the window moves the focus to it.
    void enfoque(const QString& campo);
    // Opened from another document window: the charge was stored.
    void cierre(int resultado);

  private:
    struct Impl;
    ClientDataset* conjunto(const QString& nombre, const QString& sql);
    bool edite();
    Currency c(const char* campo) const;
    void ponga(const char* campo, Currency valor);
    Currency r(Currency x) const;
    Currency base_fuente();
    Currency base_ica();
    void calcule_monto();
    void derive_porcentajes();
    void limpie_aplicacion();
    bool valide_codigo(const QString& tabla, const QString& sql, QString& nombre,
                       const char* campo);
    void nuevo(const QString& prefijo);
    void numero_de_prefijo();
    bool grabe_registro(Transaccion& unidad, const QStringList& bloqueos);
    QStringList bloqueos() const;

    Tfdm& dm_;
    std::unique_ptr<Impl> d_;
    std::unique_ptr<Contabilizacion> conta_;
    ClientDataset* CNotas = nullptr;
    ClientDataset* CCentros = nullptr;
    ClientDataset* CAplicacion = nullptr;
    ClientDataset* CAplicacionDet = nullptr;
    ClientDataset* CPrefijos = nullptr;
    ClientDataset* CBodegas = nullptr;
    ClientDataset* CMonedas = nullptr;

    int n_ = 0;
    Currency f_;
    bool pide_moneda_ = false;
    bool fecha_fija_ = false;
    bool numero_editable_ = true;
    bool simplificado_ = false;
    bool mano_[4] = {false, false, false, false};
    bool editable_[4] = {false, false, false, false};
    bool bases_abiertas_ = false;
    bool centros_abiertos_ = false;
    bool centros_confirmados_ = false;
    bool desde_documento_ = false;
    int contador_centros_ = 0;
    int interfaz_ = 0;
    QString nombre_, nom_proy_, nom_centro_, nom_subc_;
    QString propuesto_;  // number proposed by the prefix
    // The document "Aplicar a:" names; the application is built from it
    // again when the charge is saved.
    std::optional<std::pair<Aplicable, QString>> aplicar_;
};

}  // namespace ledgrix
