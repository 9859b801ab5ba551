#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "accounting/cuentas.h"
#include "accounting/selectores/plantillas.h"
#include "accounting/selectores/terceros.h"
#include "core/money/currency.h"
#include "core/numeracion/ventanas/selector_centros.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// What the voucher review window works on: the staging voucher of one
// document (header and lines of both books), the rules applied while lines
// are typed, templates, and the save that checks the balance and clears the
// way for a fresh ledger voucher.
class RevisionContable : public QObject {
    Q_OBJECT
public:
    enum class Pagina { Local, Niif };

    // Lines of the local books are numbered below this item; NIIF lines from it.
    static constexpr int kPrimerItemNiif = 100000;

    // How the windows this one opens are shown. Each answers its modal result
    // through the dialogs service, so an empty one (as in tests) is answered
    // by the dialogs alone. The choosers work on the selectors below; the
    // chart of accounts brings its own.
    struct Ventanas {
        std::function<int()> terceros;
        std::function<int()> centros;
        std::function<int()> plantillas;
        std::function<int()> nuevo_tercero;
    };
    RevisionContable(Tfdm& dm, int tipo, qint64 id, QObject* parent = nullptr);
    ~RevisionContable() override;

    void set_ventanas(Ventanas ventanas) { ventanas_ = std::move(ventanas); }

    int tipo() const { return tipo_; }
    qint64 id() const { return id_; }
    // CNTB_ID of the voucher; 0 when the document has no staging voucher.
    qint64 voucher() const { return voucher_; }

    ClientDataset& encabezado() const { return *CContabilizacion; }
    ClientDataset& lineas(Pagina pagina) const { return pagina == Pagina::Local ? *CLocal : *CNiif; }

    bool habilitada(Pagina pagina) const { return pagina == Pagina::Local ? local_habilitada_ : niif_habilitada_; }
    Pagina pagina_inicial() const { return pagina_inicial_; }
    Pagina pagina() const { return pagina_; }
    // The page the user is on; the logic changes it when a save stops on the
    // other page and tells the window through onPagina.
    void muestre_pagina(Pagina pagina);
    std::function<void(Pagina)> onPagina;

    // Largest item used on each page (1 and 100001 when the page is empty).
    int item_local() const { return item_local_; }
    int item_niif() const { return item_niif_; }

    struct Totales {
        Currency debitos;
        Currency creditos;
    };
    Totales totales(Pagina pagina) const;

    // Shown below the grid for the account and third party last typed.
    const QString& nombre_cuenta() const { return nombre_cuenta_; }
    const QString& nombre_tercero() const { return nombre_tercero_; }
    // Whether the current line of the page needs an item, and its caption.
    bool pide_articulo(Pagina pagina) const;
    QString titulo_articulo(Pagina pagina) const;

    // The user leaves a column of the current line: a line still without
    // amounts is offered what balances the page.
    void proponga_valor(Pagina pagina);

    // "F9:Plantilla": a template of the voucher type replaces the page's lines.
    bool traiga_plantilla();

    // "F2: Grabar". False keeps the window open with the user's entries.
    bool grabe();
    // Whether the window may close: with pending changes the user is asked,
    // and a Yes discards them.
    bool puede_salir();
    bool hay_cambios() const;

    SelectorTerceros& terceros() { return terceros_; }
    SelectorCentros& centros() { return centros_; }
    SelectorPlantillas& plantillas() { return plantillas_; }
    Tfdmcnt& cuentas() { return cnt_; }

private:
    struct Atributos {
        bool existe = false;
        QString tercero, retencion, centro, tipo;
        Currency base_minima, porcentaje;
    };
    ClientDataset* conjunto(const QString& nombre, const QString& texto);
    void prepare_lineas(ClientDataset& ds, bool niif);
    const Atributos& atributos(const QString& cuenta, bool niif) const;
    bool valide_linea(ClientDataset& ds, bool niif);
    void cambie_cuenta(Field& f, bool niif);
    void cambie_tercero(Field& f);
    void cambie_centro(Field& f);
    void cambie_articulo(Field& f, bool niif);
    void repita(Field& f, QString& ultimo);
    void calcule_base(ClientDataset& ds, bool desde_base);
    void excluya(Field& f, const QString& otro);
    // Sets a value without running the entry rules of the field.
    void asigne(Field& f, const QVariant& valor);
    int elija(const QString& ventana, const std::function<int()>& run);

    Tfdm& dm_;
    Tfdmcnt cnt_;
    int tipo_;
    qint64 id_;
    qint64 voucher_ = 0;
    ClientDataset* CContabilizacion;
    ClientDataset* CLocal;
    ClientDataset* CNiif;
    bool local_habilitada_ = true;
    bool niif_habilitada_ = false;
    bool centros_por_agencia_ = false;
    Pagina pagina_inicial_ = Pagina::Local;
    Pagina pagina_ = Pagina::Local;
    int item_local_ = 1;
    int item_niif_ = kPrimerItemNiif + 1;
    int redondeo_ = 0;
    QString nombre_cuenta_;
    QString nombre_tercero_;
    QString ultimo_concepto_;
    QString ultima_referencia_;
    bool asignando_ = false;
    mutable std::map<std::pair<bool, QString>, Atributos> atributos_;
    Ventanas ventanas_;
    SelectorTerceros terceros_;
    SelectorCentros centros_;
    SelectorPlantillas plantillas_;
};

}  // namespace ledgrix
