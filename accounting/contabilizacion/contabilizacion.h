#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace ledgrix {

class Tfdm;

// Payables documents that post to the ledger, by document type code.
enum class DocumentoContable {
    Cargo = 51,
    Descuento = 52,
    Aplicacion = 53,
    Credito = 57,
    Egreso = 62
};

// What the review window works on: the document whose staging voucher it
// shows, and whether the last posting asked for a review at all.
struct Revision {
    int tipo = 0;
    qint64 id = 0;
    bool ver = false;
};

// What a posting run inside a document's unit of work leaves for after the
// unit commits: the problems to show and, when the interface asks for a
// review, the review and the move into the ledger.
struct Contabilizado {
    qint64 idc = 0;
    bool revisar = false;
    QString errores;
};

// Posting of payables documents. Each document type has its stored procedure
// (one for the local books, one for the NIIF books) that writes the staging
// voucher; the members below share one body and differ only by that table.
// The protocol then lets the user review the voucher and has the database
// move it into the ledger.
class Contabilizacion {
  public:
    // Shows the review window for the document in `revision` and answers its
    // modal result. Supplied by the window layer.
    using VentanaRevision = std::function<int(Contabilizacion&)>;
    // Shows the accounting module's voucher editor on a ledger voucher.
    using EditorComprobante = std::function<int(qint64 enco_consec)>;
    // The interface chooser of the document type and prefix: interface id, 0 = none.
    using AbreInterfaz = std::function<int(int tipo, const QString& prefijo)>;

    explicit Contabilizacion(Tfdm& dm) : dm_(dm) {}

    // Staging voucher id of the document; 0 when the procedure produced none.
    // Problems the procedure recorded are shown in one message and do not
    // stop the posting. Sets revision.ver.
    qint64 contabilice_notadb(qint64 id, int interfaz);
    qint64 contabilice_notacr(qint64 id, int interfaz);
    qint64 contabilice_aplicapr(qint64 id, int interfaz);
    qint64 contabilice_egreso(qint64 id, int interfaz);
    qint64 contabilice(DocumentoContable tipo, qint64 id, int interfaz);

    // Posting as part of the unit of work (core/sql/transaccion.h) that
    // stored the document: the staging voucher and, unless the user is to
    // review it first, the ledger voucher are written in the unit. When the
    // ledger voucher cannot be written in the unit (review pending, no
    // voucher produced) the document is listed in DOCUMENTOS_POR_CONTABILIZAR,
    // also in the unit, so that a crash never leaves it unposted unnoticed.
    Contabilizado contabilice_en_unidad(DocumentoContable tipo, qint64 id, int interfaz,
                                        bool revisar);
    // After the unit committed: shows the problems, runs the review and
    // moves the reviewed voucher into the ledger. Answers the staging voucher id.
    qint64 termine(DocumentoContable tipo, qint64 id, const Contabilizado& hecho);
    // Rows to lock first in a unit that posts with this interface, so that
    // stations posting at once take turns (see Transaccion::bloquee).
    QStringList bloqueos(DocumentoContable tipo, int interfaz) const;

    // What a document window does after storing the document: posts it,
    // shows the review when the interface asks for it (unless `revisar` is
    // false, for postings without a user) and moves the voucher into the
    // ledger. Answers the staging voucher id (0: not posted).
    qint64 contabilice_documento(DocumentoContable tipo, qint64 id, int interfaz,
                                 bool revisar = true);

    // "F11:Contabilidad" of the query windows: posts a document that has no
    // ledger voucher yet (with the interface chosen for its type and prefix,
    // through `abre_interfaz` when given); one that has opens the voucher
    // editor for users allowed to edit vouchers.
    void contabilice_de_nuevo(DocumentoContable tipo, qint64 id, const QString& prefijo,
                              const AbreInterfaz& abre_interfaz = {});

    // The ledger voucher (ENCO_CONSEC) of a document; 0 when it has none.
    qint64 comprobante_contable(int tipo, qint64 id) const;

    Revision revision;
    void set_ventana_revision(VentanaRevision ventana) { ventana_revision_ = std::move(ventana); }
    void set_editor_comprobante(EditorComprobante editor) { editor_ = std::move(editor); }

    // The review window takes its document from here and clears the slots.
    Revision tome_revision();

    Tfdm& dm() const { return dm_; }

  private:
    struct Ejecucion {
        qint64 idc = 0;
        bool ver = false;
        QString errores;
    };
    Ejecucion ejecute(DocumentoContable tipo, qint64 id, int interfaz);

    Tfdm& dm_;
    VentanaRevision ventana_revision_;
    EditorComprobante editor_;
};

}  // namespace ledgrix
