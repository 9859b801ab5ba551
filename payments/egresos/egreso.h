#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Contabilizacion;
class Field;
class MediosPago;
class Tfdm;
struct DocumentoSeleccionado;

// What the "Egresos" window works on: one payment voucher (type 62) being
// entered, with its documents paid (EGRESODETALLE), crosses against the
// payee's receivables (EGRECRUCES), free accounting lines (EGRECONTA) and
// its payment means (EGRECAJA, EGREBANCO, see MediosPago). Everything is
// stored by one apply inside the save's unit of work, posted in the same
// unit, then reviewed and printed. The window only creates vouchers.
//
// The rules of the detail lines hang on their datasets (field onChange and
// beforePost), so a grid editing a cell runs them; the `cambie_*` members
// are the header's rules, called by the window after the user changes a
// control. Every message and question goes through dm.dialogs(); the review
// opens as modal "Tfcontabiliza", the print step through `imprima`.
class Egreso : public QObject {
    Q_OBJECT
  public:
    // Panels of the window. Documents, cash and bank are exclusive; the
    // crosses panel is a fourth one.
    enum class Panel { Ninguno, Documentos, Caja, Banco, Cruces };
    // What a key does in the current state (the keyboard map).
    enum class Accion {
        Nada,
        Grabar,
        Cancelar,
        ContinueDocumentos,
        CanceleDocumentos,
        ContinueCaja,
        CanceleCaja,
        ContinueBanco,
        CanceleBanco,
        ContinueCruces,
        AbraCaja,
        AbraBanco,
        Anticipo,          // F4 in the documents panel: the advance window
        Terceros,          // F6: third parties' master window
        AbraCruces,        // F7
        BusqueCartera,     // F8 with the crosses panel open
        BusqueCxp,         // F8 in the documents panel
        ConceptosPorPagar  // F9 in the documents panel
    };

    explicit Egreso(Tfdm& dm, QObject* parent = nullptr);
    ~Egreso() override;

    // Reads the configuration and the lists, offers back an unfinished
    // voucher (id 0: Abort deletes it, Retry recovers it) and prepares a new
    // one. False: no valid prefix ("Debe crear antes un prefijo válido para el
    // documento."), the window closes.
    bool abra();
    // Launched for a social-contribution payment (PAGO_APORTES): its id and
    // amount are taken over.
    void reciba_aporte(qint64 id, Currency monto);

    // Datasets. The voucher (EGRESOS, one row, always in insert or edit)
    // nests the five lists.
    ClientDataset& egresos() const;
    ClientDataset& documentos() const;          // EGRESODETALLE
    ClientDataset& cruces() const;              // EGRECRUCES
    ClientDataset& conta() const;               // EGRECONTA
    ClientDataset& caja() const;                // EGRECAJA
    ClientDataset& banco() const;               // EGREBANCO
    ClientDataset& prefijos() const;            // type 62, filtered as configured
    ClientDataset& clases() const;              // CLEG_ID, CLEG_NOMBRE
    ClientDataset& monedas() const;             // open only when currencies are asked
    ClientDataset& tipos_cxp() const;           // TIDO_COD, TIDO_NOMCORTO with tido_cxp = 'S'
    ClientDataset& tipos_cartera() const;       // tido_cart = 'S'
    Field& campo(const QString& nombre) const;  // of the voucher
    MediosPago& medios() const;
    Contabilizacion& contabilizacion() const;

    // The keyboard map: what `key` (Qt::Key, no modifiers) does now.
    // `conta_con_foco`: the accounting grid has the focus (pickers' target).
    Accion accion(int key) const;
    Panel panel() const;  // documents, cash or bank when active, else Cruces or Ninguno
    bool cruces_abierto() const;

    // Window state.
    bool pide_moneda() const;
    bool fecha_editable() const;
    bool numero_editable() const;
    bool prefijo_elegible() const;       // more than one prefix
    bool montos_editables() const;       // discount, withholdings, CREE and amount
    bool retenciones_editables() const;  // withholding columns of documents paid
    bool conta_editable() const;         // free accounting lines
    bool ver_pago() const;               // "Ver pago" enabled (payee is a supplier)
    bool boton_caja() const;
    bool boton_banco() const;
    bool caja_destino_visible() const;  // kind "2"
    QString nombre_cuenta() const;      // of the current accounting line, below the grid
    int interfaz() const;

    // Sums shown in the footers.
    struct Sumas {
        Currency abono, dtof, rtfte, rtiva, rtica, rcree;  // documents paid
        Currency cruces;                                   // cross abonos (SumCruce)
        Currency debitos, creditos;                        // accounting lines
    };
    Sumas sumas() const;

    // Header rules, one per control.
    void cambie_prefijo(const QString& prefijo);
    void cambie_numero(const QString& numero);
    void cambie_fecha(const QDate& fecha);
    void cambie_moneda(int moneda);
    // "?..." asks the window for the third-party search (signal busque_tercero).
    void cambie_nit(const QString& nit);
    void cambie_tipo(const QString& clave);  // "1".."5"
    void cambie_monto(Currency monto);
    void cambie_excedente(Currency excedente);
    void cambie_caja_destino(int caja);

    // Documents panel ("Pago cuenta por pagar ").
    void abra_documentos();
    bool continue_documentos();
    // Asks first; true when the lines were dropped.
    bool cancele_documentos();
    void borre_documento();  // current line (an advance it created goes too)

    // Crosses panel ("Pago de Cliente").
    void abra_cruces();
    bool continue_cruces();

    // Accounting lines: the template chooser's choice.
    void aplique_plantilla(int id);

    // Values the pickers leave, consumed in the order of the window's
    // activation. `conta_con_foco`: the accounting grid had the focus.
    void reciba_tercero(const QString& nit, bool conta_con_foco);
    void reciba_centro(const QString& proyecto, const QString& centro, const QString& subcentro);
    void reciba_cuenta(const QString& cuenta);
    void reciba_documento_cxp(const DocumentoSeleccionado& documento);
    void reciba_documento_cartera(const DocumentoSeleccionado& documento);
    // A group of CONSOLIDE_FALTANTES: payables documents to pay, or
    // receivables ones to cross when the crosses panel is open.
    void reciba_grupo(int cefa_id);
    // The advance the advance window stored for this voucher.
    void reciba_anticipo(qint64 id, const QString& prefijo, const QString& numero);

    // F2. True when stored and posted (and the print step ran); false
    // leaves everything as typed for another try.
    bool grabe();
    // Esc: asks when lines exist; true when the voucher was dropped (the
    // window closes).
    bool cancele();
    // Closing the window: the questions and the removal of an advance
    // created from this unsaved voucher. Never stores anything.
    void cierre();
    // A new voucher in the given prefix (the current one when empty).
    void prepare_nuevo(const QString& prefijo = {});

    // The print step after a save, given the stored voucher's id.
    std::function<void(qint64)> imprima;
    // Modal windows the rules open by name, supplied by the window layer:
    // "Tfconsegreso" shows the voucher that already has a typed number,
    // "Tfcuentas" the accounts master on a code to create, "Tfterceros" the
    // third parties' master on a NIT to create.
    std::function<int(qint64)> consulte_egreso;
    std::function<int(const QString&)> cree_cuenta;
    std::function<int(const QString&)> cree_tercero;

  signals:
    // A check failed on this field of the voucher: the window moves the focus.
    void enfoque(const QString& campo);
    // The panel shown changed (open, continue, cancel).
    void panel_cambiado();
    // "?" typed in a code box: the window opens the chooser.
    void busque_tercero(const QString& texto);
    void busque_cuenta(const QString& texto);

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace ledgrix
