// Hostile import files: valid lines of every kind, bent in the ways files
// from other systems come bent, read through the reader and the
// interpreter. Every line must come out once, as a record that the database
// can take or as a refusal that says why; only blank lines and the header
// may be skipped. LEDGRIX_FUZZ_LINEAS sets how many lines (the suite runs a
// short count; scripts/fuzz-importacion.sh runs a million under the
// sanitizers) and LEDGRIX_FUZZ_SEMILLA the seed.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringEncoder>
#include <cstdio>
#include <random>

#include "maintenance/importacion/lectura/datos_importacion.h"
#include "maintenance/importacion/lectura/interprete_linea.h"
#include "maintenance/importacion/lectura/lector_archivo.h"
#include "parties/digito_verificacion.h"

using namespace ledgrix;
using namespace ledgrix::importacion;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

qint64 entero_de_entorno(const char* nombre, qint64 omision) {
    bool ok = false;
    const qint64 n = qEnvironmentVariable(nombre).toLongLong(&ok);
    return ok && n > 0 ? n : omision;
}

class Generador {
  public:
    explicit Generador(quint64 semilla) : azar_(semilla) {}

    int entre(int desde, int hasta) {
        return std::uniform_int_distribution<int>(desde, hasta)(azar_);
    }
    bool una_de(int n) { return entre(1, n) == 1; }
    template <typename T>
    const T& elija(const QList<T>& l) {
        return l[entre(0, int(l.size()) - 1)];
    }

    // A file format chosen at random: every choice the wizard offers.
    FormatoArchivo formato() {
        FormatoArchivo f;
        f.tipo = una_de(4) ? TipoArchivo::AnchoFijo : TipoArchivo::Delimitado;
        f.separador = elija(QList<QChar>{QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')});
        f.delimitador = elija(QList<QChar>{QChar(), QLatin1Char('"'), QLatin1Char('\'')});
        f.encabezado = una_de(3);
        f.codificacion = elija(QList<QString>{S("UTF-8"), S("ISO-8859-1"), S("Windows-1252")});
        if (una_de(2))
            f.numeros = *FormatoNumero::con(QLatin1Char(','), QLatin1Char('.'));
        f.orden_fecha = elija(QList<QString>{S("DMA"), S("AMD"), S("MDA")});
        return f;
    }

    QString digitos(int n) {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + entre(0, 9));
        return s;
    }

    QString nit() {
        const QString n = QString::number(entre(1, 9)) + digitos(entre(5, 9));
        return una_de(2) ? n : n + S("-") + QString::number(dv(n).value_or(0));
    }

    QString texto(int largo_maximo) {
        static const QList<QString> palabras{S("Ferretería"),    S("Ñandú"),   S("Peña"),
                                             S("José"),          S("O'Brien"), S("\"La 14\""),
                                             S("Calle 5, #3-2"), S("S.A.S."),  S("Distribuciones"),
                                             S("del"),           S("Café")};
        QString s = elija(palabras);
        while (una_de(2) && s.size() < largo_maximo)
            s += S(" ") + elija(palabras);
        return s.left(largo_maximo).trimmed();
    }

    QString fecha(const QString& orden) {
        const QDate d = QDate(2020, 1, 1).addDays(entre(0, 2500));
        const QString sep = elija(QList<QString>{S("/"), S("-"), S("."), S("")});
        const QString dd = d.toString(S("dd")), mm = d.toString(S("MM")),
                      aaaa = d.toString(S("yyyy"));
        if (orden == S("AMD"))
            return aaaa + sep + mm + sep + dd;
        if (orden == S("MDA"))
            return mm + sep + dd + sep + aaaa;
        return dd + sep + mm + sep + aaaa;
    }

    QString monto(const FormatoNumero& numeros) {
        return numeros.escriba(
            Currency::fromUnits(qint64(entre(0, 2000000000)) * 100 * (una_de(3) ? 1000 : 1)),
            entre(0, 2));
    }

    // A value of the item that the interpreter must take.
    QString valor(Clase clase, const QString& dato, const FormatoArchivo& f) {
        if (una_de(15) && !es_requerido(clase, dato))
            return {};
        switch (tipo_de(dato)) {
            case TipoDato::Nit:
                return nit();
            case TipoDato::Fecha:
                return fecha(f.orden_fecha);
            case TipoDato::Monto:
                // Without a text delimiter a comma-separated file can only hold
                // whole amounts written plain.
                if (f.tipo == TipoArchivo::Delimitado && f.delimitador.isNull() &&
                    f.separador == QLatin1Char(','))
                    return QString::number(entre(0, 2000000000));
                return dato == S("TRM") ? S("1") : monto(f.numeros);
            case TipoDato::Entero:
                return QString::number(entre(1, 999999));
            case TipoDato::Moneda:
                return elija(QList<QString>{S("COP"), S("USD"), S("eur")});
            case TipoDato::Codigo:
                return dato == S("TIPODOC")
                           ? elija(QList<QString>{S("D"), S("C")})
                           : digitos(std::max(1, std::min(largo_maximo(dato), entre(1, 6))));
            case TipoDato::Texto:
                break;
        }
        return texto(std::min(largo_maximo(dato), 40));
    }

    static int ancho(const QString& dato) {
        switch (tipo_de(dato)) {
            case TipoDato::Fecha:
                return 10;
            case TipoDato::Monto:
                return 22;
            case TipoDato::Entero:
                return 6;
            default:
                return std::min(largo_maximo(dato) + 2, 42);
        }
    }

    QString linea_valida(Clase clase, const QList<ColumnaDato>& columnas, const FormatoArchivo& f) {
        QStringList valores;
        for (const ColumnaDato& c : columnas)
            valores << valor(clase, c.dato, f);
        if (f.tipo == TipoArchivo::AnchoFijo) {
            QString s;
            for (qsizetype i = 0; i < valores.size(); ++i)
                s += valores[i].leftJustified(columnas[i].ancho, QLatin1Char(' '), true);
            return s;
        }
        for (QString& v : valores) {
            const bool necesita =
                v.contains(f.separador) || (!f.delimitador.isNull() && v.contains(f.delimitador));
            if (!f.delimitador.isNull() && (necesita || una_de(4)))
                v = f.delimitador + QString(v).replace(f.delimitador, QString(2, f.delimitador)) +
                    f.delimitador;
            else if (necesita)
                v.remove(f.separador);
        }
        return valores.join(f.separador);
    }

    QByteArray codifique(const QString& s, const QString& codificacion) {
        QStringEncoder e(codificacion.toLatin1().constData());
        return e.encode(s);
    }

    // One of the ways a line goes wrong; never a line end, so that the
    // lines written are the lines read.
    QByteArray estropee(QByteArray b, const QString& texto, const FormatoArchivo& f) {
        const auto posicion = [&] { return b.isEmpty() ? 0 : entre(0, int(b.size()) - 1); };
        const QByteArray sep(1, f.separador.toLatin1());
        switch (entre(0, 6)) {
            case 0:  // stray bytes (nulls, controls, halves of UTF-8), over or between others
                for (int n = entre(1, 4); n > 0; --n) {
                    char c;
                    do
                        c = char(entre(0, 255));
                    while (c == '\r' || c == '\n');
                    if (una_de(2) && !b.isEmpty())
                        b[posicion()] = c;
                    else
                        b.insert(posicion(), c);
                }
                break;
            case 1:
                b.truncate(posicion());
                break;
            case 2:  // long lines, now and then far past the limit
                b += QByteArray(una_de(50) ? 100000 : entre(2000, 9000), char(entre(0x20, 0x7E)));
                break;
            case 3:  // written in another encoding than the one declared
                b = codifique(texto + S(" Ñandú ü"),
                              f.codificacion == S("UTF-8") ? S("ISO-8859-1") : S("UTF-8"));
                break;
            case 4:  // columns run together or shifted
                if (una_de(2))
                    b.replace(sep, QByteArray());
                else
                    for (int n = entre(1, 30); n > 0; --n)
                        b.insert(posicion(), sep);
                break;
            default:  // what other systems write: stray quotes, dates and amounts we refuse
                b.insert(posicion(), elija(QList<QByteArray>{
                                         "\"", "'", "\"\"", "\"x\"y", "31/02/2026", "00/00/0000",
                                         "2026-13-01", "1/1/26", "29022025", "12/31/2026",
                                         "1.234,50", "1,234.50", "1e5", "-0", "-7", "١٢"}) +
                                         (una_de(2) ? sep : QByteArray()));
                break;
        }
        return b;
    }

  private:
    std::mt19937_64 azar_;
};

struct Cuenta {
    qint64 escritas = 0;
    qint64 registros = 0;
    qint64 rechazos = 0;
    qint64 omitidas = 0;
};

// Whether what the interpreter took fits where the import stores it.
void verifique(const Registro& r, Clase clase) {
    for (auto it = r.valores.begin(); it != r.valores.end(); ++it) {
        const QString& dato = it.key();
        ASSERT_TRUE(es_de(clase, dato)) << dato.toStdString();
        switch (tipo_de(dato)) {
            case TipoDato::Fecha:
                ASSERT_TRUE(it.value().toDate().isValid());
                break;
            case TipoDato::Monto:
                ASSERT_EQ(it.value().typeId(), QMetaType::LongLong);
                ASSERT_GE(it.value().toLongLong(), 0);
                break;
            case TipoDato::Entero:
                ASSERT_EQ(it.value().typeId(), QMetaType::Int);
                break;
            default: {
                const QString v = it.value().toString();
                ASSERT_EQ(it.value().typeId(), QMetaType::QString);
                const int largo = largo_maximo(dato) > 0 ? largo_maximo(dato) : int(v.size());
                ASSERT_LE(v.size(), largo) << dato.toStdString();
                ASSERT_TRUE(std::all_of(v.begin(), v.end(), [](QChar c) {
                    return (c.unicode() >= 0x20 && c.unicode() < 0x7F) ||
                           (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
                })) << v.toStdString();
            }
        }
    }
}

// One file: its lines are generated, written with mixed line ends and read
// back; every line written is accounted for.
void un_archivo(Generador& g, int lineas, Cuenta& cuenta) {
    const Clase clase =
        g.elija(QList<Clase>{Clase::Proveedores, Clase::Grupos, Clase::SaldosIniciales});
    const FormatoArchivo f = g.formato();
    QList<ColumnaDato> columnas = datos_de(clase);
    for (ColumnaDato& c : columnas)
        c.ancho = Generador::ancho(c.dato);

    QList<QByteArray> escritas;
    QList<bool> intactas;  // valid lines left as generated: they must be taken
    QByteArray archivo;
    qsizetype encabezado = f.encabezado ? 0 : -1;
    for (int i = 0; i < lineas; ++i) {
        QByteArray b;
        bool intacta = false;
        if (i == encabezado) {
            b = "NIT,NOMBRE,FECHA";
        } else if (!g.una_de(40)) {
            const QString texto = g.linea_valida(clase, columnas, f);
            b = g.codifique(texto, f.codificacion);
            intacta = !g.una_de(2);
            if (!intacta)
                b = g.estropee(b, texto, f);
        }
        escritas << b;
        intactas << intacta;
        // An empty line ended by LF after one ended by CR would be a CRLF.
        const bool tras_cr = archivo.endsWith('\r');
        archivo += b + (b.isEmpty() && tras_cr ? QByteArray("\r")
                                               : g.elija(QList<QByteArray>{"\n", "\r\n", "\r"}));
    }
    // The last line may lack its end, unless it is empty: then it would vanish.
    if (!escritas.constLast().isEmpty() && g.una_de(2))
        archivo.chop(archivo.endsWith("\r\n") ? 2 : 1);

    QBuffer buffer(&archivo);
    buffer.open(QIODevice::ReadOnly);
    LectorArchivo lector(f, columnas);
    ASSERT_TRUE(lector.abra(&buffer));
    qint64 esperada = 1;
    const auto salte_hasta = [&](qint64 numero) {
        // Lines passed over must be blank, or the header.
        for (; esperada < numero; ++esperada) {
            const QByteArray& b = escritas[esperada - 1];
            const bool en_blanco = std::none_of(
                b.begin(), b.end(), [](char c) { return QChar::fromLatin1(c).isLetterOrNumber(); });
            ASSERT_TRUE(en_blanco || esperada - 1 == encabezado)
                << "línea perdida " << esperada << ": " << b.left(80).toHex().toStdString();
        }
    };
    while (auto r = lector.siguiente()) {
        const qint64 numero = std::holds_alternative<Linea>(*r) ? std::get<Linea>(*r).numero
                                                                : std::get<Rechazo>(*r).linea;
        ASSERT_GE(numero, esperada);
        ASSERT_LE(numero, lineas);
        salte_hasta(numero);
        if (testing::Test::HasFatalFailure())
            return;
        ++esperada;
        const bool intacta = intactas[numero - 1];
        if (const Rechazo* rechazo = std::get_if<Rechazo>(&*r)) {
            ASSERT_FALSE(intacta) << escritas[numero - 1].toStdString() << " : "
                                  << rechazo->motivo.toStdString();
            ASSERT_FALSE(rechazo->motivo.trimmed().isEmpty());
            ++cuenta.rechazos;
            continue;
        }
        const auto leida = interprete(std::get<Linea>(*r), clase, columnas, f);
        if (const Rechazo* rechazo = std::get_if<Rechazo>(&leida)) {
            ASSERT_EQ(rechazo->linea, numero);
            ASSERT_FALSE(intacta) << escritas[numero - 1].toStdString() << " : "
                                  << rechazo->motivo.toStdString();
            ASSERT_FALSE(rechazo->motivo.trimmed().isEmpty());
            ++cuenta.rechazos;
        } else {
            ASSERT_EQ(std::get<Registro>(leida).linea, numero);
            verifique(std::get<Registro>(leida), clase);
            ++cuenta.registros;
        }
        ASSERT_FALSE(testing::Test::HasFatalFailure());
    }
    salte_hasta(lineas + 1);
    ASSERT_EQ(lector.porcentaje(), 100);
    ASSERT_EQ(lector.bytes_leidos(), archivo.size());
    cuenta.escritas += lineas;
    cuenta.omitidas += lector.omitidas();
}

}  // namespace

TEST(ImportacionFuzz, CadaLineaEsRegistroORechazo) {
    const qint64 total = entero_de_entorno("LEDGRIX_FUZZ_LINEAS", 20000);
    const quint64 semilla = quint64(entero_de_entorno("LEDGRIX_FUZZ_SEMILLA", 20261206));
    Generador g(semilla);
    Cuenta cuenta;
    while (cuenta.escritas < total) {
        const int lineas = int(std::min<qint64>(total - cuenta.escritas, g.entre(1, 400)));
        un_archivo(g, lineas, cuenta);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "semilla " << semilla;
            return;
        }
    }
    EXPECT_EQ(cuenta.escritas, cuenta.registros + cuenta.rechazos + cuenta.omitidas);
    std::printf("%lld líneas: %lld registros, %lld rechazos, %lld omitidas\n",
                static_cast<long long>(cuenta.escritas), static_cast<long long>(cuenta.registros),
                static_cast<long long>(cuenta.rechazos), static_cast<long long>(cuenta.omitidas));
    // Neither everything taken nor everything refused: the generator reaches
    // both sides.
    EXPECT_GT(cuenta.registros, total / 5);
    EXPECT_GT(cuenta.rechazos, total / 5);
}
