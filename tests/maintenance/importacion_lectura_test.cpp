// Reading import files: how lines are found and cut, which ones are refused
// and why, and how a cut line becomes typed values.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "maintenance/importacion/lectura/datos_importacion.h"
#include "maintenance/importacion/lectura/interprete_linea.h"
#include "maintenance/importacion/lectura/lector_archivo.h"

using namespace ledgrix;
using namespace ledgrix::importacion;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

FormatoArchivo delimitado(char sep = ',', char del = '"', const char* codificacion = "UTF-8") {
    FormatoArchivo f;
    f.separador = QLatin1Char(sep);
    f.delimitador = del ? QChar(QLatin1Char(del)) : QChar();
    f.codificacion = QString::fromLatin1(codificacion);
    return f;
}

// Every outcome of reading `bytes`, one per line: "n:a|b|c" for a line cut
// into columns, "n!reason" for a refused one.
QStringList lea_todo(const QByteArray& bytes, const FormatoArchivo& formato,
                     const QList<ColumnaDato>& columnas = {}) {
    QByteArray copia = bytes;
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    LectorArchivo lector(formato, columnas);
    EXPECT_TRUE(lector.abra(&buffer));
    QStringList salida;
    while (auto r = lector.siguiente()) {
        if (const Linea* l = std::get_if<Linea>(&*r))
            salida << QString::number(l->numero) + S(":") + l->columnas.join(QLatin1Char('|'));
        else
            salida << QString::number(std::get<Rechazo>(*r).linea) + S("!") +
                          std::get<Rechazo>(*r).motivo;
    }
    EXPECT_EQ(lector.bytes_leidos(), bytes.size());
    return salida;
}

QByteArray columnas_separadas(int n) {
    QByteArrayList partes;
    for (int i = 0; i < n; ++i)
        partes << QByteArray::number(i);
    return partes.join(',');
}

}  // namespace

TEST(LectorArchivo, CortaYRechazaLineas) {
    FormatoArchivo con_encabezado = delimitado();
    con_encabezado.encabezado = true;
    const QByteArray x8192(8192, 'x');
    const QByteArray latin1("\321and\372,1");  // "Ñandú,1" in ISO-8859-1
    const struct {
        const char* nombre;
        QByteArray bytes;
        FormatoArchivo formato;
        QString esperado;  // the outcomes joined by " / "; a refusal matches by its start
    } casos[]{
        {"fines CR, LF y CRLF; una vacía entre CRLF cuenta", "a,b\rc,d\r\n\r\ne,f\ng,h\r\n",
         delimitado(), S("1:a|b / 2:c|d / 4:e|f / 5:g|h")},
        {"encabezado tras una línea vacía", "\nNIT,NOMBRE\n\n1,x\n", con_encabezado, S("4:1|x")},
        {"filas de solo separadores", "a\n,,,\n ; \nb", delimitado(), S("1:a / 3: ; / 4:b")},
        {"separador y comillas dobladas dentro del delimitador",
         "\"a,b\",\"dijo \"\"hola\"\"\", c ,\n", delimitado(), S("1:a,b|dijo \"hola\"| c |")},
        {"comilla simple dentro de un valor sin delimitar", "O'Brien;'x;y'", delimitado(';', '\''),
         S("1:O'Brien|x;y")},
        {"sin delimitador las comillas se copian", "\"a\",b", delimitado(',', 0), S("1:\"a\"|b")},
        {"delimitador sin cerrar", "\"abc,def\nx", delimitado(),
         S("1!Falta cerrar el delimitador de texto \" en la columna 1 / 2:x")},
        {"texto tras el cierre", "\"ab\"c,d", delimitado(), S("1!En la columna 1 hay texto")},
        {"tabulador", "a\tb\t\tc", delimitado('\t'), S("1:a|b||c")},
        {"tabulador sin ser separador", "a\tb,c", delimitado(),
         S("1!La línea contiene un carácter de control")},
        {"50 columnas sí, 51 no", columnas_separadas(50) + "\n" + columnas_separadas(51),
         delimitado(),
         S("1:") + QString::fromLatin1(columnas_separadas(50)).replace(u',', u'|') +
             S(" / 2!La línea tiene más de 50 columnas")},
        {"ISO-8859-1", latin1, delimitado(',', '"', "ISO-8859-1"), S("1:Ñandú|1")},
        {"UTF-8", "Ñandú,1", delimitado(), S("1:Ñandú|1")},
        {"ISO-8859-1 leído como UTF-8", latin1, delimitado(),
         S("1!La línea no está escrita en UTF-8")},
        {"UTF-8 leído como ISO-8859-1: controles C1", "Ñandú,1", delimitado(',', '"', "ISO-8859-1"),
         S("1!La línea contiene un carácter de control")},
        {"Windows-1252", "\x80 5", delimitado(',', '"', "Windows-1252"), S("1:€ 5")},
        {"UTF-8 cortado al final de la línea", "ab\xC3\nc", delimitado(),
         S("1!La línea no está escrita en UTF-8 / 2:c")},
        {"marca de orden de bytes", "\357\273\277a,b", delimitado(), S("1:a|b")},
        {"nulo", QByteArray("a\0b,c\nd", 7), delimitado(),
         S("1!La línea contiene un carácter nulo en la posición 2. / 2:d")},
        {"8.192 caracteres sí, 100.000 no", x8192 + "\n" + QByteArray(100000, 'x') + "\r\nfin",
         delimitado(),
         S("1:") + QString::fromLatin1(x8192) + S(" / 2!La línea es demasiado larga / 3:fin")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const QStringList leido = lea_todo(c.bytes, c.formato);
        const QStringList esperado = c.esperado.split(S(" / "));
        ASSERT_EQ(leido.size(), esperado.size()) << leido.join(S(" / ")).left(300).toStdString();
        for (qsizetype i = 0; i < leido.size(); ++i)
            EXPECT_TRUE(leido[i].startsWith(esperado[i]))
                << leido[i].left(200).toStdString() << " <> "
                << esperado[i].left(200).toStdString();
    }
}

TEST(LectorArchivo, AnchoFijoCortaPorLosAnchosEnOrdenDeColumna) {
    FormatoArchivo f;
    f.tipo = TipoArchivo::AnchoFijo;
    // Listed out of order and with a column not imported: widths still count.
    const QList<ColumnaDato> disposicion{
        {S("B"), 2, 5, true}, {S("A"), 1, 3, false}, {S("C"), 3, 2, true}};
    EXPECT_EQ(
        lea_todo("ABCdefghIJ\nABCde\nABCdefghIJ   \nABCdefghIJK", f, disposicion),
        (QStringList{S("1:ABC|defgh|IJ"), S("2:ABC|de|"), S("3:ABC|defgh|IJ"),
                     S("4!La línea es más larga que la suma de los anchos de sus columnas (10 "
                       "caracteres); revise los anchos.")}));
}

TEST(LectorArchivo, ProgresoEnCentesimasOQuintos) {
    const auto progreso = [](const QByteArray& linea, int veces) {
        QByteArray bytes = linea.repeated(veces);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        LectorArchivo lector(delimitado(), {});
        lector.abra(&buffer);
        QList<int> pasos{lector.porcentaje()};
        while (lector.siguiente())
            pasos << lector.porcentaje();
        return pasos << lector.porcentaje();
    };
    // 4 lines of 50 bytes: hundredths; 6 lines of 10 bytes, under 100: fifths.
    EXPECT_EQ(progreso(QByteArray(49, 'a') + "\n", 4), (QList<int>{0, 25, 50, 75, 100, 100}));
    EXPECT_EQ(progreso(QByteArray(9, 'a') + "\n", 6), (QList<int>{0, 0, 20, 40, 60, 80, 100, 100}));
}

TEST(LectorArchivo, LoQueNoSePuedeLeerSeDiceAlAbrirYLaVistaPreviaSaltaLoRechazado) {
    QTemporaryDir dir;
    for (const QString& ruta : {S("/no/existe/saldos.csv"), dir.path()}) {
        LectorArchivo lector(delimitado(), {});
        EXPECT_FALSE(lector.abra(ruta));
        EXPECT_EQ(lector.error(),
                  S("Error al abrir el archivo, asegúrece que el nombre sea correcto y que no esté "
                    "abierto en otra aplicación en este momento."))
            << ruta.toStdString();
    }
    FormatoArchivo sin_anchos;
    sin_anchos.tipo = TipoArchivo::AnchoFijo;
    const struct {
        FormatoArchivo formato;
        QByteArray bytes;
        const char* error;
    } casos[]{
        {sin_anchos, "a", "Indique el ancho de cada columna: el archivo es de ancho fijo."},
        {delimitado(),
         QByteArray("\xFF\xFE"
                    "a\0,\0b\0",
                    8),
         "El archivo está escrito en UTF-16"},
        {delimitado(',', '"', "EBCDIC-X"), "a", "La codificación «EBCDIC-X» no se reconoce."},
    };
    for (const auto& c : casos) {
        QByteArray bytes = c.bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        LectorArchivo lector(c.formato, datos_de(Clase::Grupos));
        EXPECT_FALSE(lector.abra(&buffer));
        EXPECT_TRUE(lector.error().startsWith(S(c.error))) << lector.error().toStdString();
    }

    QFile f(dir.filePath(S("grupos.csv")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("COD,NOMBRE\n01,Nacionales\n\"02,Importados\n03,Servicios\n04,Fletes\n");
    f.close();
    FormatoArchivo formato = delimitado();
    formato.encabezado = true;
    const QList<Linea> vista = LectorArchivo::vista_previa(f.fileName(), formato, {}, 2);
    ASSERT_EQ(vista.size(), 2);
    EXPECT_EQ(vista[0].columnas, (QStringList{S("01"), S("Nacionales")}));
    EXPECT_EQ(vista[1].numero, 4);
}

namespace {

FormatoArchivo con(const char* orden_fecha, std::optional<FormatoNumero> numeros = {}) {
    FormatoArchivo f;
    f.orden_fecha = QString::fromLatin1(orden_fecha);
    if (numeros)
        f.numeros = *numeros;
    return f;
}

// A balance line that reads whole, with one item replaced.
std::variant<Registro, Rechazo> saldo_con(const char* dato, const char* valor,
                                          const FormatoArchivo& formato) {
    const QList<ColumnaDato> columnas = datos_de(Clase::SaldosIniciales);
    QStringList valores{
        S("D"),  S("CX"), S("12"), S("31/01/2026"), S("800197268"), S(""), S("Saldo inicial"),
        S("100")};
    while (valores.size() < columnas.size())
        valores << QString();
    for (const ColumnaDato& c : columnas)
        if (c.dato == QLatin1String(dato))
            valores[c.columna - 1] = S(valor);
    return interprete(Linea{7, valores}, Clase::SaldosIniciales, columnas, formato);
}

qint64 unidades(const char* texto) {
    return Currency::parse(QString::fromLatin1(texto))->units();
}

}  // namespace

TEST(InterpreteLinea, LeeCadaDatoONombraPorQueNo) {
    const FormatoArchivo us = con("DMA", *FormatoNumero::con(QLatin1Char(','), QLatin1Char('.')));
    const QDate febrero28(2026, 2, 28);
    const struct {
        const char* dato;
        const char* valor;
        QVariant esperado;
        FormatoArchivo formato = con("DMA");
    } leidos[]{
        {"MONTO", "1.234,50", unidades("1234.50")},
        {"MONTO", "1,234.50", unidades("1234.50"), us},
        {"MONTO", "9999999999999,99", unidades("9999999999999.99")},
        {"IVAMONTO", "", QVariant::fromValue<qint64>(0)},
        {"TRM", "", unidades("1")},
        // Each order with one of the separators; the fuzz test takes every
        // order with every separator and with none.
        {"FECHA", "28/02/2026", febrero28},
        {"FECHA", "2026-02-28", febrero28, con("AMD")},
        {"FECHA", "02.28.2026", febrero28, con("MDA")},
        {"NIT", "800197268-4", S("800197268")},
        {"NUMERO", "000123", 123},
        {"TIPODOC", "d", S("D")},
        {"MONEDA", "usd", S("USD")},
        {"CONCEPTO", " Saldo de apertura ", S("Saldo de apertura")},
        {"CONCEPTO", "Ñandú", S("Ñandú")},
    };
    for (const auto& c : leidos) {
        SCOPED_TRACE(std::string(c.dato) + " = " + c.valor);
        const auto r = saldo_con(c.dato, c.valor, c.formato);
        ASSERT_TRUE(std::holds_alternative<Registro>(r))
            << std::get<Rechazo>(r).motivo.toStdString();
        EXPECT_EQ(std::get<Registro>(r).valores.value(S(c.dato)), c.esperado);
    }

    const struct {
        const char* dato;
        const char* valor;
        const char* motivo;  // the start of the refusal
        FormatoArchivo formato = con("DMA");
    } rechazados[]{
        {"MONTO", "1.234,50", "El monto «1.234,50» no es un número en el formato 1,234,567.89", us},
        {"MONTO", "0,005", "El monto «0,005» tiene más de dos decimales"},
        {"MONTO", "-5", "El monto «-5» no puede ser negativo"},
        {"MONTO", "10000000000000", "El monto «10000000000000» es demasiado grande"},
        {"MONTO", "", "Falta el monto."},
        {"TRM", "0", "La tasa de cambio no puede ser cero"},
        {"FECHA", "31/02/2026", "La fecha «31/02/2026» no existe"},
        {"FECHA", "28/02/26", "La fecha «28/02/26» no es una fecha en el orden dd/mm/aaaa"},
        {"FECHA", "28/02-2026", "La fecha «28/02-2026» no es una fecha"},
        {"FECHA", "28/02/2026 00:00", "La fecha «28/02/2026 00:00» no es una fecha"},
        {"NIT", "800197268-3", "El dígito de verificación de 800197268-3 no corresponde (es 4)."},
        {"NIT", "800.197.268", "El NIT «800.197.268» debe tener solo dígitos"},
        {"NIT", "1234567890123456-1", "No se puede comprobar el dígito de verificación"},
        {"NIT", "123456789012345678901", "El NIT tiene 21 caracteres y caben 20"},
        {"NIT", "  ", "Falta el NIT."},
        {"NUMERO", "1234567", "El número «1234567» debe ser un número entero"},
        {"NUMERO", "12A", "El número «12A» debe ser"},
        {"PREFIJO", "CX-1", "El prefijo «CX-1» solo puede tener letras y dígitos"},
        {"PREFIJO", "CXPAG", "El prefijo tiene 5 caracteres y caben 4"},
        {"MONEDA", "US$", "La moneda «US$» debe ser el código de tres letras"},
        // A long value is quoted by its start.
        {"CONCEPTO", "NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN",
         "El concepto tiene 61 caracteres y caben 60: «NNNNNNNNNNNNNNNNNNNNNNNNNNNNNN…»."},
        {"CONCEPTO", "Pago en €",
         "El concepto contiene «€», que la base de datos no puede guardar"},
    };
    for (const auto& c : rechazados) {
        SCOPED_TRACE(std::string(c.dato) + " = " + c.valor);
        const auto r = saldo_con(c.dato, c.valor, c.formato);
        ASSERT_TRUE(std::holds_alternative<Rechazo>(r));
        EXPECT_EQ(std::get<Rechazo>(r).linea, 7);
        EXPECT_TRUE(std::get<Rechazo>(r).motivo.startsWith(S(c.motivo)))
            << std::get<Rechazo>(r).motivo.toStdString();
    }
}

// Items the user left out are absent even when the file has them; a
// required one left out refuses every line.
TEST(InterpreteLinea, LoNoImportadoNoSeLeeYUnRequeridoFueraRechazaLaLinea) {
    QList<ColumnaDato> proveedores = datos_de(Clase::Proveedores);
    QStringList valores(proveedores.size());
    valores[0] = S("900123456");
    valores[1] = S("Ferretería Central");
    valores[2] = S("Cra 7 # 12-30");
    valores[14] = S("01");
    proveedores[2].importar = false;
    auto r = interprete(Linea{5, valores}, Clase::Proveedores, proveedores, FormatoArchivo{});
    ASSERT_TRUE(std::holds_alternative<Registro>(r));
    EXPECT_EQ(std::get<Registro>(r).valores.keys().size(), 3);
    EXPECT_FALSE(std::get<Registro>(r).valores.contains(S("TERC_DIR")));
    proveedores[0].importar = false;
    r = interprete(Linea{5, valores}, Clase::Proveedores, proveedores, FormatoArchivo{});
    EXPECT_EQ(std::get<Rechazo>(r).motivo, S("Falta el NIT."));
}

// The lengths the reader checks must be those of the columns the values go
// to: a script that widens or narrows one would otherwise go unnoticed.
TEST(DatosImportacion, LargosComoEnLasTablas) {
    const auto largo_en = [](const char* script, const QString& columna) {
        QFile f(QStringLiteral(LEDGRIX_DB_DIR "/company/") + QString::fromLatin1(script));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QRegularExpression re(
            QStringLiteral("\\n\\s*%1\\s+VARCHAR\\((\\d+)\\)").arg(columna));
        const auto m = re.match(QString::fromUtf8(f.readAll()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    const struct {
        const char* dato;
        const char* script;
        const char* columna;
    } columnas[]{
        {"PREFIJO", "005_documentos.sql", "PREF_PRE"},
        {"CONCEPTO", "030_documentos_cxp.sql", "NDPR_CONC"},
        {"CONCEPTO", "030_documentos_cxp.sql", "NCPR_CONC"},
        {"NIT", "010_terceros.sql", "TERC_NIT"},
    };
    for (const auto& c : columnas)
        EXPECT_EQ(largo_maximo(S(c.dato)), largo_en(c.script, S(c.columna))) << c.dato;
    // Every item of suppliers and groups is named as its column.
    for (const Clase clase : {Clase::Proveedores, Clase::Grupos})
        for (const ColumnaDato& d : datos_de(clase))
            EXPECT_EQ(largo_maximo(d.dato), largo_en("010_terceros.sql", d.dato))
                << d.dato.toStdString();
}
