#pragma once

// Small helpers shared by the files of the application logic. Private to it.

#include <QString>
#include <QVariant>
#include <QVector>
#include <vector>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/money/currency.h"

namespace ledgrix {

inline QString S(const char* s) {
    return QString::fromUtf8(s);
}

inline bool editando(const ClientDataset& ds) {
    return ds.state() == ClientDataset::State::Insert || ds.state() == ClientDataset::State::Edit;
}

inline Currency suma(const ClientDataset& ds, const char* campo) {
    Currency total;
    if (!ds.active())
        return total;
    const int i = ds.fieldByName(S(campo)).index();
    for (int fila = 0; fila < ds.recordCount(); ++fila)
        total += Field::currencyOf(ds.valueAt(fila, i));
    return total;
}

// Stored values of every row by field position (calculated ones left out),
// to bring a leftover back as rows being entered.
using Filas = std::vector<QVector<QVariant>>;

inline Filas copie_filas(ClientDataset& ds) {
    Filas filas;
    for (int fila = 0; fila < ds.recordCount(); ++fila) {
        QVector<QVariant> valores;
        for (Field* f : ds.fields())
            valores << (f->calculated() ? QVariant() : ds.valueAt(fila, f->index()));
        filas.push_back(valores);
    }
    return filas;
}

inline void ponga_fila(ClientDataset& ds, const QVector<QVariant>& valores) {
    for (Field* f : ds.fields())
        if (!f->calculated() && valores.value(f->index()).isValid())
            f->setValue(valores[f->index()]);
}

}  // namespace ledgrix
