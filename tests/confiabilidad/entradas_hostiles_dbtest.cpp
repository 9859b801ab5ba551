#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "accounting/interfaces/edicion_interfaz.h"
#include "core/data/client_dataset.h"
#include "core/numeracion/ventanas/consecutivos.h"
#include "output/mantenimiento/edicion_formato.h"
#include "payables/cargos/cargo.h"
#include "tests/confiabilidad/comun.h"
#include "tests/confiabilidad/monto_tecleado.h"
#include "tests/support/dialogos_grabados.h"
#include "tests/support/invariantes_cxp.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using namespace ledgrix::test;

namespace {

// What people paste into boxes: quotes and SQL punctuation, text outside the
// database's character set, control characters, numbers in forms the
// system does not write, and texts far longer than any column.
QStringList textos_hostiles() {
    return {QStringLiteral("O'Brien & Cía"),
            QStringLiteral("''; DROP TABLE TERCEROS; --"),
            QStringLiteral("\"comillas\" dobles"),
            QStringLiteral("50% de 100_000"),
            QStringLiteral("línea -- comentario"),
            QStringLiteral("barra \\ invertida"),
            QStringLiteral("Ñandú ÁÉÍÓÚ ü ¿¡"),
            QStringLiteral("€ 100"),
            QStringLiteral("😀"),
            QStringLiteral("中文字符"),
            QStringLiteral("control\x01\x07"),
            QStringLiteral("tab\tsalto\nlínea"),
            QStringLiteral("1e5"),
            QStringLiteral("-0"),
            QStringLiteral("1,000,000"),
            QStringLiteral("NaN"),
            QStringLiteral(" espacios "),
            QString(300, QLatin1Char('x')),
            QString(5000, QChar(0xF1))};
}

QStringList montos_hostiles() {
    return {QStringLiteral("1e5"),
            QStringLiteral("-0"),
            QStringLiteral("1,000,000"),
            QStringLiteral("1.000.000,50"),
            QStringLiteral("NaN"),
            QStringLiteral("Infinity"),
            QStringLiteral("12,5"),
            QStringLiteral(" 7 "),
            QStringLiteral("0,01"),
            QStringLiteral("-5"),
            QStringLiteral("99999999999999"),
            QStringLiteral("9999999999999,99"),
            QStringLiteral("١٢٣"),
            QStringLiteral("0x10"),
            QStringLiteral("5%"),
            QStringLiteral("'5'"),
            QStringLiteral("5;"),
            QStringLiteral("4.35")};
}

// A text as a failure report shows it: short, control characters visible.
QString muestre(const QString& t) {
    QString s;
    for (const QChar c : t.left(40))
        s += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                : QString(c);
    if (t.size() > 40)
        s += QStringLiteral("...(%1)").arg(t.size());
    return s;
}

// One attempt: the value typed into one box of a window's logic, then its
// save. What was stored is read back from the database.
struct Intento {
    bool grabado = false;
    std::optional<QString> guardado;  // the column, when the save went through
    QString en_pantalla;              // the box, when it did not
};

class EntradasHostilesTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        dm = std::make_unique<Tfdm>(grabados, clock);
        dm->setDirectorio(inst->dir());
        conecte();
        dm->ctx.compania.codigo = QStringLiteral("001");
        dm->ctx.nombre_usuario = QStringLiteral("Administrador del sistema");
        dm->ctx.es_administrador = true;
        ASSERT_TRUE(
            dm->sql().execute(QStringLiteral("insert into PREFIJOS (TIDO_COD, PREF_PRE, "
                                             "PREF_ACTUAL) values (51, '0100', '000001')")));
    }

    QString leido(const QString& sql) {
        const QVariant v = dm->sql().scalar(sql);
        return v.isNull() ? QString() : v.toString();
    }
    // Row counts of the tables an attempt may write.
    QString huella(const QStringList& tablas) {
        QStringList n;
        for (const QString& t : tablas)
            n << leido(QStringLiteral("select count(*) from ") + t);
        return n.join(QLatin1Char('/'));
    }

    // Stored exactly, or refused with a message for people; nothing of a
    // refused save left in the database, nothing typed lost from the window.
    void juzgue(const char* entrada, const QString& tecleado, const QString& esperado,
                const Intento& r, bool sin_cambios) {
        const QString caso = QString::fromUtf8(entrada) + QStringLiteral(" <- \"") +
                             muestre(tecleado) + QStringLiteral("\": ");
        for (const QString& m : mensajes_tecnicos(grabados.textos))
            fallas << caso + QStringLiteral("the user read \"") + muestre(m) + QLatin1Char('"');
        if (r.grabado) {
            // Anything but the typed value needs the user told (the box
            // refused it and kept or emptied what it held).
            if (r.guardado != esperado && grabados.textos.isEmpty())
                fallas << caso + QStringLiteral("stored \"") +
                              muestre(r.guardado.value_or(QString())) + QLatin1Char('"');
            return;
        }
        if (grabados.textos.isEmpty())
            fallas << caso + QStringLiteral("refused without a word");
        if (!sin_cambios)
            fallas << caso + QStringLiteral("refused, but something was written");
        if (!r.en_pantalla.isEmpty() && r.en_pantalla != esperado)
            fallas << caso + QStringLiteral("the window now holds \"") + muestre(r.en_pantalla) +
                          QLatin1Char('"');
    }
    void informe() {
        EXPECT_TRUE(fallas.isEmpty()) << fallas.size() << " cases:\n"
                                      << fallas.join(QLatin1Char('\n')).toStdString();
    }

    // ---- the charge

    const QStringList kTablasCargo{
        QStringLiteral("NOTAS_DEBITO_PROVEEDOR"), QStringLiteral("MOVIMIENTO_PROVEEDOR"),
        QStringLiteral("CENTROS_DOCUMENTO"),      QStringLiteral("APLICACION_PROVEDOR"),
        QStringLiteral("CONTABILIZACION"),        QStringLiteral("COMPROBANTE_ENCABEZADO")};

    // A complete charge of 100,000 with the value typed last.
    Intento cargo(const std::function<void(Cargo&)>& teclee, const char* columna,
                  const std::function<QString(Cargo&)>& pantalla) {
        Intento r;
        Cargo c(*dm);
        qint64 id = 0;
        c.imprima = [&id](qint64 i) { id = i; };
        if (!c.abra())
            return r;
        c.cambie_nit(kTransportes);
        c.cambie_monto(Currency::fromInt(100000));
        grabados.textos.clear();
        teclee(c);
        r.grabado = c.grabe() && id != 0;
        if (r.grabado)
            r.guardado = leido(QStringLiteral("select cast(%1 as varchar(8000)) from "
                                              "NOTAS_DEBITO_PROVEEDOR where NDPR_ID = %2")
                                   .arg(QLatin1String(columna))
                                   .arg(id));
        else
            r.en_pantalla = pantalla(c);
        return r;
    }

    DialogosGrabados grabados;
    QStringList fallas;
    const QString kTransportes = QStringLiteral("900123456");
};

Cargo::Cuenta cuenta(int i) {
    return static_cast<Cargo::Cuenta>(i);
}

TEST_F(EntradasHostilesTest, ChargeTextBoxesStoreExactlyOrRefuseInSpanish) {
    struct Caja {
        const char* nombre;
        const char* columna;
        std::function<void(Cargo&, const QString&)> teclee;
    };
    const auto campo = [](const char* columna) {
        return [columna](Cargo& c, const QString& t) {
            c.campo(QString::fromLatin1(columna)).setValue(t);
        };
    };
    const Caja cajas[] = {
        {"NIT", "TERC_NIT", [](Cargo& c, const QString& t) { c.cambie_nit(t); }},
        {"concepto", "NDPR_CONC", campo("NDPR_CONC")},
        {"observaciones", "NDPR_OBS", campo("NDPR_OBS")},
        {"número del proveedor", "NDPR_NUMPROV",
         [](Cargo& c, const QString& t) { c.cambie_numprov(t); }},
        {"cuenta de gasto", "NDPR_CTACAUSA",
         [](Cargo& c, const QString& t) { c.cambie_cuenta(cuenta(0), t); }},
        {"cuenta por pagar NIIF", "NDPR_CTAPAGARN",
         [](Cargo& c, const QString& t) { c.cambie_cuenta(cuenta(3), t); }},
        {"proyecto", "NDPR_PROY", [](Cargo& c, const QString& t) { c.cambie_proyecto(t); }},
        {"subcentro", "NDPR_SUBC", [](Cargo& c, const QString& t) { c.cambie_subcentro(t); }},
    };
    for (const Caja& k : cajas)
        for (const QString& t : textos_hostiles()) {
            const QString antes = huella(kTablasCargo);
            const Intento r =
                cargo([&](Cargo& c) { k.teclee(c, t); }, k.columna,
                      [&](Cargo& c) { return c.campo(QString::fromLatin1(k.columna)).asString(); });
            juzgue(k.nombre, t, t, r, huella(kTablasCargo) == antes);
        }
    const QStringList libro = problemas_cargos(dm->sql());
    EXPECT_TRUE(libro.isEmpty()) << libro.join('\n').toStdString();
    informe();
}

TEST_F(EntradasHostilesTest, ChargeAmountsAndRatesStoreExactlyOrRefuseInSpanish) {
    struct Caja {
        const char* nombre;
        const char* columna;
        int decimales;
        std::function<void(Cargo&, Currency)> teclee;
    };
    const auto porcentaje = [](Cargo::Porcentaje p) {
        return [p](Cargo& c, Currency v) { c.cambie_porcentaje(p, v); };
    };
    const Caja cajas[] = {
        {"monto", "NDPR_MONTO", 2, [](Cargo& c, Currency v) { c.cambie_monto(v); }},
        {"valor extra", "NDPR_EXTRA", 2, [](Cargo& c, Currency v) { c.cambie_extra(v); }},
        {"IVA %", "NDPR_IVAPORC", 2, porcentaje(Cargo::Porcentaje::Iva)},
        {"retención %", "NDPR_RTFTEPORC", 2, porcentaje(Cargo::Porcentaje::Fuente)},
        {"ICA por mil", "NDPR_RTICAPORC", 2, porcentaje(Cargo::Porcentaje::Ica)},
        {"CREE %", "NDPR_RTCREE", 4, porcentaje(Cargo::Porcentaje::Cree)},
        {"descuento pronto pago %", "NDPR_DTOFPORC", 2, porcentaje(Cargo::Porcentaje::DescuentoPP)},
        {"retención a mano", "NDPR_RTFTEMONTO", 2,
         [](Cargo& c, Currency v) { c.cambie_monto_retencion(Cargo::Retencion::Fuente, v); }},
        {"base gravada 1", "NDPR_BASE1", 2,
         [](Cargo& c, Currency v) {
             c.abra_bases();
             c.cambie_base(1, v);
             c.aplique_bases();
         }},
    };
    for (const Caja& k : cajas)
        for (const QString& t : montos_hostiles()) {
            grabados.textos.clear();
            QString rechazo;
            const std::optional<Currency> v = monto_tecleado(t, &rechazo);
            if (!v) {
                // The box refuses it before the logic sees it.
                grabados.textos << rechazo;
                juzgue(k.nombre, t, QString(), Intento{}, true);
                continue;
            }
            const QString antes = huella(kTablasCargo);
            const Intento r = cargo([&](Cargo& c) { k.teclee(c, *v); }, k.columna,
                                    [&](Cargo& c) {
                                        return c.campo(QString::fromLatin1(k.columna))
                                            .asCurrency()
                                            .toString(k.decimales);
                                    });
            juzgue(k.nombre, t, v->toString(k.decimales), r, huella(kTablasCargo) == antes);
        }
    const QStringList libro = problemas_cargos(dm->sql());
    EXPECT_TRUE(libro.isEmpty()) << libro.join('\n').toStdString();
    informe();
}

TEST_F(EntradasHostilesTest, InterfaceBoxesStoreExactlyOrRefuseInSpanish) {
    using Libro = EdicionInterfaz::Libro;
    const QStringList tablas{QStringLiteral("INTERFAZ_CXPAGAR"),
                             QStringLiteral("INTERFAZ_CXPAGAR_NIIF"),
                             QStringLiteral("INTERFAZ_CXPAGAR_CTAS")};
    struct Caja {
        const char* nombre;
        const char* lectura;  // %1: the interface's id
        std::function<Field&(EdicionInterfaz&, const QString&)> teclee;
    };
    const auto linea = [](const char* columna) {
        return [columna](EdicionInterfaz& e, const QString& t) -> Field& {
            e.agregue_linea();
            Field& f = e.cuentas().fieldByName(QString::fromLatin1(columna));
            f.setValue(t);
            return f;
        };
    };
    const Caja cajas[] = {
        {"nombre",
         "select cast(INCP_NOMBRE as varchar(8000)) from INTERFAZ_CXPAGAR where INCP_ID = %1",
         [](EdicionInterfaz& e, const QString& t) -> Field& {
             e.asigne(QStringLiteral("INCP_NOMBRE"), t);
             return e.interfaz().fieldByName(QStringLiteral("INCP_NOMBRE"));
         }},
        {"cuenta fija",
         "select cast(INCP_CTABASE as varchar(8000)) from INTERFAZ_CXPAGAR where INCP_ID = %1",
         [](EdicionInterfaz& e, const QString& t) -> Field& {
             e.asigne_fuente(Libro::Local, 0, QStringLiteral("K"));
             e.asigne_cuenta(Libro::Local, 0, t);
             return e.interfaz().fieldByName(QStringLiteral("INCP_CTABASE"));
         }},
        {"cuenta de línea adicional",
         "select cast(INPC_CUENTA as varchar(8000)) from INTERFAZ_CXPAGAR_CTAS where INCP_ID = %1",
         linea("INPC_CUENTA")},
        {"base de línea adicional",
         "select cast(INPC_BASE as varchar(8000)) from INTERFAZ_CXPAGAR_CTAS where INCP_ID = %1",
         linea("INPC_BASE")},
    };
    for (const Caja& k : cajas)
        for (const QString& t : textos_hostiles()) {
            const QString antes = huella(tablas);
            Intento r;
            {
                EdicionInterfaz e(*dm, EdicionInterfaz::Modo::Nueva);
                e.asigne(QStringLiteral("PREF_PRE"), QStringLiteral("0100"));
                e.asigne(QStringLiteral("TICO_COD"), QStringLiteral("CXP"));
                e.asigne(QStringLiteral("PRCO_PRE"), QStringLiteral("0001"));
                e.asigne(QStringLiteral("INCP_NOMBRE"), QStringLiteral("Hostil"));
                grabados.textos.clear();
                Field& f = k.teclee(e, t);
                r.grabado = e.grabe();
                if (r.grabado)
                    r.guardado = leido(QString::fromLatin1(k.lectura).arg(
                        e.interfaz().fieldByName(QStringLiteral("INCP_ID")).asInteger()));
                else
                    r.en_pantalla = f.asString();
            }
            juzgue(k.nombre, t, t, r, r.grabado || huella(tablas) == antes);
        }
    informe();
}

TEST_F(EntradasHostilesTest, PrintFormatBoxesStoreExactlyOrRefuseInSpanish) {
    const QStringList tablas{QStringLiteral("FORMATOS"), QStringLiteral("FORMATO_DATOS"),
                             QStringLiteral("FORMATO_LINEAS")};
    struct Caja {
        const char* nombre;
        const char* lectura;
        std::function<Field*(EdicionFormato&, const QString&)> teclee;  // null: the printer
    };
    const Caja cajas[] = {
        {"letra", "select cast(FORM_FONT as varchar(8000)) from FORMATOS where PREF_PRE = '0100'",
         [](EdicionFormato& e, const QString& t) {
             e.asigne(QStringLiteral("FORM_FONT"), t);
             return &e.formato().fieldByName(QStringLiteral("FORM_FONT"));
         }},
        {"texto fijo",
         "select first 1 cast(FOLI_CADENA as varchar(8000)) from FORMATO_LINEAS where PREF_PRE = "
         "'0100'",
         [](EdicionFormato& e, const QString& t) {
             e.agregue_linea();
             Field* f = &e.lineas().fieldByName(QStringLiteral("FOLI_CADENA"));
             f->setValue(t);
             return f;
         }},
        {"máscara de dato",
         "select first 1 cast(DAFO_FORMATO as varchar(8000)) from FORMATO_DATOS where PREF_PRE = "
         "'0100'",
         [](EdicionFormato& e, const QString& t) {
             e.agregue_dato();
             e.datos().fieldByName(QStringLiteral("DAFO_DATO")).setValue(QStringLiteral("NIT"));
             Field* f = &e.datos().fieldByName(QStringLiteral("DAFO_FORMATO"));
             f->setValue(t);
             return f;
         }},
        {"impresora",
         "select cast(FORM_IMPRE as varchar(8000)) from FORMATOS where PREF_PRE = '0100'",
         [](EdicionFormato&, const QString&) -> Field* { return nullptr; }},
    };
    for (const Caja& k : cajas)
        for (const QString& t : textos_hostiles()) {
            const QString antes = huella(tablas);
            Intento r;
            // The printer's name is stored without its outer blanks, on purpose.
            QString esperado = t;
            {
                EdicionFormato e(*dm, EdicionFormato::Modo::Nuevo);
                e.elija_documento(51);
                e.elija_prefijo(QStringLiteral("0100"));
                grabados.textos.clear();
                Field* f = k.teclee(e, t);
                if (!f)
                    esperado = t.trimmed();
                r.grabado = e.grabe(f ? QString() : t);
                if (r.grabado)
                    r.guardado = leido(QString::fromLatin1(k.lectura));
                else
                    r.en_pantalla = f ? f->asString() : QString();
            }
            juzgue(k.nombre, t, esperado, r, huella(tablas) == antes || r.grabado);
            for (const char* tabla : {"FORMATO_DATOS", "FORMATO_LINEAS", "FORMATOS"})
                dm->sql().execute(QStringLiteral("delete from %1 where PREF_PRE = '0100'")
                                      .arg(QLatin1String(tabla)));
        }
    informe();
}

TEST_F(EntradasHostilesTest, NumberingBoxesStoreExactlyOrRefuseInSpanish) {
    const QStringList tablas{QStringLiteral("PREFIJOS"), QStringLiteral("PREFIJOS_USUARIO")};
    const char* const columnas[] = {"PREF_PRE", "PREF_ACTUAL", "PREF_PROY"};
    for (const char* columna : columnas)
        for (const QString& t : textos_hostiles()) {
            const QString antes = huella(tablas);
            Intento r;
            {
                Consecutivos c(*dm);
                ASSERT_TRUE(c.elija_documento(QStringLiteral("DESCUENTOS DE ACREEDORES")));
                ASSERT_TRUE(c.prefijos().append());
                c.prefijos()
                    .fieldByName(QStringLiteral("PREF_PRE"))
                    .setValue(QStringLiteral("H01"));
                grabados.textos.clear();
                Field& f = c.prefijos().fieldByName(QString::fromLatin1(columna));
                f.setValue(t);
                r.en_pantalla = f.asString();
                r.grabado = c.prefijos().post() && c.grabe();
                if (r.grabado)
                    r.guardado =
                        leido(QStringLiteral("select cast(%1 as varchar(8000)) from PREFIJOS where "
                                             "TIDO_COD = 52 and PREF_PRE <> '0000'")
                                  .arg(QLatin1String(columna)));
            }
            juzgue(columna, t, t, r, huella(tablas) == antes || r.grabado);
            dm->sql().execute(
                QStringLiteral("delete from PREFIJOS where TIDO_COD = 52 and PREF_PRE <> '0000'"));
        }
    informe();
}

}  // namespace
