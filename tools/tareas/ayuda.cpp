#include "tools/tareas/ayuda.h"

#include "tools/tareas/orden.h"

namespace ledgrix::tareas {

namespace {

QString S(const char* texto) {
    return QString::fromUtf8(texto);
}

QString renglones(const std::vector<Opcion>& opciones) {
    QString t;
    for (const Opcion& o : opciones) {
        QString nombre = o.nombre;
        if (o.valor == Valor::Fecha)
            nombre += S(" AAAA-MM-DD");
        else if (o.valor == Valor::Entero)
            nombre += S(" N");
        else if (o.valor == Valor::Texto)
            nombre += S(" VALOR");
        t += S("  %1  %2%3\n")
                 .arg(nombre.leftJustified(24), o.texto,
                      o.obligatoria ? S(" (obligatoria)") : QString());
    }
    return t;
}

const char* kComun =
    "Todas las tareas entran como el módulo: --usuario U --compania C, la clave en la variable\n"
    "LEDGRIX_CLAVE o en el archivo de --clave-archivo (nunca en la línea de órdenes), la\n"
    "instalación en LEDGRIX_DIR y las bases en --ubicacion o en su conexion.cfg. El usuario\n"
    "necesita el mismo permiso que para abrir la ventana de la tarea.\n"
    "\n"
    "Salida: 0 hecho; 1 la tarea falló (base de datos, acceso negado, archivo que no se puede\n"
    "escribir, nada que informar: el motivo va en la salida de errores); 2 argumentos\n"
    "errados. El avance y los mensajes van a la salida de errores; a la salida normal sólo\n"
    "un renglón de resumen.\n";

}  // namespace

QString ayuda_general() {
    QString t =
        S("ledgrix-tareas: trabajos de cuentas por pagar sin pantalla (cron).\n\n"
          "Uso: ledgrix-tareas TAREA --usuario U --compania C [opciones]\n"
          "     ledgrix-tareas TAREA --help\n\nTareas:\n");
    for (const Comando& c : comandos())
        t += S("  %1  %2\n").arg(c.nombre.leftJustified(13), c.resumen);
    t += S("\nOpciones de todas las tareas:\n") + renglones(opciones_comunes()) + u'\n' +
         S(kComun) + S("\nEjemplos:\n");
    for (const Comando& c : comandos())
        for (const QString& e : c.ejemplos)
            t += S("  ledgrix-tareas %1 --usuario ADMIN --compania 001\n").arg(e);
    t +=
        S("\nEn el crontab, el análisis de vencimientos cada día a las 6 de la mañana:\n"
          "  0 6 * * * LEDGRIX_DIR=/opt/ledgrix ledgrix-tareas vencimientos --usuario CRON "
          "--compania 001 --clave-archivo /etc/ledgrix/clave --corte $(date +\\%F) --salida "
          "/srv/informes/vencimientos.pdf >> /var/log/ledgrix-tareas.log 2>&1\n");
    return t;
}

QString ayuda_comando(const Comando& c) {
    QString t = S("ledgrix-tareas %1: %2\n\nOpciones:\n").arg(c.nombre, c.resumen) +
                renglones(c.opciones) + S("\nOpciones de todas las tareas:\n") +
                renglones(opciones_comunes()) + u'\n' + S(kComun) + S("\nEjemplos:\n");
    for (const QString& e : c.ejemplos)
        t += S("  ledgrix-tareas %1 --usuario ADMIN --compania 001\n").arg(e);
    return t;
}

}  // namespace ledgrix::tareas
