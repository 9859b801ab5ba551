// The movement analysis over a real company database: each document's
// withholdings come with it, the cube's sums by supplier and by month are
// those of the document tables, and the spreadsheet holds the totals shown.
#include <QDir>
#include <QFile>
#include <QProcess>

#include "reports/pivote/analisis_movimiento.h"
#include "reports/pivote/plantilla.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

class AnalisisMovimientoTest : public DocumentosTest {
  protected:
    // August: a charge with every withholding, a discount with source
    // withholding, an invoice whose withholding waits for the payment (paid
    // in part), an annulled charge; a charge in July and one in September.
    void SetUp() override {
        DocumentosTest::SetUp();
        run(QStringLiteral(
            "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, "
            "TERC_NIT, NDPR_MONTO, NDPR_IVAMONTO, NDPR_RTFTEMONTO, NDPR_RTIVAMONTO, "
            "NDPR_RTICAMONTO, NDPR_RTCREEM) values (200, '0000', '000200', '2022/08/15', "
            "'900123456', 300, 57, 10, 4, 3, 1)"));
        run(QStringLiteral(
            "insert into NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, NCPR_FECHA, "
            "TERC_NIT, NCPR_MONTO, NCPR_RTFTEMONTO) values (201, '0000', '000201', '2022/08/20', "
            "'900123456', 50, 2)"));
        configure(QStringLiteral("DESCONTAR RETENCIONES POR CAUSACION"), QStringLiteral("NO"));
        factura(100, QStringLiteral("000100"), kPapeleria, QDate(2022, 8, 3),
                QStringLiteral("1000"), QStringLiteral("190"), QStringLiteral("25"));
        egreso(100, QStringLiteral("000100"), kPapeleria, QDate(2022, 8, 25));
        pago(100, 1, 21, 100, QStringLiteral("500"));
        cargo(202, QStringLiteral("000202"), kTransportes, QDate(2022, 8, 10),
              QStringLiteral("40"));
        run(QStringLiteral(
            "update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 202"));
        cargo(203, QStringLiteral("000203"), kTransportes, QDate(2022, 7, 31),
              QStringLiteral("70"));
        cargo(204, QStringLiteral("000204"), kTransportes, QDate(2022, 9, 1), QStringLiteral("90"));
    }

    std::map<QString, QString> mapa(const QString& sql) {
        std::map<QString, QString> out;
        for (const QStringList& fila : lee(sql))
            out[fila[0]] = fila[1];
        return out;
    }
    // By supplier or by month: "amount|withheld|count" summed from the
    // documents' own tables.
    std::map<QString, QString> de_las_tablas(const char* clave, const QDate& desde,
                                             const QDate& hasta) {
        return mapa(QStringLiteral(
                        "select %1, cast(sum(M) as numeric(15,2)) || '|' || "
                        "cast(sum(R) as numeric(15,2)) || '|' || count(*) from ("
                        "select TERC_NIT N, FACO_FECHA F, FACO_MONTO + FACO_IVAMONTO M, "
                        "FACO_RTFTEMONTO + FACO_RTIVAMONTO + FACO_RTICAMONTO R from "
                        "FACTURAS_COMPRA where FACO_ANULADO = 'N' union all "
                        "select TERC_NIT, NDPR_FECHA, NDPR_MONTO + NDPR_IVAMONTO, NDPR_RTFTEMONTO "
                        "+ NDPR_RTIVAMONTO + NDPR_RTICAMONTO + NDPR_RTCREEM from "
                        "NOTAS_DEBITO_PROVEEDOR where NDPR_ANULADO = 'N' union all "
                        "select TERC_NIT, NCPR_FECHA, -(NCPR_MONTO + NCPR_IVAMONTO), "
                        "-(NCPR_RTFTEMONTO + NCPR_RTIVAMONTO + NCPR_RTICAMONTO + NCPR_RTCREEM) "
                        "from NOTAS_CREDITO_PROVEEDOR where NCPR_ANULADO = 'N') "
                        "where F between %2 and %3 group by 1")
                        .arg(QLatin1String(clave), fecha(desde), fecha(hasta)));
    }
};

TEST_F(AnalisisMovimientoTest, CadaDocumentoTraeSusRetencionesConElSignoDelMonto) {
    const auto filas = mapa(QStringLiteral(
        "select TIPODOC || '-' || IDDOC, cast(MONTO as varchar(24)) || '|' || "
        "cast(RETENCION as varchar(24)) from ANALISIS_CXPAGAR('2022/08/01', '2022/08/31')"));
    EXPECT_EQ(filas, (std::map<QString, QString>{{"21-100", "1190.00|25.00"},
                                                 {"51-200", "357.00|18.00"},
                                                 {"52-201", "-50.00|-2.00"}}));
}

TEST_F(AnalisisMovimientoTest, ElCuboSumaComoLasTablasPorProveedorYPorMes) {
    const QDate desde(2022, 7, 1), hasta(2022, 9, 30);
    const struct {
        Dimension dimension;
        const char* clave;  // the same key out of the tables
    } casos[] = {
        {Dimension::Proveedor, "N"},
        {Dimension::Mes, "extract(year from F) || '-' || lpad(extract(month from F), 2, '0')"},
    };
    AnalisisMovimiento analisis(*dm);
    analisis.desde = desde;
    analisis.hasta = hasta;
    ASSERT_TRUE(analisis.calcule());
    for (const auto& c : casos) {
        SCOPED_TRACE(nombre(c.dimension).toStdString());
        analisis.disponga(
            {{c.dimension}, {}, {Medida::Monto, Medida::Retenciones, Medida::Cantidad}});
        const Cubo& cubo = analisis.cubo();
        std::map<QString, QString> vistos;
        for (int f = 0; f + 1 < int(cubo.filas().size()); ++f)
            vistos[cubo.filas()[size_t(f)].first().section(QLatin1Char(' '), 0, 0)] =
                cubo.valor(f, 0, Medida::Monto)->toString() + QLatin1Char('|') +
                cubo.valor(f, 0, Medida::Retenciones)->toString() + QLatin1Char('|') +
                cubo.valor(f, 0, Medida::Cantidad)->toString(0);
        EXPECT_EQ(vistos, de_las_tablas(c.clave, desde, hasta));
    }
}

TEST_F(AnalisisMovimientoTest, LaHojaDeCalculoLlevaLosTotalesMostrados) {
    AnalisisMovimiento analisis(*dm);
    analisis.desde = QDate(2022, 8, 1);
    analisis.hasta = QDate(2022, 8, 31);
    ASSERT_TRUE(analisis.calcule());
    analisis.disponga({{Dimension::Proveedor}, {Dimension::TipoDocumento}, {Medida::Monto}});
    const QString ruta =
        QDir(TestInstallation::scratchRoot()).filePath(QStringLiteral("cubo.xlsx"));
    QFile::remove(ruta);
    ASSERT_TRUE(analisis.exporte(ruta)) << dialogs.lastError().toStdString();
    const auto parte = [&ruta](const char* archivo) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), ruta, QLatin1String(archivo)});
        unzip.waitForFinished();
        return QString::fromUtf8(unzip.readAllStandardOutput());
    };
    const QString hoja = parte("xl/worksheets/sheet1.xml");
    // Title row, two suppliers, the grand total: its last cell is August's sum.
    const QString ultima = hoja.mid(hoja.lastIndexOf(QStringLiteral("<row ")));
    EXPECT_TRUE(ultima.startsWith(QStringLiteral("<row r=\"4\""))) << ultima.toStdString();
    EXPECT_TRUE(ultima.contains(QStringLiteral("<v>1497</v></c></row>"))) << ultima.toStdString();
    EXPECT_TRUE(parte("xl/sharedStrings.xml").contains(QStringLiteral("Total general")));

    // A period without documents has nothing to export.
    analisis.desde = analisis.hasta = QDate(2022, 6, 1);
    ASSERT_TRUE(analisis.calcule());
    EXPECT_FALSE(analisis.exporte(ruta));
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")).value(0),
              QStringLiteral("No hay datos para el reporte."));
}

TEST_F(AnalisisMovimientoTest, PeriodoInvertidoYNombresDePlantilla) {
    AnalisisMovimiento analisis(*dm);
    EXPECT_EQ(analisis.desde, QDate(2022, 9, 1));
    EXPECT_EQ(analisis.hasta, QDate(2022, 9, 21));
    analisis.desde = QDate(2022, 9, 22);
    EXPECT_FALSE(analisis.calcule());
    EXPECT_EQ(dialogs.lastError(),
              QStringLiteral("La fecha final del periodo es anterior a la fecha inicial."));

    const Disposicion propia{{Dimension::Ciudad}, {Dimension::Mes}, {Medida::Cantidad}};
    analisis.disponga(propia);
    const struct {
        QString nombre;
        int reemplazar;  // -1: not asked; 0/1 the answer
        bool grabada;
    } casos[] = {
        {QStringLiteral(" "), -1, false},          {QStringLiteral("a/b"), -1, false},
        {QStringLiteral("Ciudades"), -1, true},    {QStringLiteral("Ciudades"), 0, false},
        {QStringLiteral("Ciudades.mds"), 1, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre.toStdString());
        if (c.reemplazar >= 0)
            dialogs.expectQuestion(
                QStringLiteral("La plantilla Ciudades.mds ya existe. ¿Desea reemplazarla?"),
                c.reemplazar == 1);
        EXPECT_EQ(analisis.grabe_plantilla(c.nombre), c.grabada);
        EXPECT_TRUE(dialogs.allAnswered());
    }
    EXPECT_TRUE(analisis.ejemplos().contains(QStringLiteral("Ciudades.mds")));
    analisis.disponga(Disposicion::por_defecto());
    analisis.elija_plantilla(QStringLiteral("Ciudades.mds"));
    EXPECT_EQ(analisis.cubo().disposicion(), propia);
}

}  // namespace
}  // namespace ledgrix::test
