#include "app/navegacion/tabla_menu.h"

namespace ledgrix {

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

Destino ventana(const char* clase, int opcion, const char* respaldo = "") {
    Destino d;
    d.accion = Accion::Ventana;
    d.ventana = s(clase);
    d.opcion = opcion;
    d.respaldo = s(respaldo);
    return d;
}

Destino con_rechazo(Destino d, const QString& texto) {
    d.rechazo = texto;
    return d;
}

Destino accion(Accion a) {
    Destino d;
    d.accion = a;
    return d;
}

Destino aviso_mantenimiento() {
    Destino d;
    d.accion = Accion::Aviso;
    d.opcion = 66;
    d.aviso = kAvisoMantenimiento;
    return d;
}

Destino menu_ventana(const char* clase) {
    Destino d;
    d.accion = Accion::MenuVentana;
    d.ventana = s(clase);
    return d;
}

QList<EntradaMenu> construya_menu() {
    const QStringList archivo{s("Archivo")};
    const QStringList edicion{s("Edición")};
    const QStringList acreedores{s("Acreedo&res")};
    const QStringList cargos{s("&Documentos"), s("&Cargos")};
    const QStringList descuentos{s("&Documentos"), s("&Descuentos")};
    const QStringList pagos{s("&Documentos"), s("&Pagos")};
    const QStringList aplicaciones{s("&Documentos"), s("&Aplicaciones")};
    const QStringList anticipos{s("&Documentos"), s("A&nticipos")};
    const QStringList documentos{s("&Documentos")};
    const QStringList informes{s("&Informes")};
    const QStringList comprobantes{s("&Informes"), s("Co&mprobantes")};
    const QStringList movimientos{s("&Informes"), s("Mo&vimientos")};
    const QStringList cuentas{s("&Informes"), s("&Cuentas por pagar")};
    const QStringList mantenimiento{s("&Mantenimiento")};
    const QStringList vent{s("Ventana")};
    const QStringList ayuda{s("Ayuda")};

    Destino busqueda_acreedores = ventana("Tfbuscprove", 1);
    busqueda_acreedores.busqueda_principal = true;
    Destino vencimiento = con_rechazo(ventana("Tfcambiavence", 74), kAccesoNoPermitidoMayuscula);
    vencimiento.modulo = s("COMPRAS");

    return {
        {archivo, s("Configurar &Impresora"), {}, accion(Accion::Ninguna)},
        {archivo, s("&Salir"), {}, accion(Accion::Salir)},
        {edicion, s("&Copiar"), {}, accion(Accion::Ninguna)},
        {edicion, s("Cor&tar"), {}, accion(Accion::Ninguna)},
        {edicion, s("&Pegar"), {}, accion(Accion::Ninguna)},
        {acreedores, s("&Nuevo acreedor"), s("Ctrl+A"), ventana("Tfnvoproveedor", 0)},
        {acreedores, s("&Busqueda acreedores"), s("Ctrl+B"), busqueda_acreedores},
        {acreedores, s("&Ver cuentas por pagar"), s("Shift+F9"), ventana("Tfmovicuenxpagar", 110)},
        {cargos, s("Originar &cargos"), {}, ventana("Tfnotasdebitocxp", 10, "Tfbuscanotdebito")},
        {cargos, s("&Busqueda cargos"), s("Shift+F1"), ventana("Tfbuscanotdebito", 11)},
        {cargos,
         s("Enviar documento soporte"),
         {},
         con_rechazo(ventana("Tfenviandele", 10), kAccesoSoporte)},
        {descuentos,
         s("Originar &descuento"),
         {},
         ventana("Tfnotascreditocxp", 20, "Tfbuscancredito")},
        {descuentos, s("&Busqueda descuentos"), s("Shift+F2"), ventana("Tfbuscancredito", 21)},
        {pagos, s("&Generar egresos"), {}, ventana("Tfegresos", 30, "Tfbuscegreso")},
        {pagos, s("&Busqueda de egresos"), s("Shift+F3"), ventana("Tfbuscegreso", 31)},
        {aplicaciones,
         s("&Ejecutar aplicación"),
         {},
         ventana("Tfaplicacion", 40, "Tfbuscaplicaciones")},
        {aplicaciones, s("&Busqueda aplicaciones"), s("Shift+F4"),
         ventana("Tfbuscaplicaciones", 41)},
        {anticipos, s("&Busqueda anticipos"), s("Shift+F5"), ventana("Tfbuscantipos", 51)},
        {documentos, s("Crédito por pagar"), {}, ventana("Tfcausacredito", kSinControl)},
        {informes, s("&Proveedores"), {}, ventana("Tfrepoproveedor", 70)},
        {comprobantes, s("Con&secutivos"), {}, ventana("Tfrepoconsecutivo", 81)},
        {comprobantes, s("Cro&nológico"), {}, ventana("Tfrepocrono", 80)},
        {movimientos, s("Movimiento por &acreedor"), {}, ventana("Tfrepomovprove", 90)},
        {movimientos, s("&Estados de cuenta"), {}, ventana("Tfrepoestdocuentas", 91)},
        {movimientos, s("&Retenciones"), {}, ventana("Tfreporelaprov", 92)},
        {cuentas, s("&Relación ctas. x pagar"), {}, ventana("Tfrepocxpaga", 100)},
        {cuentas, s("&Análisis"), {}, ventana("Tfrepoanalisi", 101)},
        {cuentas, s("&Doc. por acreedor"), {}, ventana("TfrepDoc_prov", 102)},
        {mantenimiento, s("&Grupos de proveedor"), {}, ventana("Tfgruprov", 60)},
        {mantenimiento, s("&Numeración"), {}, ventana("TFConsecut", 61)},
        {mantenimiento, s("&Ciudades"), {}, ventana("Tfciudades", 62)},
        {mantenimiento, s("&Formatos impresión"), {}, ventana("Tfformatos", 63)},
        {mantenimiento, s("Interfa&z contable"), {}, ventana("Tfinterfaces", 64)},
        {mantenimiento, s("&Importar datos"), {}, ventana("Tfimportar1", 65)},
        {mantenimiento, s("&Exportar datos"), {}, aviso_mantenimiento()},
        {mantenimiento,
         s("&Recalculo de saldos"),
         {},
         con_rechazo(ventana("Tfchequeosaldos", 67), kAccesoNoPermitidoMayuscula)},
        {mantenimiento, s("C&ambiar retenciones"), {}, ventana("Tfcambiaretes", 0)},
        {mantenimiento, s("Cambiar &Vencimiento"), {}, vencimiento},
        {mantenimiento, s("&Procedimientos usuario"), {}, ventana("Tfprocusr", 67)},
        {vent, s("Mensaje"), s("Ctrl+M"), accion(Accion::Mensaje)},
        {vent, s("&Organizar"), {}, accion(Accion::Mosaico)},
        {vent, s("&Cerrar"), {}, accion(Accion::CerrarActiva)},
        {vent, s("C&ascada"), {}, accion(Accion::Cascada)},
        {vent, s("Org. &Horizontalmente"), {}, accion(Accion::Horizontal)},
        {vent, s("Org &Verticalmente"), {}, accion(Accion::Vertical)},
        {vent, s("&Minimizar todas"), {}, accion(Accion::MinimizarTodas)},
        {ayuda, s("&Contenido"), {}, accion(Accion::Ninguna)},
        {ayuda, s("&Búsqueda"), {}, accion(Accion::Ninguna)},
        {ayuda, s("&Acerca de"), {}, accion(Accion::AcercaDe)},
    };
}

QList<VentanaMenu> construya_ventanas() {
    Destino proveedores = ventana("Tfrepoproveedor", 70);
    proveedores.cierra_al_rechazar = true;
    return {
        {s("Tfmenumantenimiento"),
         s("Mantenimiento"),
         QRect(1, 220, 179, 332),
         {{s("&Grupos proveedor"), ventana("Tfgruprov", 60)},
          {s("&Numeración"), ventana("TFConsecut", 61)},
          {s("&Ciudades"), ventana("Tfciudades", 62)},
          {s("&Formatos de impr."), ventana("Tfformatos", 63)},
          {s("&Interfaz contable"), ventana("Tfinterfaces", 64)},
          {s("I&mportar datos"), ventana("Tfimportar1", 65)},
          {s("E&xportar datos"), aviso_mantenimiento()},
          {s("&Recalcular saldos"), ventana("Tfchequeosaldos", 67)},
          {s("Autorización DIAN"), ventana("Tfautorizacion", 68)}}},
        {s("Tfmenureportes1"),
         s("Informes"),
         QRect(1, 250, 171, 165),
         {{s("&Proveedores"), proveedores},
          {s("Com&probantes"), menu_ventana("Tfmenureportes")},
          {s("&Movimientos"), menu_ventana("Tfmenureportes3")},
          {s("&Cuentas x pagar"), menu_ventana("Tfmenureportes2")}}},
        {s("Tfmenureportes"),
         s("Inf. documentos"),
         QRect(172, 270, 174, 133),
         {{s("Co&nsecutivos"), ventana("Tfrepoconsecutivo", 81)},
          {s("C&ronológico"), ventana("Tfrepocrono", 80)}}},
        {s("Tfmenureportes2"),
         s("Cuentas por Pagar"),
         QRect(172, 360, 163, 140),
         {{s("Relación c. x pagar"), ventana("Tfrepocxpaga", 100)},
          {s("&Análisis"), ventana("Tfrepoanalisi", 101)},
          {s("&Doc. x acreedor"), ventana("TfrepDoc_prov", 102)}}},
        {s("Tfmenureportes3"),
         s("Inf. Movimiento"),
         QRect(172, 330, 167, 142),
         {{s("&Estados de cuenta"), ventana("Tfrepoestdocuentas", 91)},
          {s("&Mov. por acreedor"), ventana("Tfrepomovprove", 90)},
          {s("&Retenciones"), ventana("Tfreporelaprov", 92)}}},
    };
}

// Side buttons do what the menu entry opening the same window does.
Boton como_menu(const char* titulo, const char* clase) {
    for (const EntradaMenu& e : tabla_menu())
        if (e.destino.ventana == s(clase))
            return {s(titulo), e.destino};
    return {s(titulo), {}};
}

}  // namespace

const QList<EntradaMenu>& tabla_menu() {
    static const QList<EntradaMenu> tabla = construya_menu();
    return tabla;
}

const QList<Boton>& botones_laterales() {
    static const QList<Boton> botones{
        como_menu("Acreed&ores", "Tfbuscprove"),
        como_menu("Ca&rgos", "Tfnotasdebitocxp"),
        como_menu("Desc&uentos", "Tfnotascreditocxp"),
        como_menu("Pa&gos", "Tfegresos"),
        como_menu("A&plicaciones", "Tfaplicacion"),
        como_menu("A&nticipos", "Tfbuscantipos"),
        {s("Man&tenimiento"), menu_ventana("Tfmenumantenimiento")},
        {s("In&formes"), menu_ventana("Tfmenureportes1")},
    };
    return botones;
}

const QList<Boton>& botones_superiores() {
    static const QList<Boton> botones{
        {s("Mov. Proveedor"), ventana("Tfmovicuenxpagar", 110)},
        {s("Análisis CxP"), ventana("Tfanalisiscxp", 111)},
        {s("Programar pagos"), ventana("Tfbuscaprogpagos", 113)},
        {s("Analisis movimiento"), ventana("Tfanalisismovcxp", kSinControl)},
    };
    return botones;
}

const QList<VentanaMenu>& ventanas_menu() {
    static const QList<VentanaMenu> ventanas = construya_ventanas();
    return ventanas;
}

const VentanaMenu* ventana_menu(const QString& clase) {
    for (const VentanaMenu& v : ventanas_menu())
        if (v.clase == clase)
            return &v;
    return nullptr;
}

const Destino* destino_de_ventana(const QString& clase) {
    for (const EntradaMenu& e : tabla_menu())
        if (e.destino.accion == Accion::Ventana && e.destino.ventana == clase)
            return &e.destino;
    return nullptr;
}

QString sin_acelerador(const QString& titulo) {
    QString r;
    r.reserve(titulo.size());
    for (qsizetype i = 0; i < titulo.size(); ++i) {
        if (titulo[i] == QLatin1Char('&') && i + 1 < titulo.size())
            ++i;
        r += titulo[i];
    }
    return r;
}

QString nombre_ventana(const QString& clase) {
    for (const EntradaMenu& e : tabla_menu())
        if (e.destino.ventana == clase)
            return sin_acelerador(e.titulo);
    for (const Boton& b : botones_superiores())
        if (b.destino.ventana == clase)
            return sin_acelerador(b.titulo);
    for (const VentanaMenu& v : ventanas_menu()) {
        if (v.clase == clase)
            return v.titulo;
        for (const Boton& b : v.botones)
            if (b.destino.ventana == clase)
                return sin_acelerador(b.titulo);
    }
    return clase;
}

}  // namespace ledgrix
