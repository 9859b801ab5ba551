#pragma once

#include <QDate>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Contabilizacion;
class Field;
class Interfaces;
class RegistroCxp;
class Tfdm;
class Tfdmter;
class Transaccion;
struct DocumentoSeleccionado;

// What the "Aplicaciones  Proveedores" window works on: one application
// (type 53) at a time, which sets a supplier's credit documents against his
// open debts without money moving. The header (APLICACION_PROVEDOR, one row,
// always in insert or edit) nests its lines (APLICACION_PROVEEDOR_DETALLE):
// positive amounts on what is owed, negative on the credits, adding up to 0.
// The header is stored, posted and handed to the print step in one unit of
// work.
//
// The window binds its header controls to `aplicaciones()` and calls the
// matching `cambie_*` member after the user changes one; the grid edits
// `lineas()` directly (its field rules run the checks). Every message goes
// through dm.dialogs(); the review opens as modal "Tfcontabiliza".
class Aplicacion : public QObject {
    Q_OBJECT
  public:
    struct Sumas {
        Currency aplicado, rtfte, rtiva, rtica, rcree;
    };

    explicit Aplicacion(Tfdm& dm, QObject* parent = nullptr);
    ~Aplicacion() override;

    // Reads the configuration and the prefixes, offers back a leftover with
    // id 0 and prepares a new application. False: no valid prefix.
    bool abra();

    ClientDataset& aplicaciones() const { return *CAplicacion; }
    ClientDataset& lineas() const { return *CDetalle; }
    ClientDataset& prefijos() const { return *CPrefijos; }
    ClientDataset& monedas() const { return *CMonedas; }
    Field& campo(const QString& nombre) const;
    Contabilizacion& contabilizacion() const { return *conta_; }

    bool pide_moneda() const { return pide_moneda_; }
    bool fecha_editable() const { return !fecha_fija_; }
    bool numero_editable() const { return numero_editable_; }
    // The line switch: with it on, a change of a line's document runs the
    // registry's checks and a change of its amount the sign rule.
    bool validando() const { return validando_; }
    void set_validando(bool si) { validando_ = si; }
    QString nombre_proveedor() const { return nombre_; }
    Sumas sumas() const;
    // Short names of the payables document types, by code: the lines' type.
    const QHash<int, QString>& tipos_cxp();

    // Header, one member per control.
    void cambie_prefijo(const QString& prefijo);
    void cambie_numero(const QString& numero);
    void cambie_fecha(const QDate& fecha);
    void cambie_nit(const QString& nit);  // "?..." asks for the supplier search
    void cambie_moneda(int moneda);

    // Documents handed by the payables consultation: one, or a group (one
    // line each). False when the only one was refused.
    bool reciba_documentos(const QList<DocumentoSeleccionado>& documentos);

    // F2: true when stored (and posted). Esc: true when the user agreed to
    // drop what was typed (a new application is then prepared).
    bool grabe();
    bool cancele();
    void prepare_nuevo(const QString& prefijo = {});

    // The print step after a save, given the stored application's id.
    std::function<void(qint64)> imprima;

  signals:
    void enfoque(const QString& campo);
    void busque_tercero(const QString& texto);
    // The window must close at once (a wrong sign, an application without
    // lines): nothing was stored.
    void cierre();

  private:
    ClientDataset* conjunto(const QString& nombre, const QString& sql);
    Field& h(const char* campo) const;
    Field& l(const char* campo) const;
    bool edite();
    bool lea_configuracion();
    bool abra_prefijos();
    void nuevo(const QString& prefijo);
    void cambie_tasa();
    // Lines (aplicacion_lineas.cpp).
    void reglas_lineas();
    void cargue_nombres_tipo();
    void cambie_documento();
    void valide_documento();
    void limpie_linea(bool documento);
    void revise_signo();
    void antes_de_grabar_linea();
    bool repetido(int tipo, const QString& prefijo, const QString& numero) const;
    bool agregue(int tipo, const QString& prefijo, const QString& numero);
    bool termine_linea();
    // Save (aplicacion_grabe.cpp).
    bool grabe_registro(Transaccion& unidad);
    QStringList bloqueos() const;

    Tfdm& dm_;
    std::unique_ptr<Tfdmter> ter_;
    std::unique_ptr<RegistroCxp> registro_;
    std::unique_ptr<Interfaces> interfaces_;
    std::unique_ptr<Contabilizacion> conta_;
    ClientDataset* CAplicacion = nullptr;
    ClientDataset* CDetalle = nullptr;
    ClientDataset* CPrefijos = nullptr;
    ClientDataset* CMonedas = nullptr;

    bool pide_moneda_ = false;
    int moneda_defecto_ = 1;
    bool fecha_fija_ = false;
    bool numero_editable_ = true;
    bool validando_ = false;
    bool recuperada_ = false;  // finishes a leftover stored with id 0
    int quieto_ = 0;           // code filling a row: the field rules stay quiet
    int interfaz_ = 0;
    QString nombre_;
    QHash<int, QString> nombres_tipo_;  // short names of payables types
    QString propuesto_;
};

}  // namespace ledgrix
