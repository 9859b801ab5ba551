#include "core/money/formato_numero.h"

#include <QStringList>

namespace ledgrix {

namespace {

// Only ASCII digits: other scripts' digits are not something an amount box
// should quietly take.
bool digitos(QStringView texto) {
    for (QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// "1.000.000" with `miles` grouping: the first group one to three digits,
// every other exactly three. Answers the digits alone, or nullopt.
std::optional<QString> parte_entera(const QString& texto, QChar miles) {
    if (!texto.contains(miles))
        return digitos(texto) ? std::optional<QString>(texto) : std::nullopt;
    const QStringList grupos = texto.split(miles);
    QString solo;
    for (qsizetype k = 0; k < grupos.size(); ++k) {
        const QString& g = grupos[k];
        const bool largo_valido = k == 0 ? (g.size() >= 1 && g.size() <= 3) : g.size() == 3;
        if (!largo_valido || !digitos(g))
            return std::nullopt;
        solo += g;
    }
    return solo;
}

FormatoNumero& formato_instalado() {
    static FormatoNumero formato;
    return formato;
}

}  // namespace

std::optional<FormatoNumero> FormatoNumero::con(QChar miles, QChar decimal) {
    const QString decimales = QStringLiteral(".,");
    const QString grupos = QStringLiteral(".,' ");
    if (miles == decimal || !decimales.contains(decimal) || !grupos.contains(miles))
        return std::nullopt;
    return FormatoNumero(miles, decimal);
}

std::optional<FormatoNumero> FormatoNumero::de_ejemplo(const QString& ejemplo) {
    const QString texto = ejemplo.trimmed();
    qsizetype primero = -1, ultimo = -1;
    for (qsizetype k = 0; k < texto.size(); ++k) {
        if (texto[k] >= QLatin1Char('0') && texto[k] <= QLatin1Char('9'))
            continue;
        if (primero < 0)
            primero = k;
        ultimo = k;
    }
    if (primero < 0 || primero == ultimo)
        return std::nullopt;
    const auto formato = con(texto[primero], texto[ultimo]);
    if (!formato)
        return std::nullopt;
    // The example must be one the format itself writes, decimals included.
    const auto valor = formato->lea(texto);
    const int decimales = static_cast<int>(texto.size() - ultimo - 1);
    if (!valor || decimales < 1 || decimales > Currency::kDecimals ||
        formato->escriba(*valor, decimales) != texto)
        return std::nullopt;
    return formato;
}

std::optional<Currency> FormatoNumero::lea(const QString& entrada) const {
    QString texto = entrada.trimmed();
    const bool negativo = texto.startsWith(QLatin1Char('-'));
    if (negativo)
        texto.remove(0, 1);
    if (texto.count(decimal_) > 1)
        return std::nullopt;
    const qsizetype sep = texto.indexOf(decimal_);
    const QString entera = sep < 0 ? texto : texto.left(sep);
    const QString fraccion = sep < 0 ? QString() : texto.mid(sep + 1);
    const auto solo = parte_entera(entera, miles_);
    if (!solo || !digitos(fraccion) || (solo->isEmpty() && fraccion.isEmpty()))
        return std::nullopt;
    // The plain decimal text Currency reads exactly, with its digit limits.
    QString plano = negativo ? QStringLiteral("-") : QString();
    plano += solo->isEmpty() ? QStringLiteral("0") : *solo;
    if (!fraccion.isEmpty())
        plano += QLatin1Char('.') + fraccion;
    return Currency::parse(plano);
}

QString FormatoNumero::escriba(Currency valor, int decimales) const {
    QString plano = valor.toString(decimales);
    const bool negativo = plano.startsWith(QLatin1Char('-'));
    if (negativo)
        plano.remove(0, 1);
    const qsizetype punto = plano.indexOf(QLatin1Char('.'));
    QString entera = punto < 0 ? plano : plano.left(punto);
    for (qsizetype k = entera.size() - 3; k > 0; k -= 3)
        entera.insert(k, miles_);
    QString texto = negativo ? QStringLiteral("-") + entera : entera;
    if (punto >= 0)
        texto += decimal_ + plano.mid(punto + 1);
    return texto;
}

QString FormatoNumero::ejemplo() const {
    return escriba(Currency::fromUnits(12345678900), 2);
}

QString FormatoNumero::mensaje_invalido(const QString& texto) const {
    return QStringLiteral("El valor «%1» no es un número válido. Use el formato %2.")
        .arg(texto.trimmed(), ejemplo());
}

const FormatoNumero& FormatoNumero::instalacion() {
    return formato_instalado();
}

void FormatoNumero::instale(const FormatoNumero& formato) {
    formato_instalado() = formato;
}

}  // namespace ledgrix
