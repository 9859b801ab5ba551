#pragma once

// The voucher logic's state, shared by the files that hold its rules (header,
// documents paid, crosses, accounting lines, save). Private to Egreso.

#include <QDate>
#include <QHash>
#include <QMap>
#include <QString>
#include <QVariant>
#include <QVector>
#include <initializer_list>
#include <memory>
#include <vector>

#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/interfaces/interfaces.h"
#include "core/money/currency.h"
#include "parties/tfdmter.h"
#include "payables/registro_cxp.h"
#include "payments/cartera/registro_cartera.h"
#include "payments/egresos/egreso.h"

namespace ledgrix {

class ClientDataset;
class Field;
class MediosPago;
class Tfdm;
class Transaccion;

inline QString S(const char* s) {
    return QString::fromUtf8(s);
}

struct Egreso::Impl {
    Impl(Egreso& egreso, Tfdm& modulo);

    Egreso& e;
    Tfdm& dm;
    Tfdmter ter;
    RegistroCxp registro;
    RegistroCartera cartera;
    Interfaces interfaces;
    std::unique_ptr<Contabilizacion> conta;

    ClientDataset* CEgresos = nullptr;
    ClientDataset* CDetalle = nullptr;  // EGRESODETALLE
    ClientDataset* CCruces = nullptr;
    ClientDataset* CConta = nullptr;
    ClientDataset* CCaja = nullptr;
    ClientDataset* CBanco = nullptr;
    ClientDataset* CPrefijos = nullptr;
    ClientDataset* CClases = nullptr;
    ClientDataset* CMonedas = nullptr;
    ClientDataset* CTiposCxp = nullptr;
    ClientDataset* CTiposCartera = nullptr;
    MediosPago* medios = nullptr;
    QHash<int, QString> nombres_tipo;  // short names of payables and receivables types

    // Configuration, read when the window opens.
    bool cero_permitido = false;
    bool conta_inhabilitada = false;
    bool sincronizar_prefijos = false;
    bool otros_conceptos = false;
    bool componer_concepto = false;
    bool fecha_fija = false;
    bool retenciones_causacion = false;  // payables withholdings taken at accrual
    bool filtrar_centros = false;
    bool pide_moneda = false;
    int moneda_defecto = 1;
    int redondeo = 0;     // power of ten of computed accounting lines
    QDate corte_cartera;  // crosses count withholdings before this day

    // The voucher being entered.
    bool documentos_activo = false;
    bool cruces_activo = false;
    bool ver_pago = false;
    bool montos_editables = true;
    bool numero_editable = true;
    bool boton_caja = false;
    bool boton_banco = false;
    int interfaz = 0;
    QString propuesto;               // number the prefix proposed
    bool ultimo_cancela = false;     // the last document line stored settles its document
    bool recuperado = false;         // finishes a leftover stored with id 0
    qint64 aporte = 0;               // PAGO_APORTES id whose lines are still to be added
    QMap<qint64, qint64> anticipos;  // document line item -> advance created for it
    qint64 anticipo_creado = 0;      // last advance created from this unsaved voucher
    QString nombre_cuenta;
    // While code fills a row the field rules stay quiet.
    int quieto = 0;

    // ---- shared helpers (egreso.cpp)
    ClientDataset* conjunto(const QString& nombre, const QString& sql);
    Field& h(const char* campo) const;  // of the voucher
    Currency c(const char* campo) const;
    bool edite();
    static bool editando(const ClientDataset& ds);
    static Currency suma(const ClientDataset& ds, const char* campo);
    static int siguiente_item(const ClientDataset& ds, const char* campo);
    // Runs `regla` when one of the fields changes, unless code is filling the row.
    void regla(ClientDataset& ds, std::initializer_list<const char*> campos,
               void (Impl::*regla)(ClientDataset&));
    // A new line of a list: next item, no document, amounts 0, "N" marks.
    void inicie_linea(ClientDataset& ds, const char* item, const char* prefijo_marcas);
    // The pending line of a list is stored, or dropped when `descarte`;
    // false when a rule keeps it in edit.
    static bool termine_linea(ClientDataset& ds, bool descarte);
    // The current line of a list, appended when there is none to take.
    bool linea_actual(ClientDataset& ds);
    QString nombre_tipo(int tipo) const;
    int moneda() const;

    // ---- header (egreso_encabezado.cpp)
    bool lea_configuracion();
    bool abra_listas();
    void nuevo(const QString& prefijo);
    void recupere();
    void numero_de_prefijo();
    void aplique_monto();
    void cambie_tasa();

    // ---- documents paid (egreso_documentos.cpp)
    void reglas_documentos();
    void valide_documento(ClientDataset& ds);
    void ajuste_al_saldo(ClientDataset& ds);
    void antes_de_grabar_documento(ClientDataset& ds);
    Currency aplicado(const ClientDataset& ds, const char* const campos[], bool retenciones) const;
    void componga_concepto();
    void totalice();
    bool agregue_documento(int tipo, const QString& prefijo, const QString& numero);

    // ---- crosses (egreso_cruces.cpp)
    void reglas_cruces();
    void valide_cruce(ClientDataset& ds);
    void ajuste_cruce(ClientDataset& ds);
    bool existe_cruce(int tipo, const QString& prefijo, const QString& numero, int salvo) const;
    bool agregue_cruce(int tipo, const QString& prefijo, const QString& numero);

    // ---- accounting lines (egreso_conta.cpp)
    void reglas_conta();
    void cambie_cuenta(Field& f);
    void valide_centro(ClientDataset& ds);
    void calcule_linea(bool porcentaje_de_cuenta);
    void agregue_aportes();

    // ---- save (egreso_grabe.cpp)
    bool grabe_registro(Transaccion& unidad);
    QStringList bloqueos() const;
};

}  // namespace ledgrix
