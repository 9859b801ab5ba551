#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include "core/ui/lista/tflista.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;

namespace ledgrix {

class BusquedaDocumentos;

// What a search window of stored documents is, whatever the document: "Buscar
// por" with the columns of its search, the text, "Buscar en cualquier
// posición"; the list (filter row, export, print); F8 or Enter lists, F4 or a
// double click opens the consultation of the row, F3 annuls or deletes it,
// with the reason panel when the configuration asks for one (F5 goes on,
// Esc hides it). Annulled rows are drawn apart; coming back to the window
// (from the consultation, another window) lists again what is stored now; a
// user refused the right to annul is told and the window closes. A
// document's search adds its own keys with agregue_tecla.
class Tfbusquedadocumentos : public Tflista {
    Q_OBJECT
  public:
    struct Opciones {
        QString clase;       // "Tfbuscegreso"
        QString titulo;      // the caption
        QString archivo;     // default name of the exported file
        QString consulta;    // class of the consultation window ("" none)
        QString campo_nombre = QStringLiteral("TERC_NOM");  // the supplier's name
        // Titles of the fields shown, in the statement's names; fields
        // titled "" are hidden.
        QList<QPair<QString, QString>> titulos;
        // The text is cleared after each listing (it is then typed afresh);
        // otherwise the list follows the typing once it pauses.
        bool limpie_texto = false;
        // "Buscar en cualquier posición" ticked when the window opens.
        bool contiene = false;
    };

    BusquedaDocumentos& logica() const { return *logica_; }
    QComboBox* columna_busqueda() const { return columna_; }
    QLineEdit* texto() const { return texto_; }
    QCheckBox* contiene() const { return contiene_; }
    QFrame* panel_razon() const { return panel_razon_; }
    QPlainTextEdit* razon() const { return razon_; }

    void SBBuscarClick();     // F8
    void SBConsultarClick();  // F4
    void SBAnularClick();     // F3
    void SBContinuarClick();  // F5 of the reason panel
    void SBImprimirClick();   // the list, dated

  protected:
    // The window owns `logica`.
    Tfbusquedadocumentos(Tfdm& dm, BusquedaDocumentos* logica, Opciones opciones,
                         QWidget* parent);

    const Opciones& ajustes() const { return opciones_; }
    // The current row as dm.documento_consultado; false (the user told)
    // when the list is empty.
    bool tome_actual();
    // Fits the columns to a new listing.
    void titule();

    // Esc hides the reason panel first.
    void SBSalirClick() override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void oculte_razon();
    void reactivada();

    BusquedaDocumentos* logica_;
    Opciones opciones_;
    QComboBox* columna_ = nullptr;
    QLineEdit* texto_ = nullptr;
    QCheckBox* contiene_ = nullptr;
    QFrame* panel_razon_ = nullptr;
    QPlainTextEdit* razon_ = nullptr;
    bool mostrada_ = false;
    bool por_releer_ = false;
    bool activada_ = false;
};

}  // namespace ledgrix
