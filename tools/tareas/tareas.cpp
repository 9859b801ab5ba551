#include "tools/tareas/tareas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/login/ingreso.h"
#include "app/navegacion/decision.h"
#include "core/login/clave.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"
#include "tools/tareas/ayuda.h"
#include "tools/tareas/dialogos_consola.h"
#include "tools/tareas/orden.h"
#include "tools/tareas/progreso_consola.h"
#include "tools/tareas/trabajo.h"

namespace ledgrix::tareas {

namespace {

QString S(const char* texto) {
    return QString::fromUtf8(texto);
}

// The password, never from the command line. Empty with `error` set when
// it cannot be had.
QString clave(const Orden& orden, const QProcessEnvironment& entorno, QString& error) {
    if (orden.tiene(QStringLiteral("--clave-archivo"))) {
        QFile f(orden.valor(QStringLiteral("--clave-archivo")));
        if (!f.open(QIODevice::ReadOnly)) {
            error = S("No se pudo leer el archivo de la clave %1: %2")
                        .arg(f.fileName(), f.errorString());
            return {};
        }
        QString c = QString::fromUtf8(f.readLine());
        while (c.endsWith(u'\n') || c.endsWith(u'\r'))
            c.chop(1);
        if (c.isEmpty())
            error = S("El archivo de la clave %1 está vacío.").arg(f.fileName());
        return c;
    }
    const QString c = entorno.value(QStringLiteral("LEDGRIX_CLAVE"));
    if (c.isEmpty())
        error =
            S("Falta la clave: póngala en la variable LEDGRIX_CLAVE o indique un archivo con "
              "--clave-archivo.");
    return c;
}

bool es_reporte(const Comando& c) {
    return c.nombre == QStringLiteral("vencimientos") || c.nombre == QStringLiteral("relacion");
}

// What can be said before touching any database: a report knows only PDF
// and spreadsheet files.
QString revise_salida(const Orden& orden) {
    if (!es_reporte(*orden.comando))
        return {};
    const QString ext = QFileInfo(orden.valor(QStringLiteral("--salida"))).suffix().toLower();
    if (ext == QStringLiteral("pdf") || ext == QStringLiteral("xlsx"))
        return {};
    return S("--salida debe terminar en .pdf o .xlsx, no «%1».")
        .arg(orden.valor(QStringLiteral("--salida")));
}

// Where the module offers the task's window: the menu first, else a panel
// button or a menu window's button. Its access option is the task's.
const Destino* destino_de(const QString& clase) {
    if (const Destino* d = destino_de_ventana(clase))
        return d;
    const auto en = [&clase](const QList<Boton>& botones) -> const Destino* {
        for (const Boton& b : botones)
            if (b.destino.accion == Accion::Ventana && b.destino.ventana == clase)
                return &b.destino;
        return nullptr;
    };
    if (const Destino* d = en(botones_laterales()))
        return d;
    if (const Destino* d = en(botones_superiores()))
        return d;
    for (const VentanaMenu& v : ventanas_menu())
        if (const Destino* d = en(v.botones))
            return d;
    return nullptr;
}

Resultado corra(Trabajo& t) {
    const QString& n = t.orden.comando->nombre;
    if (n == QStringLiteral("vencimientos"))
        return vencimientos(t);
    if (n == QStringLiteral("relacion"))
        return relacion(t);
    if (n == QStringLiteral("soportes"))
        return soportes(t);
    if (n == QStringLiteral("recalculo"))
        return recalculo(t);
    return dispersion(t);
}

}  // namespace

QString sin_escritura(const QString& ruta) {
    const QFileInfo archivo(ruta);
    const QFileInfo carpeta(archivo.absolutePath());
    if (!carpeta.isDir())
        return S("La carpeta %1 no existe.").arg(QDir::toNativeSeparators(carpeta.filePath()));
    if (!carpeta.isWritable() || (archivo.exists() && !archivo.isWritable()))
        return S("No se puede escribir el archivo %1.").arg(QDir::toNativeSeparators(ruta));
    return {};
}

int ejecute(const QStringList& args, const QProcessEnvironment& entorno, const Clock& reloj,
            QTextStream& salida, QTextStream& errores) {
    const Orden orden = lea_orden(args);
    if (orden.ayuda && orden.error.isEmpty()) {
        salida << (orden.comando ? ayuda_comando(*orden.comando) : ayuda_general());
        salida.flush();
        return kHecho;
    }
    QString error = orden.error;
    if (error.isEmpty())
        error = revise_salida(orden);
    const QString contrasena = error.isEmpty() ? clave(orden, entorno, error) : QString();
    if (!error.isEmpty()) {
        errores << S("Error: ") << error << Qt::endl << pista(orden) << Qt::endl;
        return kArgumentos;
    }
    const auto falle = [&errores, &orden](const QString& razon) {
        errores << S("La tarea %1 falló: ").arg(orden.comando->nombre) << razon << Qt::endl;
        return kFallo;
    };
    // A file that cannot be written is known before a long run, not after it.
    if (orden.tiene(QStringLiteral("--salida")))
        if (const QString e = sin_escritura(orden.valor(QStringLiteral("--salida"))); !e.isEmpty())
            return falle(e);

    DialogosConsola dialogos(errores);
    Tfdm dm(dialogos, reloj);
    Ingreso ingreso(dm);
    QStringList entrada{QStringLiteral("ENTRADA"), orden.valor(QStringLiteral("--usuario")),
                        orden.valor(QStringLiteral("--compania")), embrolle_clave(contrasena)};
    if (orden.tiene(QStringLiteral("--ubicacion")))
        entrada << orden.valor(QStringLiteral("--ubicacion"));
    if (!ingreso.ingrese(entrada))
        return falle(S("no se pudo entrar al módulo como %1.")
                         .arg(orden.valor(QStringLiteral("--usuario"))));

    Resultado r;
    const Destino* destino = destino_de(orden.comando->ventana);
    const Decision decision = destino ? decida(dm, *destino) : Decision{};
    if (!decision.permitida) {
        dialogos.error(decision.rechazo.isEmpty() ? kAccesoNoPermitido : decision.rechazo);
        r = Resultado::falla(S("el usuario %1 no tiene acceso a «%2».")
                                 .arg(dm.ctx.usuario, nombre_ventana(orden.comando->ventana)));
    } else {
        ProgresoConsola progreso(errores);
        Trabajo t{dm, orden, progreso, errores};
        r = corra(t);
    }
    ingreso.salga();
    dm.desconecte();
    if (!r.hecho)
        return falle(r.fallo);
    salida << r.resumen << Qt::endl;
    return kHecho;
}

}  // namespace ledgrix::tareas
