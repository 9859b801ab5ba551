// ledgrix-estacion: one workstation entering charges through the charge
// window's logic, as fast as it can, for the reliability tests and the
// load runs. It prints one line per charge it believes saved, and every
// message the user would have seen, so that the caller can hold the
// database to account:
//   LISTO                                  the window opened
//   CARGO <tab> id <tab> prefix <tab> number   F2 answered "stored"
//   MENSAJE <tab> kind <tab> text          a message box or question
//   FALLO <tab> text                       a charge given up
//   FIN <tab> saved <tab> retries          the end of the run
// Every line is flushed at once: the process may be killed at any moment.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QSqlQuery>
#include <cstdio>
#include <random>

#include "core/data/client_dataset.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/services/paths.h"
#include "core/tfdm/tfdm.h"
#include "payables/cargos/cargo.h"

// The embedded engine keeps threads and caches until the process ends; a
// sanitized build checks everything but those leaks.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

namespace {

using namespace ledgrix;

QString unaLinea(QString texto) {
    texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
    texto.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return texto;
}

void imprima(const QString& linea) {
    std::fputs(linea.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Nobody is at the keyboard: every message is printed for the caller, the
// half-saved charge is taken back, and every other question or window is
// answered the cautious way.
class Silencio final : public Dialogs {
  public:
    QString ultimo;
    void error(const QString& t) override { muestre(QStringLiteral("error"), t); }
    void information(const QString& t) override { muestre(QStringLiteral("information"), t); }
    void warning(const QString& t) override { muestre(QStringLiteral("warning"), t); }
    bool question(const QString& t) override {
        muestre(QStringLiteral("question"), t);
        return t.startsWith(QStringLiteral("Se encontró un pago previo"));
    }
    Answer abortRetry(const QString& t) override {
        muestre(QStringLiteral("abortRetry"), t);
        return Answer::Abort;
    }
    void beep() override {}
    int modal(const QString& nombre, const std::function<int()>&) override {
        muestre(QStringLiteral("modal"), nombre);
        return 0;
    }

  private:
    void muestre(const QString& clase, const QString& texto) {
        ultimo = texto;
        imprima(QStringLiteral("MENSAJE\t") + clase + QLatin1Char('\t') + unaLinea(texto));
    }
};

struct Opciones {
    QString ubicacion, directorio, usuario, clave;
    int cantidad = 0;
    QStringList prefijos;
    quint64 semilla = 1;
    QDate fecha;
    QString nit_aplicar, ref_aplicar;  // a discount of that supplier, applied to every fifth charge
};

bool lea_opciones(QCoreApplication& app, Opciones& o) {
    QCommandLineParser cl;
    cl.setApplicationDescription(
        QStringLiteral("Graba cargos como lo haría un usuario, sin pausa."));
    cl.addHelpOption();
    cl.addPositionalArgument(QStringLiteral("ubicacion"),
                             QStringLiteral("Carpeta o servidor:carpeta de la base de datos."));
    const QCommandLineOption usuario(QStringLiteral("usuario"), QStringLiteral("Usuario."),
                                     QStringLiteral("u"), QStringLiteral("ADMIN"));
    const QCommandLineOption clave(QStringLiteral("clave"), QStringLiteral("Clave del servidor."),
                                   QStringLiteral("c"));
    const QCommandLineOption cantidad(QStringLiteral("cargos"), QStringLiteral("Cargos a grabar."),
                                      QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption prefijos(QStringLiteral("prefijos"),
                                      QStringLiteral("Prefijos separados por comas."),
                                      QStringLiteral("p"), QStringLiteral("0000"));
    const QCommandLineOption semilla(QStringLiteral("semilla"), QStringLiteral("Semilla."),
                                     QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption fecha(QStringLiteral("fecha"), QStringLiteral("Día de trabajo."),
                                   QStringLiteral("aaaa-mm-dd"));
    const QCommandLineOption directorio(QStringLiteral("directorio"),
                                        QStringLiteral("Directorio de instalación (bitácoras)."),
                                        QStringLiteral("d"));
    const QCommandLineOption aplicar(QStringLiteral("aplicar"),
                                     QStringLiteral("NIT:prefijo+número de un descuento."),
                                     QStringLiteral("ref"));
    cl.addOptions({usuario, clave, cantidad, prefijos, semilla, fecha, directorio, aplicar});
    cl.process(app);
    if (cl.positionalArguments().size() != 1)
        return false;
    bool ok1 = false, ok2 = false;
    o.ubicacion = cl.positionalArguments().first();
    o.usuario = cl.value(usuario);
    o.clave = cl.value(clave);
    o.cantidad = cl.value(cantidad).toInt(&ok1);
    o.semilla = cl.value(semilla).toULongLong(&ok2);
    o.prefijos = cl.value(prefijos).split(QLatin1Char(','), Qt::SkipEmptyParts);
    o.fecha =
        cl.isSet(fecha) ? QDate::fromString(cl.value(fecha), Qt::ISODate) : SystemClock().today();
    o.directorio = cl.value(directorio);
    const QStringList ref = cl.value(aplicar).split(QLatin1Char(':'));
    if (ref.size() == 2) {
        o.nit_aplicar = ref[0];
        o.ref_aplicar = ref[1];
    }
    return ok1 && ok2 && !o.prefijos.isEmpty() && o.fecha.isValid();
}

// The user's F2, and what the user does when it is refused because another
// station stored the proposed number first: the number is validated again,
// which moves it to the next free one, and F2 is pressed again.
bool grabe(Cargo& cargo, Silencio& dialogos, int& reintentos) {
    for (int intento = 0; intento < 50; ++intento) {
        bool ok = cargo.grabe();
        if (!ok && cargo.centros_abiertos())
            ok = cargo.confirme_centros();
        if (ok)
            return true;
        if (!dialogos.ultimo.startsWith(QStringLiteral("Ya existe el registro")))
            return false;
        ++reintentos;
        dialogos.ultimo.clear();
        cargo.cambie_numero(cargo.campo(QStringLiteral("NDPR_NUMERO")).asString());
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Opciones o;
    if (!lea_opciones(app, o)) {
        std::fprintf(stderr,
                     "uso: ledgrix-estacion UBICACION [--usuario U] [--clave C] [--cargos N] "
                     "[--prefijos P1,P2] [--semilla S] [--fecha AAAA-MM-DD] [--directorio D] "
                     "[--aplicar NIT:REF]\n");
        return 2;
    }
    Silencio dialogos;
    FixedClock reloj(QDateTime(o.fecha, QTime(10, 0)));
    Tfdm dm(dialogos, reloj);
    if (!o.directorio.isEmpty())
        dm.setDirectorio(o.directorio);
    if (!dm.conecte_compania(paths::companyDatabase(o.ubicacion, QStringLiteral("001")), o.usuario,
                             o.clave) ||
        !dm.conecte_general(paths::generalDatabase(o.ubicacion), o.usuario, o.clave))
        return 1;
    dm.cargue_configuracion();
    dm.ctx.usuario = o.usuario;

    QStringList proveedores;
    if (auto q = dm.sql().select(QStringLiteral(
            "select p.TERC_NIT from PROVEEDORES p join TERCEROS t on t.TERC_NIT = p.TERC_NIT "
            "where t.TERC_ESTADO = 'S' order by p.TERC_NIT")))
        while (q->next())
            proveedores << q->value(0).toString();
    if (proveedores.isEmpty())
        return 1;

    Cargo cargo(dm);
    qint64 guardado = 0;
    QString prefijo, numero;
    cargo.imprima = [&](qint64 id) {
        guardado = id;
        prefijo = cargo.campo(QStringLiteral("PREF_PRE")).asString();
        numero = cargo.campo(QStringLiteral("NDPR_NUMERO")).asString();
    };
    if (!cargo.abra())
        return 1;
    // A charge taken back from an interrupted save goes first, as it stands.
    bool recuperado = cargo.campo(QStringLiteral("NDPR_ID")).asInteger() == 0 &&
                      !cargo.campo(QStringLiteral("TERC_NIT")).asString().isEmpty();
    imprima(QStringLiteral("LISTO"));

    std::mt19937_64 rng(o.semilla);
    const auto al_azar = [&rng](int desde, int hasta) {
        return std::uniform_int_distribution<int>(desde, hasta)(rng);
    };
    int grabados = 0, reintentos = 0;
    for (int i = 0; i < o.cantidad; ++i) {
        if (!recuperado) {
            cargo.prepare_nuevo(o.prefijos[al_azar(0, int(o.prefijos.size()) - 1)]);
            const bool aplica = !o.ref_aplicar.isEmpty() && i % 5 == 4;
            cargo.cambie_nit(aplica ? o.nit_aplicar
                                    : proveedores[al_azar(0, int(proveedores.size()) - 1)]);
            static const int kIva[] = {0, 5, 19};
            cargo.cambie_porcentaje(Cargo::Porcentaje::Iva, Currency::fromInt(kIva[al_azar(0, 2)]));
            // Applied charges stay under the withholding bases, as the discount
            // they settle has no withholdings left to take.
            cargo.cambie_monto(
                Currency::fromUnits(qint64(al_azar(1000, aplica ? 9000000 : 500000000)) * 100));
            // The demo's cost centre, for installations that ask for a distribution.
            cargo.cambie_proyecto(QStringLiteral("0001"));
            cargo.cambie_subcentro(QStringLiteral("0001"));
            cargo.campo(QStringLiteral("NDPR_CONC"))
                .setValue(QStringLiteral("Carga %1-%2").arg(o.semilla).arg(i));
            if (aplica)
                cargo.aplique_a(Cargo::Aplicable::NotaCredito, o.ref_aplicar);
        }
        recuperado = false;
        guardado = 0;
        if (grabe(cargo, dialogos, reintentos) && guardado != 0) {
            ++grabados;
            imprima(QStringLiteral("CARGO\t%1\t%2\t%3").arg(guardado).arg(prefijo, numero));
        } else {
            imprima(QStringLiteral("FALLO\t") + unaLinea(dialogos.ultimo));
            cargo.prepare_nuevo();
        }
    }
    imprima(QStringLiteral("FIN\t%1\t%2").arg(grabados).arg(reintentos));
    return grabados == o.cantidad ? 0 : 3;
}
