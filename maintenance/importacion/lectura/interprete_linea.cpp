#include "maintenance/importacion/lectura/interprete_linea.h"

#include <QRegularExpression>

#include "maintenance/importacion/lectura/datos_importacion.h"
#include "parties/digito_verificacion.h"

namespace ledgrix::importacion {

namespace {

constexpr int kMuestra = 30;

// The value as a refusal quotes it: whole when short, its start otherwise.
QString muestra(const QString& valor) {
    return valor.size() <= kMuestra ? valor : valor.left(kMuestra) + QStringLiteral("…");
}

QString mayuscula_inicial(QString texto) {
    if (!texto.isEmpty())
        texto[0] = texto[0].toUpper();
    return texto;
}

// Why a value cannot go into the database as text, or empty when it can. The
// database stores ISO 8859-1: a character outside it would be lost or stop
// the whole import at the first insert.
QString falla_texto(const QString& dato, const QString& valor) {
    for (const QChar c : valor) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            return QStringLiteral("%1 contiene un carácter de control: «%2».")
                .arg(mayuscula_inicial(nombrado(dato)), muestra(valor));
        if (u > 0xFF)
            return QStringLiteral("%1 contiene «%2», que la base de datos no puede guardar: «%3».")
                .arg(mayuscula_inicial(nombrado(dato)), QString(c), muestra(valor));
    }
    const int largo = largo_maximo(dato);
    if (largo > 0 && valor.size() > largo)
        return QStringLiteral("%1 tiene %2 caracteres y caben %3: «%4».")
            .arg(mayuscula_inicial(nombrado(dato)))
            .arg(valor.size())
            .arg(largo)
            .arg(muestra(valor));
    return {};
}

bool solo_digitos(const QString& texto) {
    return !texto.isEmpty() && std::all_of(texto.begin(), texto.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

bool alfanumerico(const QString& texto) {
    return std::all_of(texto.begin(), texto.end(),
                       [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); });
}

using Lectura = std::variant<QVariant, QString>;  // the value, or why not

Lectura lea_nit(const QString& dato, const QString& valor) {
    const qsizetype guion = valor.indexOf(QLatin1Char('-'));
    const QString nit = guion < 0 ? valor : valor.left(guion);
    if (!solo_digitos(nit) || (guion >= 0 && !solo_digitos(valor.mid(guion + 1))))
        return QStringLiteral(
                   "%1 «%2» debe tener solo dígitos, y si trae el dígito de "
                   "verificación, separado por un guion.")
            .arg(mayuscula_inicial(nombrado(dato)), muestra(valor));
    if (QString falla = falla_texto(dato, nit); !falla.isEmpty())
        return falla;
    if (guion >= 0) {
        const QString digito = valor.mid(guion + 1);
        const std::optional<int> esperado = dv(nit);
        if (!esperado)
            return QStringLiteral(
                       "No se puede comprobar el dígito de verificación de %1: el NIT "
                       "tiene más de 15 dígitos.")
                .arg(muestra(valor));
        if (digito.size() != 1 || digito.toInt() != *esperado)
            return QStringLiteral("El dígito de verificación de %1 no corresponde (es %2).")
                .arg(muestra(valor))
                .arg(*esperado);
    }
    return QVariant(nit);
}

// Day, month and year in the file's order, separated by "/", "-" or "." or
// written together as eight digits. Two-digit years are refused: which
// century they mean is not ours to guess.
Lectura lea_fecha(const QString& dato, const QString& valor, const QString& orden) {
    const auto invalida = [&] {
        const QString patron = orden == QLatin1String("AMD")   ? QStringLiteral("aaaa/mm/dd")
                               : orden == QLatin1String("MDA") ? QStringLiteral("mm/dd/aaaa")
                                                               : QStringLiteral("dd/mm/aaaa");
        return QStringLiteral("%1 «%2» no es una fecha en el orden %3.")
            .arg(mayuscula_inicial(nombrado(dato)), muestra(valor), patron);
    };
    QStringList partes;
    static const QRegularExpression separadores(QStringLiteral("[/.-]"));
    if (valor.contains(separadores)) {
        const QChar sep = valor.at(valor.indexOf(separadores));
        partes = valor.split(sep);
        if (partes.size() != 3)
            return invalida();
    } else if (valor.size() == 8 && solo_digitos(valor)) {
        const bool anio_primero = orden == QLatin1String("AMD");
        partes = anio_primero ? QStringList{valor.left(4), valor.mid(4, 2), valor.mid(6, 2)}
                              : QStringList{valor.left(2), valor.mid(2, 2), valor.mid(4, 4)};
    } else {
        return invalida();
    }
    int dia = 0, mes = 0, anio = 0;
    const auto asigne = [&](int& d, int& m, int& a) {
        for (const QString& p : partes)
            if (!solo_digitos(p))
                return false;
        d = partes[0].toInt();
        m = partes[1].toInt();
        a = partes[2].toInt();
        return true;
    };
    bool bien = false;
    QString texto_anio;
    if (orden == QLatin1String("AMD")) {
        bien = asigne(anio, mes, dia);
        texto_anio = partes[0];
    } else if (orden == QLatin1String("MDA")) {
        bien = asigne(mes, dia, anio);
        texto_anio = partes[2];
    } else {
        bien = asigne(dia, mes, anio);
        texto_anio = partes[2];
    }
    if (!bien || texto_anio.size() != 4)
        return invalida();
    const QDate fecha(anio, mes, dia);
    if (!fecha.isValid() || anio < 1000)
        return QStringLiteral("%1 «%2» no existe.")
            .arg(mayuscula_inicial(nombrado(dato)), muestra(valor));
    return QVariant(fecha);
}

Lectura lea_monto(const QString& dato, const QString& valor, const FormatoNumero& numeros) {
    const std::optional<Currency> monto = numeros.lea(valor);
    if (!monto)
        return QStringLiteral("%1 «%2» no es un número en el formato %3.")
            .arg(mayuscula_inicial(nombrado(dato)), muestra(valor), numeros.ejemplo());
    // The columns keep two decimals: more would be rounded away unseen.
    if (monto->units() % 100 != 0)
        return QStringLiteral("%1 «%2» tiene más de dos decimales.")
            .arg(mayuscula_inicial(nombrado(dato)), muestra(valor));
    // NUMERIC(15,2): thirteen whole digits; a larger amount would stop the
    // import at its insert.
    constexpr qint64 kTope = 10'000'000'000'000LL * Currency::kScale;
    if (monto->units() >= kTope || monto->units() <= -kTope)
        return QStringLiteral("%1 «%2» es demasiado grande: caben trece cifras enteras.")
            .arg(mayuscula_inicial(nombrado(dato)), muestra(valor));
    // Whether an opening balance raises or lowers the debt is said by its
    // document type, never by a sign.
    if (monto->isNegative())
        return QStringLiteral("%1 «%2» no puede ser negativo.")
            .arg(mayuscula_inicial(nombrado(dato)), muestra(valor));
    if (dato == QLatin1String("TRM") && monto->isZero())
        return QStringLiteral("La tasa de cambio no puede ser cero.");
    return QVariant::fromValue<qint64>(monto->units());
}

Lectura lea_valor(const QString& dato, const QString& valor, const FormatoArchivo& formato) {
    switch (tipo_de(dato)) {
        case TipoDato::Nit:
            return lea_nit(dato, valor);
        case TipoDato::Fecha:
            return lea_fecha(dato, valor, formato.orden_fecha);
        case TipoDato::Monto:
            return lea_monto(dato, valor, formato.numeros);
        case TipoDato::Entero:
            // Document numbers: six digits at most, as the prefixes keep them.
            if (!solo_digitos(valor) || valor.size() > 6 || valor.toInt() == 0)
                return QStringLiteral("%1 «%2» debe ser un número entero de 1 a 999999.")
                    .arg(mayuscula_inicial(nombrado(dato)), muestra(valor));
            return QVariant(valor.toInt());
        case TipoDato::Moneda:
            if (valor.size() != 3 || !alfanumerico(valor) ||
                !std::all_of(valor.begin(), valor.end(), [](QChar c) { return c.isLetter(); }))
                return QStringLiteral(
                           "%1 «%2» debe ser el código de tres letras de la moneda, como "
                           "COP o USD.")
                    .arg(mayuscula_inicial(nombrado(dato)), muestra(valor));
            return QVariant(valor.toUpper());
        case TipoDato::Codigo: {
            if (QString falla = falla_texto(dato, valor); !falla.isEmpty())
                return falla;
            const bool prefijo = dato == QLatin1String("PREFIJO");
            if (prefijo ? !alfanumerico(valor) : valor.contains(QLatin1Char(' ')))
                return QStringLiteral("%1 «%2» %3.")
                    .arg(mayuscula_inicial(nombrado(dato)), muestra(valor),
                         prefijo ? QStringLiteral("solo puede tener letras y dígitos")
                                 : QStringLiteral("no puede tener espacios"));
            return QVariant(dato == QLatin1String("TIPODOC") ? valor.toUpper() : valor);
        }
        case TipoDato::Texto:
            break;
    }
    if (QString falla = falla_texto(dato, valor); !falla.isEmpty())
        return falla;
    return QVariant(valor);
}

bool es_numerico(const QString& dato) {
    const TipoDato tipo = tipo_de(dato);
    return tipo == TipoDato::Monto || tipo == TipoDato::Entero;
}

}  // namespace

std::variant<Registro, Rechazo> interprete(const Linea& linea, Clase clase,
                                           const QList<ColumnaDato>& columnas,
                                           const FormatoArchivo& formato) {
    const auto rechazo = [&](const QString& motivo) { return Rechazo{linea.numero, motivo}; };
    Registro registro{linea.numero, {}};
    for (const ColumnaDato& c : columnas) {
        if (!c.importar || c.columna < 1 || !es_de(clase, c.dato) ||
            registro.valores.contains(c.dato))
            continue;
        const QString valor = linea.columnas.value(c.columna - 1).trimmed();
        if (valor.isEmpty()) {
            if (es_requerido(clase, c.dato))
                return rechazo(QStringLiteral("Falta %1.").arg(nombrado(c.dato)));
            if (c.dato == QLatin1String("TRM"))
                registro.valores.insert(c.dato, QVariant::fromValue<qint64>(Currency::kScale));
            else if (tipo_de(c.dato) == TipoDato::Monto)
                registro.valores.insert(c.dato, QVariant::fromValue<qint64>(0));
            else if (es_numerico(c.dato))
                registro.valores.insert(c.dato, QVariant(0));
            continue;
        }
        Lectura lectura = lea_valor(c.dato, valor, formato);
        if (const QString* motivo = std::get_if<QString>(&lectura))
            return rechazo(*motivo);
        registro.valores.insert(c.dato, std::get<QVariant>(lectura));
    }
    for (const QString& dato : requeridos(clase))
        if (!registro.valores.contains(dato))
            return rechazo(QStringLiteral("Falta %1.").arg(nombrado(dato)));
    return registro;
}

}  // namespace ledgrix::importacion
