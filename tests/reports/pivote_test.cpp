// The movement analysis cube: totals and subtotals agree with the documents
// whatever the layout, each cell lists exactly the documents it adds up, and
// a template that cannot be read leaves the default layout.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <set>

#include "reports/pivote/cubo.h"
#include "reports/pivote/modelo_cubo.h"
#include "reports/pivote/plantilla.h"

namespace ledgrix {
namespace {

using D = Dimension;

MovimientoAnalisis doc(const char* nit, const char* grupo, const char* ciudad, int tipo,
                       QDate fecha, const char* monto, const char* saldo, const char* ret) {
    MovimientoAnalisis m;
    m.tercero = QLatin1String(nit);
    m.nombre_tercero = QStringLiteral("Prov ") + m.tercero;
    m.grupo = QLatin1String(grupo);
    m.municipio = QLatin1String(ciudad);
    m.tipodoc = tipo;
    m.fecha = fecha;
    m.monto = Currency::fromText(QLatin1String(monto));
    m.saldo = Currency::fromText(QLatin1String(saldo));
    m.retencion = Currency::fromText(QLatin1String(ret));
    return m;
}

std::vector<MovimientoAnalisis> documentos() {
    const QDate mar(2026, 3, 4), abr(2026, 4, 9);
    return {doc("900", "01", "11001", 51, mar, "357.10", "344", "13.05"),
            doc("900", "01", "11001", 52, abr, "-50.33", "-48", "-2"),
            doc("900", "01", "11001", 21, mar, "1190", "665", "0"),
            doc("860", "02", "05001", 21, abr, "2000.01", "2000.01", "35.5"),
            doc("860", "02", "05001", 51, abr, "0.99", "0", "0"),
            doc("870", "", "", 55, mar, "-300", "-300", "0")};
}

const Medida kMedidas[] = {Medida::Monto, Medida::Saldo, Medida::Retenciones, Medida::Cantidad};

Currency de(const MovimientoAnalisis& m, Medida x) {
    switch (x) {
        case Medida::Monto:
            return m.monto;
        case Medida::Saldo:
            return m.saldo;
        case Medida::Retenciones:
            return m.retencion;
        case Medida::Cantidad:
            return Currency::fromInt(1);
    }
    return {};
}

TEST(CuboAnalisis, TotalesYDetalleCuadranConLosDocumentos) {
    const Disposicion casos[] = {
        {{D::Proveedor}, {D::TipoDocumento}, {}},
        {{D::Grupo, D::Proveedor}, {D::Mes}, {}},
        {{}, {D::Ciudad}, {}},
        {{D::Mes}, {}, {}},
        {{D::Ciudad, D::Fecha}, {D::Grupo, D::TipoDocumento}, {}},
    };
    const auto docs = documentos();
    for (Disposicion d : casos) {
        d.medidas = {std::begin(kMedidas), std::end(kMedidas)};
        SCOPED_TRACE(a_json(d).toStdString());
        Cubo cubo;
        cubo.cargue(docs);
        cubo.disponga(d);
        ASSERT_EQ(cubo.disposicion(), d);
        const int filas = int(cubo.filas().size()), columnas = int(cubo.columnas().size());
        ASSERT_TRUE(cubo.filas().back().isEmpty() && cubo.columnas().back().isEmpty());
        std::multiset<int> hojas;
        for (int f = 0; f < filas; ++f)
            for (int c = 0; c < columnas; ++c) {
                const std::vector<int> detalle = cubo.detalle(f, c);
                const bool hoja = cubo.filas()[size_t(f)].size() == d.filas.size() &&
                                  cubo.columnas()[size_t(c)].size() == d.columnas.size();
                if (hoja)
                    hojas.insert(detalle.begin(), detalle.end());
                for (Medida m : kMedidas) {
                    const auto valor = cubo.valor(f, c, m);
                    ASSERT_EQ(valor.has_value(), !detalle.empty()) << f << "," << c;
                    Currency suma;
                    for (int i : detalle)
                        suma = suma + de(docs[size_t(i)], m);
                    if (valor) {
                        EXPECT_EQ(*valor, suma) << f << "," << c << " " << nombre(m).toStdString();
                    }
                }
            }
        // The leaf cells share the documents out, each exactly once.
        EXPECT_EQ(hojas, (std::multiset<int>{0, 1, 2, 3, 4, 5}));
        // Grand totals are the plain sums.
        for (Medida m : kMedidas) {
            Currency suma;
            for (const auto& x : docs)
                suma = suma + de(x, m);
            EXPECT_EQ(cubo.valor(filas - 1, columnas - 1, m), suma);
        }
    }
}

TEST(CuboAnalisis, SubtotalesTrasSuGrupoYCeldasVacias) {
    Cubo cubo;
    cubo.cargue(documentos());
    cubo.disponga({{D::Grupo, D::Proveedor}, {D::TipoDocumento}, {Medida::Monto}});
    const std::vector<QStringList> filas{{"(ninguno)", "870 Prov 870"},
                                         {"(ninguno)"},
                                         {"01", "900 Prov 900"},
                                         {"01"},
                                         {"02", "860 Prov 860"},
                                         {"02"},
                                         {}};
    EXPECT_EQ(cubo.filas(), filas);
    ModeloCubo modelo(cubo);
    const auto celda = [&](int f, int c) { return modelo.index(f, c).data().toString(); };
    // Supplier 860 has no discount: blank, not zero.
    const int descuentos = 2 + 2;  // two key columns, then 21, 51, 52
    EXPECT_EQ(modelo.headerData(descuentos, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("52"));
    EXPECT_EQ(celda(4, descuentos), QString());
    EXPECT_EQ(celda(2, descuentos), QStringLiteral("-50,33"));
    EXPECT_EQ(celda(3, 0), QStringLiteral("Total 01"));
    EXPECT_EQ(celda(6, 0), QStringLiteral("Total general"));
    EXPECT_EQ(celda(6, modelo.columnCount() - 1), QStringLiteral("3.197,77"));
    EXPECT_TRUE(modelo.index(6, 2).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(modelo.index(4, 2).data(Qt::FontRole).value<QFont>().bold());
}

TEST(PlantillaAnalisis, IdaYVueltaYLasDanadasDejanLaDisposicionPorDefecto) {
    QTemporaryDir instalacion;
    const QString dir = instalacion.path();
    const Disposicion propia{{D::Ciudad, D::Mes}, {D::Grupo}, {Medida::Cantidad, Medida::Saldo}};
    QString error;
    ASSERT_TRUE(grabe_plantilla(ruta_plantilla(dir, QStringLiteral("Mia")), propia, &error))
        << error.toStdString();
    EXPECT_EQ(cargue_plantilla(dir, QStringLiteral("Mia.mds")), propia);
    EXPECT_EQ(plantillas(dir), QStringList{QStringLiteral("Mia.mds")});

    const QByteArray danadas[] = {
        "",
        "{",
        "[]",
        R"({"filas": ["Vendedor"], "columnas": [], "medidas": ["Monto"]})",
        R"({"filas": ["Mes"], "columnas": ["Mes"], "medidas": ["Monto"]})",
        R"({"filas": "Mes", "columnas": [], "medidas": ["Monto"]})",
        R"({"filas": [], "columnas": [], "medidas": ["Monto", "Monto"]})",
    };
    for (const QByteArray& texto : danadas) {
        SCOPED_TRACE(texto.toStdString());
        QFile f(ruta_plantilla(dir, QString::fromLatin1(kPlantillaPorDefecto)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texto);
        f.close();
        EXPECT_EQ(cargue_plantilla(dir, {}), Disposicion::por_defecto());
    }
    EXPECT_EQ(cargue_plantilla(dir, QStringLiteral("NoExiste")), Disposicion::por_defecto());
    // The template shipped with the program is a layout the cube takes.
    QFile incluida(QStringLiteral(LEDGRIX_DB_DIR "/../reports/reportes/") +
                   QString::fromLatin1(kPlantillaPorDefecto));
    ASSERT_TRUE(incluida.open(QIODevice::ReadOnly));
    EXPECT_TRUE(de_json(incluida.readAll()).has_value());
}

}  // namespace
}  // namespace ledgrix
