#include "tools/tareas/orden.h"

namespace ledgrix::tareas {

namespace {

QString S(const char* texto) {
    return QString::fromUtf8(texto);
}

Opcion texto(const char* nombre, const char* que, bool obligatoria = false) {
    return {S(nombre), Valor::Texto, obligatoria, S(que), {}};
}
Opcion fecha(const char* nombre, const char* que) {
    return {S(nombre), Valor::Fecha, true, S(que), {}};
}
Opcion bandera(const char* nombre, const char* que) {
    return {S(nombre), Valor::Bandera, false, S(que), {}};
}

const QString kFormatoFecha = QStringLiteral("yyyy-MM-dd");

// The criteria both printed payables reports share.
std::vector<Opcion> criterios_reporte(std::vector<Opcion> propias) {
    std::vector<Opcion> o{
        fecha("--corte", "fecha de corte, AAAA-MM-DD"),
        texto("--salida", "archivo a escribir: .pdf (el impreso) o .xlsx (la hoja)", true),
        texto("--proveedor", "NIT de un solo proveedor (sin él: todos)"),
        texto("--moneda", "moneda de los documentos (COP, USD... o su código)"),
        texto("--titulo", "título impreso (sin él: el que arma la ventana)"),
        bandera("--por-nombre", "ordena por nombre del proveedor en vez de NIT"),
    };
    o.insert(o.end(), propias.begin(), propias.end());
    return o;
}

}  // namespace

const std::vector<Opcion>& opciones_comunes() {
    static const std::vector<Opcion> o{
        texto("--usuario", "usuario del módulo", true),
        texto("--compania", "código de la compañía (001)", true),
        texto("--clave-archivo", "archivo cuya primera línea es la clave (si no: LEDGRIX_CLAVE)"),
        texto("--ubicacion", "carpeta o servidor de las bases de datos (si no: conexion.cfg)"),
    };
    return o;
}

const std::vector<Comando>& comandos() {
    static const std::vector<Comando> c{
        {S("vencimientos"),
         S("Análisis de vencimientos de las cuentas por pagar a una fecha de corte."),
         S("Tfrepoanalisi"),
         criterios_reporte({
             {S("--rango-dias"),
              Valor::Entero,
              false,
              S("días de cada tramo (si no: los de la configuración)"),
              {}},
             bandera("--detalle", "un renglón por documento"),
             bandera("--por-vencer", "analiza por días que faltan para vencer"),
             bandera("--solo-vencidos", "sólo los documentos ya vencidos"),
         }),
         {},
         {},
         {S("vencimientos --corte 2025-11-30 --salida /srv/informes/vencimientos.pdf"),
          S("vencimientos --corte 2025-11-30 --proveedor 900123456 --detalle --salida "
            "vencen.xlsx")}},
        {S("relacion"),
         S("Relación de cuentas por pagar a una fecha de corte."),
         S("Tfrepocxpaga"),
         criterios_reporte({
             bandera("--consolidado", "un renglón por proveedor en vez de por documento"),
             bandera("--sin-saldo", "incluye acreedores sin saldo (consolidado)"),
         }),
         {},
         {},
         {S("relacion --corte 2025-11-30 --salida relacion.pdf"),
          S("relacion --corte 2025-11-30 --consolidado --moneda COP --salida relacion.xlsx")}},
        {S("soportes"),
         S("Envía a la DIAN los documentos soporte pendientes de un rango de números."),
         S("Tfenviandele"),
         {{S("--documento"),
           Valor::Texto,
           true,
           S("cargos o descuentos"),
           {S("cargos"), S("descuentos")}},
          texto("--prefijo", "serie de los documentos", true),
          {S("--desde"), Valor::Entero, true, S("primer número"), {}},
          {S("--hasta"), Valor::Entero, true, S("último número"), {}}},
         S("--desde"),
         S("--hasta"),
         {S("soportes --documento cargos --prefijo DS --desde 1 --hasta 999999")}},
        {S("recalculo"),
         S("Recalcula los saldos de los documentos de un rango de proveedores."),
         S("Tfchequeosaldos"),
         {texto("--desde", "NIT del proveedor inicial", true),
          texto("--hasta", "NIT del proveedor final", true),
          texto("--salida", "archivo .csv con los documentos corregidos")},
         S("--desde"),
         S("--hasta"),
         {S("recalculo --desde 800000000 --hasta 900999999 --salida errores.csv")}},
        {S("dispersion"),
         S("Archivo de dispersión para el banco de una programación de pagos confirmada."),
         S("Tfbuscaprogpagos"),
         {texto("--programacion", "número de la programación, con su serie delante si hay varias",
                true),
          texto("--formato", "PAB, MANUAL, BCOBTA, \"BCO CAJA SOCIAL\", \"BCO BBVA\"...", true),
          fecha("--fecha", "fecha de dispersión, AAAA-MM-DD"),
          texto("--secuencia", "secuencia del archivo en el día (A, B...)", true),
          texto("--salida", "archivo a escribir (.txt si no lleva extensión)", true)},
         {},
         {},
         {S("dispersion --programacion 000007 --formato PAB --fecha 2025-12-01 --secuencia A "
            "--salida pab.txt")}},
    };
    return c;
}

const Comando* comando(const QString& nombre) {
    for (const Comando& c : comandos())
        if (c.nombre == nombre)
            return &c;
    return nullptr;
}

QDate Orden::fecha(const QString& opcion) const {
    return QDate::fromString(valor(opcion), kFormatoFecha);
}

namespace {

const Opcion* busque(const Comando* c, const QString& nombre) {
    for (const Opcion& o : opciones_comunes())
        if (o.nombre == nombre)
            return &o;
    if (c)
        for (const Opcion& o : c->opciones)
            if (o.nombre == nombre)
                return &o;
    return nullptr;
}

QString revise_valor(const Opcion& o, const QString& v) {
    switch (o.valor) {
        case Valor::Fecha:
            if (!QDate::fromString(v, kFormatoFecha).isValid())
                return S("La fecha «%1» de %2 no es válida: escríbala como AAAA-MM-DD.")
                    .arg(v, o.nombre);
            break;
        case Valor::Entero: {
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (!ok || n < 0)
                return S("%1 debe ser un número entero positivo, no «%2».").arg(o.nombre, v);
            break;
        }
        case Valor::Texto:
            if (v.trimmed().isEmpty())
                return S("%1 no puede ir vacía.").arg(o.nombre);
            if (!o.admitidos.isEmpty() && !o.admitidos.contains(v))
                return S("%1 admite %2, no «%3».").arg(o.nombre, o.admitidos.join(S(" o ")), v);
            break;
        case Valor::Bandera:
            break;
    }
    return {};
}

// The two limits of a range in order: numbers as numbers, codes as the
// database compares them.
QString revise_rango(const Orden& orden) {
    const Comando& c = *orden.comando;
    if (c.rango_desde.isEmpty() || !orden.tiene(c.rango_desde) || !orden.tiene(c.rango_hasta))
        return {};
    const QString d = orden.valor(c.rango_desde);
    const QString h = orden.valor(c.rango_hasta);
    const Opcion* o = busque(&c, c.rango_desde);
    const bool invertido =
        o->valor == Valor::Entero ? d.toLongLong() > h.toLongLong() : d.trimmed() > h.trimmed();
    if (!invertido)
        return {};
    return S("El rango está invertido: %1 %2 va después de %3 %4.")
        .arg(c.rango_desde, d, c.rango_hasta, h);
}

}  // namespace

Orden lea_orden(const QStringList& args) {
    Orden orden;
    QString suelto;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h") ||
            a == QStringLiteral("ayuda")) {
            orden.ayuda = true;
            continue;
        }
        if (!a.startsWith(QStringLiteral("--"))) {
            if (orden.comando || !suelto.isEmpty()) {
                orden.error = S("Sobra «%1»: se ejecuta una sola tarea por vez.").arg(a);
                return orden;
            }
            orden.comando = comando(a);
            if (!orden.comando) {
                orden.error = S("La tarea «%1» no existe.").arg(a);
                return orden;
            }
            suelto = a;
            continue;
        }
        QString nombre = a;
        QString valor;
        bool con_igual = false;
        if (const int igual = a.indexOf(u'='); igual > 0) {
            nombre = a.left(igual);
            valor = a.mid(igual + 1);
            con_igual = true;
        }
        if (nombre == QStringLiteral("--clave")) {
            orden.error =
                S("La clave no se escribe en la línea de órdenes (quedaría a la vista de "
                  "todos en la lista de procesos): póngala en la variable LEDGRIX_CLAVE "
                  "o en un archivo que se indica con --clave-archivo.");
            return orden;
        }
        // Options are looked up once the task is known: they may precede it.
        const Opcion* o = busque(nullptr, nombre);
        if (!o)
            for (const Comando& c : comandos())
                if ((o = busque(&c, nombre)) != nullptr)
                    break;
        if (!o) {
            orden.error = S("La opción %1 no existe.").arg(nombre);
            return orden;
        }
        if (o->valor == Valor::Bandera) {
            if (con_igual) {
                orden.error = S("%1 no lleva valor.").arg(nombre);
                return orden;
            }
        } else if (!con_igual) {
            if (i + 1 >= args.size()) {
                orden.error = S("Falta el valor de %1.").arg(nombre);
                return orden;
            }
            valor = args[++i];
        }
        orden.valores.insert(nombre, valor);
    }
    if (orden.ayuda)
        return orden;
    if (!orden.comando) {
        orden.error = S("Falta la tarea a ejecutar.");
        return orden;
    }
    for (auto it = orden.valores.cbegin(); it != orden.valores.cend(); ++it) {
        const Opcion* o = busque(orden.comando, it.key());
        if (!o) {
            orden.error =
                S("La tarea %1 no tiene la opción %2.").arg(orden.comando->nombre, it.key());
            return orden;
        }
        if (const QString e = revise_valor(*o, it.value()); !e.isEmpty()) {
            orden.error = e;
            return orden;
        }
    }
    std::vector<Opcion> todas = opciones_comunes();
    todas.insert(todas.end(), orden.comando->opciones.begin(), orden.comando->opciones.end());
    for (const Opcion& o : todas)
        if (o.obligatoria && !orden.tiene(o.nombre)) {
            orden.error = S("Falta la opción %1 (%2).").arg(o.nombre, o.texto);
            return orden;
        }
    orden.error = revise_rango(orden);
    return orden;
}

QString pista(const Orden& orden) {
    return S("Use «ledgrix-tareas %1--help» para ver las tareas y sus opciones.")
        .arg(orden.comando ? orden.comando->nombre + u' ' : QString());
}

}  // namespace ledgrix::tareas
