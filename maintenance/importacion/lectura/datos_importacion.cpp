#include "maintenance/importacion/lectura/datos_importacion.h"

#include <QHash>
#include <array>

namespace ledgrix::importacion {

namespace {

enum : unsigned { kProv = 1, kGrup = 2, kSald = 4 };

struct Dato {
    const char* nombre;
    unsigned clases;
    const char* descripcion;
    const char* nombrado;
    TipoDato tipo;
    // Length of the column the value is stored in (TERCEROS, PROVEEDORES,
    // GRUPOS_PROVEEDORES, the charge and discount tables, PREFIJOS).
    int largo;
    unsigned requerido;
};

// In the order a kind's items are proposed; an item shared by two kinds
// (GRPR_COD) is listed once and placed by its first kind.
constexpr std::array kDatos{
    Dato{"TERC_NIT", kProv, "NIT", "el NIT", TipoDato::Nit, 20, kProv},
    Dato{"TERC_NOM", kProv, "Nombre", "el nombre", TipoDato::Texto, 60, kProv},
    Dato{"TERC_DIR", kProv, "Dirección", "la dirección", TipoDato::Texto, 100, 0},
    Dato{"TERC_CIU", kProv, "Ciudad", "la ciudad", TipoDato::Texto, 40, 0},
    Dato{"TERC_TEL", kProv, "Teléfono", "el teléfono", TipoDato::Texto, 40, 0},
    Dato{"TERC_CONTACTO", kProv, "Contacto", "el contacto", TipoDato::Texto, 60, 0},
    Dato{"TERC_FAX", kProv, "Fax", "el fax", TipoDato::Texto, 40, 0},
    Dato{"TERC_CEL", kProv, "Celular", "el celular", TipoDato::Texto, 40, 0},
    Dato{"TERC_TIPOID", kProv, "Tipo de identificación", "el tipo de identificación",
         TipoDato::Codigo, 1, 0},
    Dato{"TERC_APELLIDO1", kProv, "Primer apellido", "el primer apellido", TipoDato::Texto, 60, 0},
    Dato{"TERC_APELLIDO2", kProv, "Segundo apellido", "el segundo apellido", TipoDato::Texto, 60,
         0},
    Dato{"TERC_NOMBRE1", kProv, "Primer nombre", "el primer nombre", TipoDato::Texto, 60, 0},
    Dato{"TERC_NOMBRE2", kProv, "Segundo nombre", "el segundo nombre", TipoDato::Texto, 60, 0},
    Dato{"PROV_COD", kProv, "Código del proveedor", "el código del proveedor", TipoDato::Codigo, 15,
         0},
    Dato{"GRPR_COD", kProv | kGrup, "Grupo", "el grupo", TipoDato::Codigo, 2, kProv | kGrup},
    Dato{"PROV_BANCO", kProv, "Banco", "el banco", TipoDato::Codigo, 2, 0},
    Dato{"PROV_TIPOCTA", kProv, "Tipo de cuenta", "el tipo de cuenta", TipoDato::Codigo, 1, 0},
    Dato{"PROV_CUENTA", kProv, "Número de cuenta", "el número de cuenta", TipoDato::Codigo, 20, 0},
    Dato{"GRPR_NOM", kGrup, "Nombre del grupo", "el nombre del grupo", TipoDato::Texto, 60, kGrup},
    Dato{"TIPODOC", kSald, "Tipo de documento", "el tipo de documento", TipoDato::Codigo, 1, kSald},
    Dato{"PREFIJO", kSald, "Prefijo", "el prefijo", TipoDato::Codigo, 4, kSald},
    Dato{"NUMERO", kSald, "Número", "el número", TipoDato::Entero, 0, kSald},
    Dato{"FECHA", kSald, "Fecha", "la fecha", TipoDato::Fecha, 0, kSald},
    Dato{"NIT", kSald, "NIT", "el NIT", TipoDato::Nit, 20, kSald},
    Dato{"VENCE", kSald, "Vencimiento", "el vencimiento", TipoDato::Fecha, 0, 0},
    Dato{"CONCEPTO", kSald, "Concepto", "el concepto", TipoDato::Texto, 60, 0},
    Dato{"MONTO", kSald, "Monto", "el monto", TipoDato::Monto, 0, kSald},
    Dato{"TRM", kSald, "Tasa de cambio", "la tasa de cambio", TipoDato::Monto, 0, 0},
    Dato{"MONEDA", kSald, "Moneda", "la moneda", TipoDato::Moneda, 3, 0},
    Dato{"EXENTOS", kSald, "Base exenta", "la base exenta", TipoDato::Monto, 0, 0},
    Dato{"GRAVADOS1", kSald, "Base gravada 1", "la base gravada 1", TipoDato::Monto, 0, 0},
    Dato{"GRAVADOS2", kSald, "Base gravada 2", "la base gravada 2", TipoDato::Monto, 0, 0},
    Dato{"IVAMONTO", kSald, "IVA", "el IVA", TipoDato::Monto, 0, 0},
    Dato{"IVA1", kSald, "IVA 1", "el IVA 1", TipoDato::Monto, 0, 0},
    Dato{"IVA2", kSald, "IVA 2", "el IVA 2", TipoDato::Monto, 0, 0},
    Dato{"RTEFTEMONTO", kSald, "Retención en la fuente", "la retención en la fuente",
         TipoDato::Monto, 0, 0},
    Dato{"RTEIVAMONTO", kSald, "Retención de IVA", "la retención de IVA", TipoDato::Monto, 0, 0},
    Dato{"RTEICAMONTO", kSald, "Retención de ICA", "la retención de ICA", TipoDato::Monto, 0, 0},
    Dato{"RTCREEMONTO", kSald, "Retención CREE", "la retención CREE", TipoDato::Monto, 0, 0},
};

unsigned bit(Clase clase) {
    switch (clase) {
        case Clase::Proveedores:
            return kProv;
        case Clase::Grupos:
            return kGrup;
        case Clase::SaldosIniciales:
            return kSald;
    }
    return 0;
}

// Looked up once per value of every line imported: by hash, not by walking
// the table.
const Dato* busque(const QString& dato) {
    static const QHash<QString, const Dato*> indice = [] {
        QHash<QString, const Dato*> h;
        for (const Dato& d : kDatos)
            h.insert(QString::fromLatin1(d.nombre), &d);
        return h;
    }();
    return indice.value(dato, nullptr);
}

}  // namespace

QList<ColumnaDato> datos_de(Clase clase) {
    QList<ColumnaDato> datos;
    for (const Dato& d : kDatos)
        if (d.clases & bit(clase))
            datos.append(ColumnaDato{QString::fromLatin1(d.nombre),
                                     static_cast<int>(datos.size()) + 1, 0, true});
    return datos;
}

QString descripcion(const QString& dato) {
    const Dato* d = busque(dato);
    return d ? QString::fromUtf8(d->descripcion) : dato;
}

QString nombrado(const QString& dato) {
    const Dato* d = busque(dato);
    return d ? QString::fromUtf8(d->nombrado) : dato;
}

TipoDato tipo_de(const QString& dato) {
    const Dato* d = busque(dato);
    return d ? d->tipo : TipoDato::Texto;
}

int largo_maximo(const QString& dato) {
    const Dato* d = busque(dato);
    return d ? d->largo : 0;
}

QStringList requeridos(Clase clase) {
    QStringList r;
    for (const Dato& d : kDatos)
        if (d.requerido & bit(clase))
            r.append(QString::fromLatin1(d.nombre));
    return r;
}

bool es_de(Clase clase, const QString& dato) {
    const Dato* d = busque(dato);
    return d && (d->clases & bit(clase));
}

bool es_requerido(Clase clase, const QString& dato) {
    const Dato* d = busque(dato);
    return d && (d->requerido & bit(clase));
}

}  // namespace ledgrix::importacion
