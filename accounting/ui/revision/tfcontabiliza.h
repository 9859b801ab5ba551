#pragma once

#include <QDialog>
#include <functional>

#include "accounting/contabilizacion/revision.h"

class QLabel;
class QLineEdit;
class QTabWidget;

namespace ledgrix {

class Contabilizacion;
class DatasetModel;
class LedgrixGrid;
class Tfdm;

// "Contabilización": the staging voucher of a document before it goes to the
// ledger. The user corrects the lines of the local books ("Dec.2649") and of
// the NIIF books, loads a template with F9 and saves with F2, which ends the
// window with Accepted; Esc leaves (asking when lines were changed).
class Tfcontabiliza : public QDialog {
    Q_OBJECT
public:
    Tfcontabiliza(Tfdm& dm, int tipo, qint64 id, QWidget* parent = nullptr);

    // Makes the posting protocol of `servicio` show this window, over
    // `padre`, for the document in its review slots.
    static void instale(Contabilizacion& servicio, QWidget* padre);
    // The supplier master lives above this library: the program installs
    // how "Nuevo acreedor" opens (modal; its result code) at start-up.
    using VentanaNuevoTercero = std::function<int(Tfdm& dm, QWidget* parent)>;
    static void instale_nuevo_tercero(VentanaNuevoTercero ventana);

    RevisionContable& logica() { return logica_; }
    QTabWidget* paginas() const { return paginas_; }
    LedgrixGrid* grilla(RevisionContable::Pagina pagina) const;
    QLineEdit* concepto() const { return concepto_; }
    QLineEdit* referencia() const { return referencia_; }
    QLineEdit* articulo() const { return articulo_; }

    void SBGrabarClick();
    void SBPlantillaClick();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pagina {
        LedgrixGrid* grilla = nullptr;
        DatasetModel* modelo = nullptr;
        QLabel* totales = nullptr;
    };
    void arme_pagina(RevisionContable::Pagina pagina, const QString& titulo);
    RevisionContable::Pagina actual() const;
    void muestre_datos();
    void muestre_totales(RevisionContable::Pagina pagina);
    void nueva_linea();
    void borre_linea();
    bool tecla(int key);

    Tfdm& dm_;
    RevisionContable logica_;
    QTabWidget* paginas_;
    Pagina local_;
    Pagina niif_;
    QLineEdit* concepto_;
    QLineEdit* referencia_;
    QLabel* nombre_cuenta_;
    QLabel* nombre_tercero_;
    QLabel* titulo_articulo_;
    QLineEdit* articulo_;
    bool grabado_ = false;
};

}  // namespace ledgrix
