#include "reports/pivote/cubo.h"

#include <algorithm>
#include <set>

namespace ledgrix {

namespace {

QString texto_o_ninguno(const QString& codigo, const QString& nombre) {
    const QString t = (codigo.trimmed() + QLatin1Char(' ') + nombre.trimmed()).trimmed();
    return t.isEmpty() ? QStringLiteral("(ninguno)") : t;
}

bool empieza_con(const QStringList& clave, const QStringList& prefijo) {
    if (prefijo.size() > clave.size())
        return false;
    for (qsizetype i = 0; i < prefijo.size(); ++i)
        if (clave[i] != prefijo[i])
            return false;
    return true;
}

// Sorted keys with each group's subtotal after its members and the grand
// total last.
std::vector<QStringList> con_totales(const std::set<QStringList>& claves, int niveles) {
    std::vector<QStringList> out;
    const std::vector<QStringList> orden(claves.begin(), claves.end());
    for (size_t i = 0; i < orden.size(); ++i) {
        out.push_back(orden[i]);
        for (int nivel = niveles - 1; nivel >= 1; --nivel) {
            const QStringList grupo = orden[i].mid(0, nivel);
            if (i + 1 == orden.size() || orden[i + 1].mid(0, nivel) != grupo)
                out.push_back(grupo);
        }
    }
    if (niveles > 0 || out.empty())
        out.push_back({});
    return out;
}

}  // namespace

const QList<Dimension>& dimensiones() {
    static const QList<Dimension> todas{Dimension::TipoDocumento, Dimension::Proveedor,
                                        Dimension::Grupo,         Dimension::Ciudad,
                                        Dimension::Mes,           Dimension::Fecha};
    return todas;
}

const QList<Medida>& medidas() {
    static const QList<Medida> todas{Medida::Monto, Medida::Saldo, Medida::Retenciones,
                                     Medida::Cantidad};
    return todas;
}

QString nombre(Dimension d) {
    switch (d) {
        case Dimension::TipoDocumento:
            return QStringLiteral("Tipo documento");
        case Dimension::Proveedor:
            return QStringLiteral("Proveedor");
        case Dimension::Grupo:
            return QStringLiteral("Grupo");
        case Dimension::Ciudad:
            return QStringLiteral("Ciudad");
        case Dimension::Mes:
            return QStringLiteral("Mes");
        case Dimension::Fecha:
            return QStringLiteral("Fecha");
    }
    return {};
}

QString nombre(Medida m) {
    switch (m) {
        case Medida::Monto:
            return QStringLiteral("Monto");
        case Medida::Saldo:
            return QStringLiteral("Saldo");
        case Medida::Retenciones:
            return QStringLiteral("Retenciones");
        case Medida::Cantidad:
            return QStringLiteral("Cantidad");
    }
    return {};
}

std::optional<Dimension> dimension_llamada(const QString& texto) {
    for (Dimension d : dimensiones())
        if (nombre(d) == texto)
            return d;
    return std::nullopt;
}

std::optional<Medida> medida_llamada(const QString& texto) {
    for (Medida m : medidas())
        if (nombre(m) == texto)
            return m;
    return std::nullopt;
}

Disposicion Disposicion::por_defecto() {
    return {{Dimension::Proveedor}, {Dimension::TipoDocumento}, {Medida::Monto, Medida::Saldo}};
}

bool Disposicion::valida() const {
    const QList<Dimension> todas = filas + columnas;
    for (qsizetype i = 0; i < todas.size(); ++i)
        if (todas.indexOf(todas[i]) != i)
            return false;
    for (qsizetype i = 0; i < medidas.size(); ++i)
        if (medidas.indexOf(medidas[i]) != i)
            return false;
    return true;
}

QString Cubo::valor_de(const MovimientoAnalisis& m, Dimension d) {
    switch (d) {
        case Dimension::TipoDocumento:
            return texto_o_ninguno(QString::number(m.tipodoc), m.nombre_tipo);
        case Dimension::Proveedor:
            return texto_o_ninguno(m.tercero, m.nombre_tercero);
        case Dimension::Grupo:
            return texto_o_ninguno(m.grupo, m.nombre_grupo);
        case Dimension::Ciudad:
            return texto_o_ninguno(m.municipio, m.nombre_municipio);
        case Dimension::Mes:
            return m.fecha.toString(QStringLiteral("yyyy-MM"));
        case Dimension::Fecha:
            return m.fecha.toString(QStringLiteral("yyyy-MM-dd"));
    }
    return {};
}

void Cubo::cargue(std::vector<MovimientoAnalisis> movimientos) {
    movimientos_ = std::move(movimientos);
    calcule();
}

void Cubo::disponga(const Disposicion& disposicion) {
    disposicion_ = disposicion.valida() ? disposicion : Disposicion::por_defecto();
    calcule();
}

QStringList Cubo::clave(const MovimientoAnalisis& m, const QList<Dimension>& dims) const {
    QStringList k;
    for (Dimension d : dims)
        k << valor_de(m, d);
    return k;
}

QString Cubo::llave(const QStringList& fila, const QStringList& columna) {
    const QChar sep(0x1f);
    return QString::number(fila.size()) + sep + fila.join(sep) + QChar(0x1e) +
           QString::number(columna.size()) + sep + columna.join(sep);
}

void Cubo::calcule() {
    sumas_.clear();
    std::set<QStringList> filas, columnas;
    for (const MovimientoAnalisis& m : movimientos_) {
        const QStringList f = clave(m, disposicion_.filas);
        const QStringList c = clave(m, disposicion_.columnas);
        filas.insert(f);
        columnas.insert(c);
        // Every subtotal the document belongs to, on both axes.
        for (qsizetype i = 0; i <= f.size(); ++i)
            for (qsizetype j = 0; j <= c.size(); ++j) {
                Suma& s = sumas_[llave(f.mid(0, i), c.mid(0, j))];
                s.monto = s.monto + m.monto;
                s.saldo = s.saldo + m.saldo;
                s.retencion = s.retencion + m.retencion;
                ++s.cantidad;
            }
    }
    filas_ = con_totales(filas, static_cast<int>(disposicion_.filas.size()));
    columnas_ = con_totales(columnas, static_cast<int>(disposicion_.columnas.size()));
}

std::optional<Currency> Cubo::valor(int fila, int columna, Medida m) const {
    const auto it = sumas_.constFind(llave(filas_.at(size_t(fila)), columnas_.at(size_t(columna))));
    if (it == sumas_.cend())
        return std::nullopt;
    switch (m) {
        case Medida::Monto:
            return it->monto;
        case Medida::Saldo:
            return it->saldo;
        case Medida::Retenciones:
            return it->retencion;
        case Medida::Cantidad:
            return Currency::fromInt(it->cantidad);
    }
    return std::nullopt;
}

std::vector<int> Cubo::detalle(int fila, int columna) const {
    const QStringList& f = filas_.at(size_t(fila));
    const QStringList& c = columnas_.at(size_t(columna));
    std::vector<int> out;
    for (size_t i = 0; i < movimientos_.size(); ++i) {
        const MovimientoAnalisis& m = movimientos_[i];
        if (empieza_con(clave(m, disposicion_.filas), f) &&
            empieza_con(clave(m, disposicion_.columnas), c))
            out.push_back(static_cast<int>(i));
    }
    return out;
}

}  // namespace ledgrix
