#include "reports/pivote/modelo_cubo.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "core/money/formato_numero.h"

namespace ledgrix {

namespace {

// The label of a key: its values, the subtotal's last one prefixed.
QString rotulo_total(const QStringList& clave, int niveles) {
    if (clave.isEmpty())
        return QStringLiteral("Total general");
    if (clave.size() < niveles)
        return QStringLiteral("Total ") + clave.last();
    return {};
}

}  // namespace

ModeloCubo::ModeloCubo(const Cubo& cubo, QObject* parent)
    : QAbstractTableModel(parent), cubo_(cubo) {}

void ModeloCubo::cambie(const std::function<void()>& cambio) {
    beginResetModel();
    cambio();
    endResetModel();
}

int ModeloCubo::columnas_clave() const {
    return std::max<int>(1, static_cast<int>(cubo_.disposicion().filas.size()));
}

int ModeloCubo::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || cubo_.vacio() ? 0 : static_cast<int>(cubo_.filas().size());
}

int ModeloCubo::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return columnas_clave() +
           static_cast<int>(cubo_.columnas().size() * cubo_.disposicion().medidas.size());
}

int ModeloCubo::columna_cubo(int columna) const {
    const int medidas = static_cast<int>(cubo_.disposicion().medidas.size());
    return medidas == 0 ? 0 : (columna - columnas_clave()) / medidas;
}

Medida ModeloCubo::medida(int columna) const {
    const auto& medidas = cubo_.disposicion().medidas;
    return medidas.at((columna - columnas_clave()) % medidas.size());
}

bool ModeloCubo::es_total(int fila, int columna) const {
    const Disposicion& d = cubo_.disposicion();
    if (cubo_.filas().at(size_t(fila)).size() < d.filas.size() || d.filas.isEmpty())
        return true;
    return columna >= columnas_clave() &&
           cubo_.columnas().at(size_t(columna_cubo(columna))).size() < d.columnas.size();
}

QVariant ModeloCubo::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int fila = index.row(), columna = index.column();
    const bool clave = columna < columnas_clave();
    switch (role) {
        case Qt::DisplayRole: {
            if (clave) {
                const QStringList& k = cubo_.filas().at(size_t(fila));
                const int niveles = static_cast<int>(cubo_.disposicion().filas.size());
                const int ultima = k.isEmpty() ? 0 : static_cast<int>(k.size()) - 1;
                if ((k.size() < niveles || niveles == 0) && columna == ultima)
                    return rotulo_total(k, niveles);
                return columna < k.size() ? QVariant(k.at(columna)) : QVariant();
            }
            const Medida m = medida(columna);
            const std::optional<Currency> v = cubo_.valor(fila, columna_cubo(columna), m);
            if (!v)
                return {};
            return FormatoNumero::instalacion().escriba(*v, m == Medida::Cantidad ? 0 : 2);
        }
        case Qt::TextAlignmentRole:
            return clave ? QVariant() : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
        case Qt::FontRole:
            if (es_total(fila, columna)) {
                QFont f;
                f.setBold(true);
                return f;
            }
            return {};
        case Qt::BackgroundRole:
            return es_total(fila, columna) ? QVariant(QBrush(QColor(0xe8, 0xee, 0xf7)))
                                           : QVariant();
        default:
            return {};
    }
}

QVariant ModeloCubo::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    const bool clave = section < columnas_clave();
    if (role == Qt::TextAlignmentRole)
        return clave ? QVariant() : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    const Disposicion& d = cubo_.disposicion();
    if (clave)
        return d.filas.isEmpty() ? QString() : nombre(d.filas.at(section));
    const QStringList& k = cubo_.columnas().at(size_t(columna_cubo(section)));
    QString titulo = rotulo_total(k, static_cast<int>(d.columnas.size()));
    if (titulo.isEmpty())
        titulo = k.join(QStringLiteral(" / "));
    if (d.columnas.isEmpty())
        return nombre(medida(section));
    return d.medidas.size() > 1 ? titulo + QStringLiteral(" - ") + nombre(medida(section)) : titulo;
}

std::vector<int> ModeloCubo::detalle(const QModelIndex& index) const {
    if (!index.isValid() || cubo_.vacio())
        return {};
    const int columna = index.column() < columnas_clave()
                            ? static_cast<int>(cubo_.columnas().size()) - 1
                            : columna_cubo(index.column());
    return cubo_.detalle(index.row(), columna);
}

}  // namespace ledgrix
