#include "electronic/documento/codigos.h"

#include <QCryptographicHash>
#include <QHash>

namespace ledgrix::electronico {

#define S QStringLiteral

QString sha384_hex(const QString& texto) {
    return QString::fromLatin1(
        QCryptographicHash::hash(texto.toUtf8(), QCryptographicHash::Sha384).toHex());
}

QString texto_cuds(const DatosDocumento& d, const QString& pin, const QString& ambiente) {
    return d.numero_documento() + d.fecha + d.hora + S("-05:00") + texto_monto(d.subtotal) +
           S("01") + texto_monto(d.iva) + texto_monto(d.total) + d.proveedor.nit + d.emisor.nit +
           pin + ambiente;
}

QString codigo_seguridad(const QString& software_id, const QString& pin, const QString& numero) {
    return sha384_hex(software_id + pin + numero);
}

QString departamento(const QString& ciudad) {
    static const QHash<QString, QString> nombres{
        {S("05"), S("Antioquia")},
        {S("08"), S("Atlántico")},
        {S("11"), S("Bogotá")},
        {S("13"), S("Bolívar")},
        {S("15"), S("Boyacá")},
        {S("17"), S("Caldas")},
        {S("18"), S("Caquetá")},
        {S("19"), S("Cauca")},
        {S("20"), S("Cesar")},
        {S("23"), S("Córdoba")},
        {S("25"), S("Cundinamarca")},
        {S("27"), S("Chocó")},
        {S("41"), S("Huila")},
        {S("44"), S("La Guajira")},
        {S("47"), S("Magdalena")},
        {S("50"), S("Meta")},
        {S("52"), S("Nariño")},
        {S("54"), S("Norte de Santander")},
        {S("63"), S("Quindío")},
        {S("66"), S("Risaralda")},
        {S("68"), S("Santander")},
        {S("70"), S("Sucre")},
        {S("73"), S("Tolima")},
        {S("76"), S("Valle del Cauca")},
        {S("81"), S("Arauca")},
        {S("85"), S("Casanare")},
        {S("86"), S("Putumayo")},
        {S("88"), S("Archipiélago de San Andrés, Providencia y Santa Catalina")},
        {S("91"), S("Amazonas")},
        {S("94"), S("Guainía")},
        {S("95"), S("Guaviare")},
        {S("97"), S("Vaupés")},
        {S("99"), S("Vichada")},
    };
    return ciudad.size() == 5 ? nombres.value(ciudad.left(2)) : QString();
}

Pais pais(const QString& codigo) {
    struct Fila {
        const char* numero;
        const char* alfa;
        const char* nombre;
    };
    static const Fila filas[] = {
        {"170", "CO", "Colombia"},
        {"218", "EC", "Ecuador"},
        {"484", "MX", "México"},
        {"591", "PA", "Panamá"},
        {"604", "PE", "Perú"},
        {"724", "ES", "España"},
        {"840", "US", "Estados Unidos"},
        {"862", "VE", "Venezuela"},
        {"156", "CN", "China"},
        {"076", "BR", "Brasil"},
        {"032", "AR", "Argentina"},
        {"152", "CL", "Chile"},
        {"068", "BO", "Bolivia"},
        {"600", "PY", "Paraguay"},
        {"858", "UY", "Uruguay"},
        {"188", "CR", "Costa Rica"},
        {"222", "SV", "El Salvador"},
        {"320", "GT", "Guatemala"},
        {"340", "HN", "Honduras"},
        {"558", "NI", "Nicaragua"},
        {"214", "DO", "República Dominicana"},
        {"124", "CA", "Canadá"},
        {"276", "DE", "Alemania"},
        {"250", "FR", "Francia"},
        {"380", "IT", "Italia"},
        {"826", "GB", "Reino Unido"},
        {"528", "NL", "Países Bajos"},
        {"756", "CH", "Suiza"},
        {"392", "JP", "Japón"},
        {"410", "KR", "Corea del Sur"},
        {"356", "IN", "India"},
    };
    const QString c = codigo.trimmed().toUpper();
    for (const Fila& f : filas)
        if (c == QLatin1String(f.alfa) || c.rightJustified(3, u'0') == QLatin1String(f.numero))
            return {QString::fromLatin1(f.alfa), QString::fromUtf8(f.nombre)};
    return {};
}

#undef S

}  // namespace ledgrix::electronico
