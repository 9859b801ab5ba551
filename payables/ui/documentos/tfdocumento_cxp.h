#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "payables/cargos/documento_cxp.h"

class QComboBox;
class QDateEdit;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace ledgrix {

class CampoMonto;
class Tfdm;

// What the "... en Cuenta" windows share over one payables document: every
// box is bound to a column named from the document's column prefix; leaving
// a box (or Enter, which moves on) hands the value to the logic's rule for
// it. Amounts, rates and percentages are CampoMonto boxes: typed and shown in
// the installation's number format, refused in any other. F2 saves, Esc
// cancels, F5 opens or applies the VAT bases, F6 searches the supplier; "?"
// as the first character of a code box, or a double click on it, opens its
// chooser. A window of the family adds its own boxes through the hooks and
// calls arme() at the end of its constructor.
class TfdocumentoCxp : public QWidget {
    Q_OBJECT
  public:
    // Opens a window of another part of the program by class name, modally,
    // over `parent`; answers 1 when it was shown. Installed by whoever
    // registers the program's windows.
    using Externa = std::function<int(Tfdm& dm, const QString& clase, QWidget* parent)>;
    static void instale_externa(Externa externa);

    // The box bound to a column of the document; nullptr for any other.
    QLineEdit* editor(const QString& campo) const;
    // The box of an amount, rate or percentage column; nullptr for any other.
    CampoMonto* monto(const QString& campo) const;
    QDateEdit* fecha(const QString& campo) const;
    QComboBox* prefijo() const { return prefijo_; }
    QLabel* nombre() const { return nombre_; }
    QLabel* neto() const { return neto_; }
    QLabel* total() const { return total_; }
    QFrame* panel_bases() const { return panel_bases_; }

    void SBGrabarClick();
    void SBCancelaClick();
    void SBBasesClick();
    void busque_proveedor(const QString& texto = {});

  protected:
    TfdocumentoCxp(Tfdm& dm, DocumentoCxp& documento, QWidget* parent);

    // Opens the document, builds the boxes through the hooks and shows it.
    void arme();

    // The column of the document with the given suffix ("MONTO" -> "NCPR_MONTO").
    QString col(const char* sufijo) const { return documento_.columna(sufijo); }
    QLineEdit* caja(const QString& campo, std::function<void(const QString&)> accion = {},
                    std::function<void(const QString&)> busca = {});
    CampoMonto* caja_monto(const QString& campo, std::function<void(Currency)> accion = {});
    QDateEdit* caja_fecha(const QString& campo, std::function<void(const QDate&)> accion = {});
    QPushButton* boton(const QString& texto, std::function<void()> accion);
    // A list whose choice goes to a column as its item's data, or to `accion`.
    QComboBox* lista(const QString& campo, std::function<void(const QVariant&)> accion = {});
    QString texto(const QString& campo) const;
    int abra_ventana(const QString& clase);
    Tfdm& dm() const { return dm_; }
    bool mostrando() const { return mostrando_; }
    bool abierta() const { return abierta_; }
    // Refreshes every box from the document.
    void muestre();

    // What one kind of document adds.
    virtual void encabezado_propio(QGridLayout& /*r*/, QWidget* /*g*/) {}
    virtual void otros_propios(QGridLayout& r, QWidget* g) = 0;
    virtual void paneles_propios(QStackedWidget& /*lado*/) {}
    virtual void llene_propias() {}
    virtual void muestre_propio() {}
    // A panel of its own in place of the rest; nullptr for none.
    virtual QWidget* panel_abierto() const { return nullptr; }
    virtual bool tecla_propia(int /*key*/) { return false; }
    // A widget that takes Enter itself (a grid being edited).
    virtual bool toma_enter(QObject* /*watched*/) const { return false; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Enlace {
        QString campo;
        QLineEdit* editor;
        std::function<void(const QString&)> accion;  // the rule; empty: the value is set as typed
        std::function<void(const QString&)> busca;   // the chooser of a code box
    };
    struct EnlaceMonto {
        QString campo;
        CampoMonto* editor;
        std::function<void(Currency)> accion;  // the rule; empty: the value is set as typed
    };
    struct EnlaceFecha {
        QString campo;
        QDateEdit* editor;
        std::function<void(const QDate&)> accion;
    };
    struct EnlaceLista {
        QString campo;
        QComboBox* lista;
    };

    QWidget* encabezado();
    QWidget* valores();
    QWidget* otros();
    QFrame* arme_bases();
    void llene_listas();
    void aplique(const Enlace& e);
    void aplique(const EnlaceMonto& m, Currency valor);
    // False when an amount box holds text that is not a number (the user was told).
    bool aplique_pendientes();
    void ubique_en_area();
    void busque_cuenta(DocumentoCxp::Cuenta cuenta, const QString& texto);
    bool tecla(int key, QObject* watched);

    Tfdm& dm_;
    DocumentoCxp& documento_;
    bool abierta_ = false;
    bool mostrando_ = false;
    bool ubicada_ = false;
    std::vector<Enlace> enlaces_;
    std::vector<EnlaceMonto> montos_;
    std::vector<EnlaceFecha> fechas_;
    std::vector<EnlaceLista> listas_;
    QComboBox* prefijo_ = nullptr;
    QComboBox* moneda_ = nullptr;
    QComboBox* bodega_ = nullptr;
    QLabel* nombre_ = nullptr;
    QLabel* neto_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* subtotal_ = nullptr;
    QWidget* fila_moneda_ = nullptr;
    QStackedWidget* lado_ = nullptr;
    QWidget* otros_ = nullptr;
    QFrame* panel_bases_ = nullptr;
};

}  // namespace ledgrix
