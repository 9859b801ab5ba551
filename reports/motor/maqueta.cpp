#include "reports/motor/maqueta.h"

#include <algorithm>

#include "core/data/field.h"
#include "reports/motor/fuente.h"

namespace ledgrix {

Currency como_monto(const QVariant& v) {
    if (v.typeId() == qMetaTypeId<Currency>())
        return v.value<Currency>();
    return Currency::fromVariant(v);
}

namespace {

// A sum or count of a placed band: which accumulator it reads.
struct Lectura {
    int ambito;   // index in Maquetador::acumulados
    int columna;  // index in the summed columns; -1 counts rows
};

// A grouping level: its header band (or -1 when left out), its footers and
// the column whose change starts a new group.
struct Nivel {
    int encabezado = -1;
    std::vector<int> pies;
    std::vector<int> columnas;

    bool cambia(const FuenteReporte& f, int fila) const {
        for (int c : columnas)
            if (f.valor(fila, c) != f.valor(fila - 1, c))
                return true;
        return false;
    }
};

class Maquetador {
  public:
    Maquetador(const DefinicionReporte& def, const QSet<QString>& suprimidas,
               const FuenteReporte& fuente, QSizeF papel)
        : def_(def), fuente_(fuente), papel_(papel) {
        const int n = static_cast<int>(def.bandas.size());
        activa_.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const Banda& b = banda(i);
            activa_[static_cast<size_t>(i)] = !suprimidas.contains(b.nombre);
            if (!activa_[static_cast<size_t>(i)])
                continue;
            switch (b.tipo) {
                case TipoBanda::EncabezadoReporte:
                    enc_reporte_ = i;
                    break;
                case TipoBanda::EncabezadoPagina:
                    enc_pagina_ = i;
                    break;
                case TipoBanda::Detalle:
                    detalle_ = i;
                    break;
                case TipoBanda::PiePagina:
                    pie_pagina_ = i;
                    break;
                case TipoBanda::Resumen:
                    resumen_ = i;
                    break;
                default:
                    break;
            }
        }
        // A grouping stays while its header or any of its footers prints.
        for (int i = 0; i < n; ++i) {
            if (banda(i).tipo != TipoBanda::EncabezadoGrupo)
                continue;
            Nivel nv;
            nv.encabezado = activa_[static_cast<size_t>(i)] ? i : -1;
            for (int j = i + 1; j < n; ++j)
                if (activa_[static_cast<size_t>(j)] && banda(j).tipo == TipoBanda::PieGrupo &&
                    banda(j).grupo == banda(i).nombre)
                    nv.pies.push_back(j);
            if (nv.encabezado < 0 && nv.pies.empty())
                continue;
            for (const QString& campo : banda(i).campos)
                nv.columnas.push_back(columna(campo, banda(i)));
            nivel_de_.insert(banda(i).nombre, static_cast<int>(niveles_.size()));
            niveles_.push_back(nv);
        }
        lecturas_.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            if (activa_[static_cast<size_t>(i)])
                prepare_lecturas(i);
        acumulados_.assign(niveles_.size() + 2, std::vector<Currency>(sumadas_.size() + 1));
        limite_ = papel_.height() - def_.margen_inferior -
                  (pie_pagina_ >= 0 ? banda(pie_pagina_).alto : 0);
    }

    std::optional<Maqueta> maquete(QString* error) {
        if (!falta_.isEmpty()) {
            if (error)
                *error = falta_;
            return std::nullopt;
        }
        const int filas = fuente_.filas();
        nueva_pagina(filas > 0 ? 0 : -1);
        for (int r = 0; r < filas; ++r) {
            size_t desde = r == 0 ? 0 : niveles_.size();
            for (size_t l = 0; r > 0 && l < niveles_.size(); ++l)
                if (niveles_[l].cambia(fuente_, r)) {
                    desde = l;
                    break;
                }
            if (r > 0)
                cierre_grupos(desde, r - 1);
            abra_grupos(desde, r);
            const double alto = detalle_ >= 0 ? banda(detalle_).alto : 0;
            if (alto > 0 && !cabe(alto))
                cambie_pagina(r);
            acumule(r);
            if (detalle_ >= 0)
                coloque(detalle_, r);
            ultima_ = r;
        }
        if (filas > 0)
            cierre_grupos(0, filas - 1);
        if (resumen_ >= 0) {
            if (!cabe(banda(resumen_).alto))
                cambie_pagina(-1);
            coloque(resumen_, ultima_);
        }
        cierre_pagina();
        return std::move(m_);
    }

  private:
    const Banda& banda(int i) const { return def_.bandas[static_cast<size_t>(i)]; }

    int columna(const QString& nombre, const Banda& b) {
        const int c = fuente_.columna(nombre);
        if (c < 0 && falta_.isEmpty())
            falta_ = QStringLiteral(
                         "El reporte «%1» de %2 usa en la banda «%3» la columna «%4», "
                         "que no viene en los datos.")
                         .arg(def_.nombre, def_.archivo, b.nombre, nombre);
        return c;
    }

    void prepare_lecturas(int i) {
        const Banda& b = banda(i);
        for (const Elemento& e : b.elementos) {
            if (e.tipo == TipoElemento::Campo)
                columna(e.columna, b);
            if (e.tipo != TipoElemento::Suma && e.tipo != TipoElemento::Cuenta)
                continue;
            Lectura l{};
            switch (e.ambito) {
                case Ambito::Grupo:
                    l.ambito = nivel_de_.value(b.grupo, -1);
                    break;
                case Ambito::Pagina:
                    l.ambito = static_cast<int>(niveles_.size());
                    break;
                case Ambito::Reporte:
                    l.ambito = static_cast<int>(niveles_.size()) + 1;
                    break;
            }
            l.columna = -1;
            if (e.tipo == TipoElemento::Suma) {
                const int c = columna(e.columna, b);
                auto it = std::find(sumadas_.begin(), sumadas_.end(), c);
                l.columna = static_cast<int>(it - sumadas_.begin());
                if (it == sumadas_.end())
                    sumadas_.push_back(c);
            }
            lecturas_[static_cast<size_t>(i)].push_back(l);
        }
    }

    void acumule(int r) {
        for (size_t k = 0; k < sumadas_.size(); ++k) {
            if (sumadas_[k] < 0)
                continue;
            const Currency v = como_monto(fuente_.valor(r, sumadas_[k]));
            for (auto& a : acumulados_)
                a[k] += v;
        }
        for (auto& a : acumulados_)
            a.back() += Currency::fromInt(1);
    }

    void reinicie(size_t ambito) {
        std::fill(acumulados_[ambito].begin(), acumulados_[ambito].end(), Currency());
    }

    bool cabe(double alto) const { return y_ + alto <= limite_ + 1e-6 || vacia_; }

    void coloque(int i, int fila, double y = -1) {
        BandaColocada c;
        c.banda = i;
        c.y = static_cast<float>(y >= 0 ? y : y_);
        c.fila = fila;
        const auto& lecturas = lecturas_[static_cast<size_t>(i)];
        if (!lecturas.empty()) {
            c.valores = static_cast<int>(m_.valores.size());
            for (const Lectura& l : lecturas) {
                const auto& a = acumulados_[static_cast<size_t>(l.ambito < 0 ? 0 : l.ambito)];
                m_.valores.push_back(l.ambito < 0    ? Currency()
                                     : l.columna < 0 ? a.back()
                                                     : a[static_cast<size_t>(l.columna)]);
            }
        }
        m_.bandas.push_back(c);
        if (y < 0) {
            y_ += banda(i).alto;
            vacia_ = false;
        }
    }

    void nueva_pagina(int fila) {
        m_.inicio_pagina.push_back(m_.bandas.size());
        y_ = def_.margen_superior;
        if (m_.paginas() == 1 && enc_reporte_ >= 0)
            coloque(enc_reporte_, fila);
        if (enc_pagina_ >= 0)
            coloque(enc_pagina_, fila);
        vacia_ = true;
    }

    void cierre_pagina() {
        if (pie_pagina_ >= 0)
            coloque(pie_pagina_, ultima_, limite_);
        reinicie(niveles_.size());
    }

    void cambie_pagina(int fila) {
        cierre_pagina();
        nueva_pagina(fila);
    }

    // Footers of the groups from `desde` inwards, innermost first.
    void cierre_grupos(size_t desde, int fila) {
        for (size_t l = niveles_.size(); l-- > desde;) {
            for (int p : niveles_[l].pies) {
                if (!cabe(banda(p).alto))
                    cambie_pagina(fila);
                coloque(p, fila);
            }
            reinicie(l);
        }
    }

    // Headers of the groups from `desde` inwards, kept on the page of the
    // first row they head.
    void abra_grupos(size_t desde, int fila) {
        // A group that asks for a page of its own (a statement per supplier)
        // leaves the page of the group before it.
        for (size_t l = desde; fila > 0 && !vacia_ && l < niveles_.size(); ++l)
            if (niveles_[l].encabezado >= 0 && banda(niveles_[l].encabezado).pagina_nueva) {
                cambie_pagina(fila);
                break;
            }
        double alto = detalle_ >= 0 ? banda(detalle_).alto : 0;
        for (size_t l = desde; l < niveles_.size(); ++l)
            if (niveles_[l].encabezado >= 0)
                alto += banda(niveles_[l].encabezado).alto;
        if (desde < niveles_.size() && !cabe(alto))
            cambie_pagina(fila);
        for (size_t l = desde; l < niveles_.size(); ++l)
            if (niveles_[l].encabezado >= 0)
                coloque(niveles_[l].encabezado, fila);
    }

    const DefinicionReporte& def_;
    const FuenteReporte& fuente_;
    QSizeF papel_;
    std::vector<bool> activa_;
    int enc_reporte_ = -1, enc_pagina_ = -1, detalle_ = -1, pie_pagina_ = -1, resumen_ = -1;
    std::vector<Nivel> niveles_;
    QHash<QString, int> nivel_de_;
    std::vector<int> sumadas_;
    std::vector<std::vector<Lectura>> lecturas_;
    // One row per group level, then the page, then the report; one column
    // per summed column and the row count last.
    std::vector<std::vector<Currency>> acumulados_;
    QString falta_;
    Maqueta m_;
    double y_ = 0, limite_ = 0;
    bool vacia_ = true;
    int ultima_ = -1;
};

}  // namespace

std::optional<Maqueta> maquete(const DefinicionReporte& def, const QSet<QString>& suprimidas,
                               const FuenteReporte& fuente, QSizeF papel, QString* error) {
    return Maquetador(def, suprimidas, fuente, papel).maquete(error);
}

}  // namespace ledgrix
