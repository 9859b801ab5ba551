#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "core/data/client_dataset.h"
#include "payments/caja/tfdmcja.h"
#include "payments/egresos/medios_pago.h"

namespace ledgrix {

// The rules of the cash and bank lines. They hang on the datasets' fields,
// so that a grid editing a cell runs them as the `cambie_*` members do.
struct MediosPago::Impl {
    Impl(MediosPago& m, Tfdm& dm);

    // Code filling a line sets its fields without running the rules meant
    // for what the user types.
    struct Quietas {
        explicit Quietas(int& n) : n_(n) { ++n_; }
        ~Quietas() { --n_; }
        Quietas(const Quietas&) = delete;
        Quietas& operator=(const Quietas&) = delete;
        int& n_;
    };
    struct PrefijoBanco {
        int tipo = 0;
        QString prefijo;
        QString numero;
        bool automatico = false;
    };

    MediosPago& m;
    Tfdm& dm;
    Tfdmcja cja;
    ClientDataset* CCajas = nullptr;
    ClientDataset* CFormas = nullptr;
    ClientDataset* CCuentas = nullptr;
    QStringList tipos;
    QString tipo_nombre;  // of the bank line, an entry of `tipos`
    QList<PrefijoBanco> prefijos;
    int quietas = 0;
    // A new cash line lowers its amount to the cash in the box once.
    bool rebaja_pendiente = false;
    // The held document typed is already on another line: the line goes
    // once the field change that found it has finished.
    bool descarte_pendiente = false;
    bool numero_libre = true;
    QVariant caja_aceptada;

    ClientDataset* lista(const QString& nombre);
    // A field's value, invalid when the dataset does not have it (yet).
    static QVariant valor(const ClientDataset& ds, const char* campo);
    static Currency suma(const ClientDataset& ds, const char* campo);
    static bool editando(const ClientDataset& ds);
    // The current line in edit, a new one when there is none.
    static bool edite(ClientDataset& ds);
    // Sets a field quietly, even when the user may not type in it.
    void ponga(ClientDataset& ds, const char* campo, const QVariant& v);
    QVariant de_caja(int caja, const char* campo) const;
    // A panel opens while the other is closed and the voucher has an amount.
    bool puede_abrir(bool otro_abierto, const QString& cierre);
    int caja_predeterminada() const;

    // Cash lines.
    void instale_caja();
    void defectos_caja(ClientDataset& ds);
    void ajuste_monto_editable();
    void regla_caja();
    void regla_forma();
    void regla_monto();
    void regla_doc();
    bool doc_repetido() const;
    void descarte();
    void antes_de_grabar_caja(ClientDataset& ds);

    // Bank line.
    void instale_banco();
    void defectos_banco(ClientDataset& ds);
    void regla_cuenta();
    void regla_tipo(const QString& nombre);
    void regla_prefijo();
    bool regla_numero();
    void cargue_tipos();
    void cargue_prefijos(const QString& nombre);
};

}  // namespace ledgrix
