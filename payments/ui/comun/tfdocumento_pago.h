#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>

#include "payments/ui/comun/muestra_diferida.h"

class QComboBox;
class QDate;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace ledgrix {

class ClientDataset;
class Contabilizacion;
class EnlacesCampos;
class Field;
class Tfdm;
struct DocumentoSeleccionado;

// What the payment document windows share over their logic: the header's
// first two rows (prefix, number, date and currency; the NIT with its
// chooser and the name), the boxes bound to the document's columns, Enter
// handing a box's value to its rule before the cursor moves on, the window's
// own keys winning over its children's use of them, the refresh once a
// change of the data is complete, and the window's size and place in the
// main window's work area. A window of the family derives from
// TfdocumentoPagoDe over its logic class, builds the rest in its
// constructor and calls termine() at the end of it.
class TfdocumentoPago : public QWidget {
    Q_OBJECT
  public:
    // The box bound to a column of the document; nullptr for any other.
    QLineEdit* editor(const QString& campo) const;
    QComboBox* prefijo() const { return prefijo_; }
    QLabel* nombre() const { return nombre_; }

    // "?" or a double click in the NIT, or its "..." button: the supplier
    // chooser, whose choice goes to the NIT's rule.
    virtual void busque_tercero(const QString& texto = {});

  protected:
    // The header's columns are named after the document's column prefix
    // ("EGRE" -> EGRE_NUMERO, EGRE_FECHA, EGRE_MONEDA) but for the rate's;
    // then the name label's object name, the NIT's caption and how many grid
    // columns the currency row and the name span.
    struct Encabezado {
        QString prefijo;
        QString tasa;
        QString nombre;
        QString rotulo_nit;
        int columnas_moneda = 1;
        int columnas_nombre = 1;
    };

    TfdocumentoPago(Tfdm& dm, const Encabezado& encabezado, QWidget* parent);

    // The logic's header, as TfdocumentoPagoDe hands it over.
    virtual Field& campo(const QString& nombre) const = 0;
    virtual const ClientDataset& prefijos() const = 0;
    virtual const ClientDataset& monedas() const = 0;
    virtual bool pide_moneda() const = 0;
    virtual bool numero_editable() const = 0;
    virtual bool fecha_editable() const = 0;
    virtual void cambie_prefijo(const QString& prefijo) = 0;
    virtual void cambie_numero(const QString& numero) = 0;
    virtual void cambie_fecha(const QDate& fecha) = 0;
    virtual void cambie_moneda(int moneda) = 0;
    virtual void cambie_nit(const QString& nit) = 0;

    // What each window adds.
    virtual QString nombre_tercero() const = 0;
    // The window's own keys (F2, Esc...): which they are, and running one.
    virtual bool es_propia(int key) const = 0;
    virtual void tecla_propia(int key) = 0;
    virtual void llene_propias() {}
    virtual void muestre_propio() {}
    // A check of the logic failed on `campo`: the cursor goes to its box.
    virtual void enfoque(const QString& campo);
    // A widget that takes Enter itself (a grid and its cells).
    virtual bool toma_enter(QWidget* /*w*/) const { return false; }
    // The boxes a widget is bound by: a panel may bind its own.
    virtual EnlacesCampos& enlaces_de(QWidget* w) const;
    // The panel shown below the header: a value that opened another (a
    // supplier's documents) leaves the cursor in it instead of moving on.
    virtual QWidget* panel_actual() const { return nullptr; }

    Tfdm& dm() const { return dm_; }
    EnlacesCampos& enlaces() const { return *enlaces_; }
    void abierta(bool si);
    bool abierta() const { return abierta_; }
    bool mostrando() const { return mostrando_; }
    bool cerrando() const { return cerrando_; }
    // Closes without the question of closing over typed data.
    void cierre_sin_preguntar();
    // The payables consultation over the document's supplier: what the user
    // chose there, nothing when it was closed without a choice.
    QList<DocumentoSeleccionado> elija_documentos_cxp();

    // The header's first two rows in a grid of their own; the window adds
    // its rows below and its columns at the right.
    QGroupBox* arme_encabezado(QGridLayout*& rejilla);
    // The posting's review over this window and the print step after a save.
    void instale_salidas(Contabilizacion& contabilizacion, std::function<void(qint64)>& imprima,
                         int tipo);
    // Changes the logic makes on its own in `datos` (a rule filling other
    // columns, a list reset) are shown once they are complete.
    void siga(ClientDataset& datos);
    // The keys of every child go through this window, then: a document to
    // work on gets its lists, is shown and waits for the NIT; without one
    // (no series to number it in) the window leaves once placed.
    void termine();
    // Every box from the document.
    void muestre();
    void muestre_luego();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void llene_listas();
    bool tecla(int key, QObject* watched);
    QString col(const char* sufijo) const {
        return columnas_.prefijo + QLatin1Char('_') + QLatin1String(sufijo);
    }

    Tfdm& dm_;
    Encabezado columnas_;
    EnlacesCampos* enlaces_ = nullptr;
    bool abierta_ = false;
    bool mostrando_ = false;
    bool ubicada_ = false;
    bool cerrando_ = false;
    MuestraDiferida diferida_{this, [this] { muestre(); }};
    QComboBox* prefijo_ = nullptr;
    QComboBox* moneda_ = nullptr;
    QWidget* fila_moneda_ = nullptr;
    QLabel* nombre_ = nullptr;
};

// The base over one logic class: the window owns its logic, opens it, and
// the header's rules and signals are the logic's members of the same names.
// `tipo` is the document type the print step is given.
template <class Logica>
class TfdocumentoPagoDe : public TfdocumentoPago {
  public:
    Logica& logica() { return logica_; }

  protected:
    TfdocumentoPagoDe(Tfdm& dm, int tipo, const Encabezado& encabezado, QWidget* parent)
        : TfdocumentoPago(dm, encabezado, parent), logica_(dm, this) {
        abierta(logica_.abra());
        instale_salidas(logica_.contabilizacion(), logica_.imprima, tipo);
        QObject::connect(&logica_, &Logica::enfoque, this,
                         [this](const QString& c) { enfoque(c); });
        QObject::connect(&logica_, &Logica::busque_tercero, this,
                         [this](const QString& texto) { busque_tercero(texto); });
    }

    Field& campo(const QString& nombre) const override { return logica_.campo(nombre); }
    const ClientDataset& prefijos() const override { return logica_.prefijos(); }
    const ClientDataset& monedas() const override { return logica_.monedas(); }
    bool pide_moneda() const override { return logica_.pide_moneda(); }
    bool numero_editable() const override { return logica_.numero_editable(); }
    bool fecha_editable() const override { return logica_.fecha_editable(); }
    void cambie_prefijo(const QString& prefijo) override { logica_.cambie_prefijo(prefijo); }
    void cambie_numero(const QString& numero) override { logica_.cambie_numero(numero); }
    void cambie_fecha(const QDate& fecha) override { logica_.cambie_fecha(fecha); }
    void cambie_moneda(int moneda) override { logica_.cambie_moneda(moneda); }
    void cambie_nit(const QString& nit) override { logica_.cambie_nit(nit); }

    Logica logica_;
};

}  // namespace ledgrix
