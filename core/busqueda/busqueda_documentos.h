#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// One column the search text may be matched on, as "Buscar por" offers it.
struct ColumnaBusqueda {
    QString etiqueta;    // what "Buscar por" shows: "Fecha"
    QString sql;         // the column in the statement: "a.ndpr_fecha"
    bool fecha = false;  // dates list newest first and take a typed date
};

// What every search of stored documents shares: the list of a document type
// (of the user's agency when he has one) narrowed by a text typed against
// one column, anywhere in it ("contains") or from it on; the row under the
// cursor; and the annulment of a live document or the deletion of an
// annulled one, with the user's reason when the configuration asks for it,
// all in one unit of work with the document's ledger voucher.
//
// The list is read in packets: the first screen comes back at once however
// many documents there are, provided the column has an index on its upper
// form (names, numbers) or on itself (dates, newest first).
//
// A document type gives its statement, its columns and its wording; the
// search and the annulment steps are the same for all.
class BusquedaDocumentos : public QObject {
    Q_OBJECT
  public:
    ~BusquedaDocumentos() override;

    ClientDataset& filas() const { return *CFilas; }
    int tipo_documento() const { return tipo_; }
    const QList<ColumnaBusqueda>& columnas() const { return columnas_; }
    int columna_inicial() const { return columna_inicial_; }

    // Lists the documents whose column `columna` (an index of columnas())
    // holds `texto`: anywhere in it when `contiene`, otherwise from it on
    // (dates: a date typed in the installation's format). Ordered by that
    // column, dates newest first. The text may hold anything: it is quoted.
    bool busque(int columna, const QString& texto, bool contiene);
    // The last search again (after an annulment, or when the window is
    // activated again).
    bool repita();
    // The statement of the last search, as sent.
    QString sentencia() const { return sentencia_; }

    // Puts the cursor on the document `id` when it is among the rows read.
    void ubique(qint64 id);

    // The current row's document; 0 when the list is empty.
    qint64 actual() const;
    QString prefijo() const;
    QString numero() const;
    bool anulado() const;

    // First step of F3: whatever refuses the annulment or deletion of the
    // current row before the user is asked anything (no row, no access, a
    // document of another kind that cannot be annulled here, an annulled
    // one and a user who is no administrator). False: the user was told
    // and nothing changed.
    bool puede_anular();
    // Whether the configuration asks for the reason of every annulment
    // ("GENERAL"/"GENERAL"/"ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS
    // DOCUMENTOS" = "SI").
    bool pide_razon() const;
    // Second step: checks the reason (when asked for), asks the questions,
    // and annuls the live document or deletes the annulled one in one unit
    // with its ledger voucher and the reason on its audit row. The list is
    // read again. False when nothing changed (refused, answered no, or the
    // database refused: the user was told).
    bool anule(const QString& razon = {});

    // The field that tells an annulled row ("S").
    QString columna_anulado() const { return campo_anulado(); }

  signals:
    // The user may not annul here, and was told: the window has nothing
    // more for him.
    void acceso_negado();

  protected:
    BusquedaDocumentos(Tfdm& dm, int tipo, QObject* parent);

    Tfdm& dm() const { return dm_; }
    int tipo() const { return tipo_; }
    // Called by the constructor of the document's search.
    void defina_columnas(QList<ColumnaBusqueda> columnas, int inicial);

    // "select ... from ... where <joins>" of the document's rows, with the
    // agency's condition when the login has one; conditions follow with
    // " and ...". Rows with id 0 (a document still being entered) are
    // left out by the base.
    virtual QString seleccion() const = 0;
    // Conditions every listing adds (a look-back window, a kind).
    virtual QString condiciones() const { return {}; }
    // Tie-breaker after the chosen column (the id, newest first).
    virtual QString desempate() const;
    // Field names in the rows.
    virtual QString campo_id() const = 0;
    virtual QString campo_prefijo() const = 0;
    virtual QString campo_numero() const = 0;
    virtual QString campo_anulado() const = 0;

    // Access check of the window (module and option): false when refused;
    // the base then shows mensaje_acceso().
    virtual bool con_acceso() = 0;
    virtual QString mensaje_acceso() const;
    // Refusals of the document itself (an electronic document, a payroll
    // voucher): false with the user told.
    virtual bool admite_anulacion() { return true; }
    // The questions before annulling and deleting.
    virtual QString pregunta_anular() const = 0;
    virtual QString pregunta_eliminar() const = 0;
    // Statements that annul / delete the current document; more questions
    // may be asked here (the cheque to reuse). Empty list: the user gave up.
    virtual QStringList sentencias_anular() = 0;
    virtual QStringList sentencias_eliminar() = 0;

  private:
    Tfdm& dm_;
    int tipo_;
    ClientDataset* CFilas = nullptr;
    QList<ColumnaBusqueda> columnas_;
    int columna_inicial_ = 0;
    int columna_ = 0;
    QString texto_;
    bool contiene_ = false;
    QString sentencia_;
};

}  // namespace ledgrix
