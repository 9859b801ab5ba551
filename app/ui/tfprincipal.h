#pragma once

#include <QByteArray>
#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QMdiArea>

#include "app/login/ingreso.h"
#include "app/navegacion/tabla_menu.h"

class QAction;
class QFrame;
class QMdiSubWindow;
class QMenu;

namespace ledgrix {

class Buzon;

class LineaEstado;
class RegistroVentanas;
class Tfdm;

// The main window: the menu, the side and top panels, the status panel and
// the work area in which every working window opens.
class Tfprincipal : public QMainWindow {
    Q_OBJECT
public:
    Tfprincipal(Tfdm& dm, QStringList args, QWidget* parent = nullptr);

    QMdiArea* mdi() const { return mdi_; }
    // Runs the login once; false when the user was refused.
    bool ingrese();

    // Where windows are looked up; the process's registry unless told otherwise.
    void setRegistro(RegistroVentanas& registro) { registro_ = &registro; }

    // Carries out an entry or a button: the access check, then the window,
    // notice or arrangement. `origen` is the menu window the button is on.
    void ejecute(const Destino& destino, QWidget* origen = nullptr);
    // Opens a registered window in the work area, or says it is not there yet.
    QWidget* abra_ventana(const QString& clase);
    // Opens (or brings forward) one of the small menu windows.
    QWidget* abra_menu(const QString& clase);
    // Places `ventana` in the work area; it frees itself when closed.
    QMdiSubWindow* agregue_hija(QWidget* ventana);

    // What the login shows in the panels.
    void muestre_compania(const QString& nombre);
    void muestre_usuario(const QString& usuario);
    // Hidden when `agencia` is 0.
    void muestre_agencia(int agencia, const QString& nombre);
    void muestre_revision(const QString& texto);
    // Company logo as stored (any format Qt reads); empty hides it.
    void muestre_logo(const QByteArray& imagen);
    // Colouring of the panels: hue in degrees and saturation in percent.
    void aplique_color(int matiz, int saturacion);

    LineaEstado* lineaEstado() const { return estado_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void atienda_pendientes(const Ingreso::Pendientes& p);
    void construya_menu();
    QFrame* construya_panel_superior();
    QFrame* construya_panel_lateral();
    QFrame* construya_panel_inferior();
    void liste_hijas();
    void organice(Qt::Orientation orientacion);
    void pinteEstado();

    Tfdm& dm_;
    QStringList args_;
    RegistroVentanas* registro_;
    QMdiArea* mdi_;
    Buzon* buzon_ = nullptr;
    QList<QFrame*> paneles_;
    QLabel* compania_;
    QLabel* usuario_;
    QLabel* etiquetaAgencia_;
    QLabel* agencia_;
    QLabel* logo_;
    LineaEstado* estado_;
    QLabel* revision_;
    QMenu* menuVentana_ = nullptr;
    QList<QAction*> hijas_;
    bool dentro_ = false;
};

}  // namespace ledgrix
