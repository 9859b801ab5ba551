#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

namespace ledgrix {

// What a menu entry, a panel button or a button of a menu window does.
enum class Accion {
    Ninguna,      // shown, nothing bound
    Ventana,      // opens a working window by class name
    Aviso,        // shows a notice instead of a window
    MenuVentana,  // opens one of the small menu windows
    Mensaje,      // the instant-message window
    Mosaico,      // child window arrangement
    CerrarActiva,
    Cascada,
    Horizontal,
    Vertical,
    MinimizarTodas,
    AcercaDe,  // the about box
    Salir,     // closes the main window, which ends the run
};

inline constexpr int kSinControl = -1;

inline const QString kAvisoMantenimiento =
    QStringLiteral("Opción en mantenimiento, disculpe los inconvenientes.");
// Same refusal as everywhere, capitalised by the maintenance utilities.
inline const QString kAccesoNoPermitidoMayuscula =
    QStringLiteral("Acceso no permitido. Comuníquese con el administrador del sistema.");
inline const QString kAccesoSoporte =
    QStringLiteral("Acceosno permitido, consulte con su administrador");

struct Destino {
    Accion accion = Accion::Ninguna;
    QString ventana;                  // window or menu-window class
    int opcion = kSinControl;         // access option; kSinControl: no check
    QString modulo;                   // empty: the login's module
    QString rechazo;                  // empty: the usual refusal
    QString respaldo;                 // class opened instead when refused (with its own check)
    QString aviso;                    // text of an Accion::Aviso
    bool busqueda_principal = false;  // the supplier search is opened from the main window
    bool cierra_al_rechazar = false;  // a refusal also closes the menu window it came from
};

struct EntradaMenu {
    QStringList ruta;  // menu and submenus, captions with their accelerators
    QString titulo;
    QString atajo;  // portable key sequence text ("Ctrl+A", "Shift+F9")
    Destino destino;
};

struct Boton {
    QString titulo;
    Destino destino;
};

struct VentanaMenu {
    QString clase;
    QString titulo;
    QRect lugar;  // left, top, width, height inside the main window's work area
    QList<Boton> botones;
};

// The main menu in display order.
const QList<EntradaMenu>& tabla_menu();
// Left-hand panel and top panel buttons.
const QList<Boton>& botones_laterales();
const QList<Boton>& botones_superiores();
// The small menu windows.
const QList<VentanaMenu>& ventanas_menu();
const VentanaMenu* ventana_menu(const QString& clase);

// The menu's own way to open a window class (used by fall-throughs and the
// side panel); nullptr when the menu does not open it.
const Destino* destino_de_ventana(const QString& clase);
// Readable name of a window class: the caption, without accelerator, of the
// first entry or button that opens it; the class itself when none does.
QString nombre_ventana(const QString& clase);
// "&Busqueda cargos" -> "Busqueda cargos" ("&&" stays a literal "&").
QString sin_acelerador(const QString& titulo);

}  // namespace ledgrix
