// Fills a company database with suppliers, their payables documents and the
// payment vouchers that settle them, through the document tables: the
// ledger's triggers build MOVIMIENTO_PROVEEDOR and ABONOS_PROVEEDOR as they
// do for the program, so what the benchmarks read is what the day-to-day
// work would have left.
//
// Everything is decided in memory first (suppliers, documents, payments,
// ids and numbers), then written in date order on one connection with
// prepared statements and large transactions.
#include "bench/generador/generador.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "core/services/paths.h"
#include "parties/digito_verificacion.h"
#include "tools/admin/dbsetup/connection.h"
#include "tools/admin/dbsetup/dbsetup.h"

namespace ledgrix::generador {
namespace {

using Rng = std::mt19937_64;

// ---- Names and concepts. -------------------------------------------------

const char* const kRazon[] = {"Distribuidora", "Comercializadora", "Inversiones", "Transportes",
                              "Suministros",   "Industrias",       "Servicios",   "Importadora",
                              "Ferretería",    "Laboratorios",     "Agroinsumos", "Papelería",
                              "Tecnología",    "Construcciones",   "Alimentos"};
const char* const kLugar[] = {
    "del Valle", "Andina",       "del Caribe", "del Pacífico", "Santandereana", "La Sabana",
    "El Dorado", "Nacional",     "Integral",   "Continental",  "del Norte",     "Central",
    "San José",  "La Esperanza", "Los Andes",  "Cafetera",     "Antioqueña",    "del Llano"};
const char* const kSociedad[] = {"S.A.S.", "S.A.S.", "S.A.S.", "S.A.", "Ltda.", "& Cía. S. en C."};
const char* const kApellido[] = {
    "Gómez",   "Rodríguez", "Martínez", "García",  "López",   "González", "Hernández", "Pérez",
    "Sánchez", "Ramírez",   "Torres",   "Díaz",    "Vargas",  "Moreno",   "Rojas",     "Jiménez",
    "Castro",  "Ortiz",     "Ruiz",     "Álvarez", "Muñoz",   "Quintero", "Restrepo",  "Cárdenas",
    "Ospina",  "Zapata",    "Salazar",  "Mejía",   "Londoño", "Arango"};
const char* const kNombre[] = {
    "Andrés", "Carlos",  "Juan",     "Luis",    "Jorge",     "Diego",    "Camilo", "Felipe",
    "Sergio", "Julián",  "María",    "Ana",     "Luz",       "Claudia",  "Paola",  "Diana",
    "Sandra", "Natalia", "Carolina", "Adriana", "Marta",     "Gloria",   "Hernán", "Óscar",
    "Fabio",  "Nelson",  "Beatriz",  "Lucía",   "Alejandro", "Valentina"};
const char* const kCiudad[][2] = {{"11001", "Bogotá D.C."}, {"05001", "Medellín"},
                                  {"76001", "Cali"},        {"08001", "Barranquilla"},
                                  {"13001", "Cartagena"},   {"68001", "Bucaramanga"},
                                  {"66001", "Pereira"},     {"17001", "Manizales"},
                                  {"54001", "Cúcuta"},      {"73001", "Ibagué"}};
// ICA per thousand of each city above.
const double kIcaCiudad[] = {9.66, 7.00, 6.60, 7.00, 8.00, 6.00, 7.00, 6.00, 7.00, 7.00};

const char* const kConceptoFactura[] = {"Compra de mercancía",
                                        "Materia prima",
                                        "Repuestos",
                                        "Insumos de aseo",
                                        "Papelería y útiles",
                                        "Servicio de transporte",
                                        "Mantenimiento de equipos",
                                        "Arrendamiento local",
                                        "Honorarios",
                                        "Publicidad",
                                        "Material de empaque",
                                        "Servicio de vigilancia"};
const char* const kConceptoCargo[] = {"Fletes adicionales", "Intereses de mora", "Ajuste de precio",
                                      "Reintegro de gastos"};
const char* const kConceptoDescuento[] = {"Descuento comercial", "Descuento por volumen",
                                          "Bonificación", "Ajuste de precio a favor"};
const char* const kConceptoDevolucion[] = {
    "Devolución mercancía averiada", "Devolución por calidad", "Devolución sobrante de pedido"};

template <typename T, std::size_t N>
const T& uno(const T (&lista)[N], Rng& rng) {
    return lista[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng)];
}

double u01(Rng& rng) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng);
}
int entre(Rng& rng, int a, int b) {
    return std::uniform_int_distribution<int>(a, b)(rng);
}

// ---- What is generated. ---------------------------------------------------

// Amounts in cents; dates as Julian days.
struct Proveedor {
    QString nit, dv, nombre, nombre1, apellido1, ciudad, ciudadNombre, codigo;
    bool juridica = true;
    int moneda = 1;  // 1 local; 2 dollars, 3 euros for suppliers abroad
    int diasPago = 30;
    int diaSemana = 5;   // the weekday the company pays him
    double retefte = 0;  // percent
    qint64 retefteBase = 0;
    double reteiva = 0;  // percent of the VAT
    double ica = 0;      // per thousand
    double dto = 0;      // prompt-payment discount, percent
    double tamano = 0;   // log of his usual invoice base
    QString serieProv;   // the supplier's own numbering
    qint64 numeroProv = 0;
};

struct Documento {
    qint32 fecha = 0;
    qint32 proveedor = 0;
    qint32 id = 0;
    qint32 numero = 0;
    qint32 numeroProv = 0;
    qint32 ref = -1;  // the invoice a return or discount refers to
    qint64 monto = 0, iva = 0, rtfte = 0, rtiva = 0, rtica = 0, dtof = 0;
    qint64 trm = 10000;  // ten-thousandths
    qint16 dias = 0;     // due after
    qint16 diasDto = 0;  // prompt-payment discount offered for
    quint8 tipo = 21;
    quint8 moneda = 1;
    quint8 concepto = 0;
    quint8 ivaPorc = 0;
    bool anulado = false;
    qint64 neto() const { return monto + iva - rtfte - rtiva - rtica; }
};

struct Linea {
    qint32 egreso = -1;
    qint32 documento = -1;
    qint64 abono = 0;  // signed like the document's balance
    qint64 dtof = 0;
};

struct Egreso {
    qint32 fecha = 0;
    qint32 proveedor = 0;
    qint32 id = 0;
    qint32 numero = 0;
    qint32 primeraLinea = 0;
    qint32 lineas = 0;
    qint64 monto = 0;
    qint64 dtof = 0;
};

QString importe(qint64 centavos) {
    const bool negativo = centavos < 0;
    const qint64 a = negativo ? -centavos : centavos;
    return QStringLiteral("%1%2.%3")
        .arg(negativo ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QLatin1Char('0'));
}

QString tasa(qint64 diezmilesimas) {
    return QStringLiteral("%1.%2")
        .arg(diezmilesimas / 10000)
        .arg(diezmilesimas % 10000, 4, 10, QLatin1Char('0'));
}

QString numero6(qint32 n) {
    return QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
}

qint64 redondeo(double pesos, qint64 a = 1) {
    // to a multiple of `a` pesos, in cents
    return qint64(std::llround(pesos / double(a))) * a * 100;
}

QDate dia(qint32 juliano) {
    return QDate::fromJulianDay(juliano);
}

QString prefijo(const char* serie, qint32 fecha) {
    return QString::fromLatin1(serie) +
           QStringLiteral("%1").arg(dia(fecha).year() % 100, 2, 10, QLatin1Char('0'));
}

const char* serieDe(int tipo) {
    switch (tipo) {
        case 21:
            return "FC";
        case 24:
            return "DC";
        case 51:
            return "ND";
        case 52:
            return "NC";
        default:
            return "CE";
    }
}

struct Datos {
    std::vector<Proveedor> proveedores;
    std::vector<Documento> documentos;  // in the order they are written
    std::vector<Egreso> egresos;        // idem
    std::vector<Linea> lineas;          // grouped by voucher
    std::vector<qint64>
        tasas[4];  // daily rate of currencies 2 and 3, ten-thousandths, from `inicio`
    qint32 inicio = 0, fin = 0;
    // (type, prefix) -> last number used
    std::map<std::pair<int, QString>, qint32> series;
};

// ---- Planning. --------------------------------------------------------------

QString nitNuevo(Rng& rng, bool juridica, std::set<QString>& usados) {
    for (;;) {
        const qint64 n = juridica ? (rng() % 2 ? 900000000 + qint64(rng() % 1700000)
                                               : 800000000 + qint64(rng() % 99999999))
                                  : (rng() % 3 ? 10000000 + qint64(rng() % 90000000)
                                               : 1000000000 + qint64(rng() % 99999999));
        const QString nit = QString::number(n);
        if (usados.insert(nit).second)
            return nit;
    }
}

void planeeProveedores(const Parametros& p, Rng& rng, std::set<QString>& usados, Datos& d) {
    const int extranjeros =
        int(std::lround(p.proveedores * std::clamp(p.parteExtranjera, 0.0, 1.0)));
    std::vector<int> orden(p.proveedores);
    for (int i = 0; i < p.proveedores; ++i)
        orden[i] = i;
    std::shuffle(orden.begin(), orden.end(), rng);
    std::vector<bool> esExtranjero(p.proveedores, false);
    for (int i = 0; i < extranjeros; ++i)
        esExtranjero[orden[i]] = true;

    d.proveedores.resize(p.proveedores);
    for (int i = 0; i < p.proveedores; ++i) {
        Proveedor& v = d.proveedores[i];
        v.juridica = esExtranjero[i] || u01(rng) < 0.8;
        v.nit = nitNuevo(rng, v.juridica, usados);
        v.dv = QString::number(ledgrix::dv(v.nit).value_or(0));
        if (v.juridica) {
            QString nombre = QString::fromUtf8(uno(kRazon, rng));
            if (u01(rng) < 0.5)
                nombre += QLatin1Char(' ') + QString::fromUtf8(uno(kApellido, rng));
            nombre += QLatin1Char(' ') + QString::fromUtf8(uno(kLugar, rng));
            nombre += QLatin1Char(' ') + QString::fromUtf8(uno(kSociedad, rng));
            v.nombre = nombre.left(60);
        } else {
            v.apellido1 = QString::fromUtf8(uno(kApellido, rng));
            v.nombre1 = QString::fromUtf8(uno(kNombre, rng));
            v.nombre = (v.apellido1 + QLatin1Char(' ') + QString::fromUtf8(uno(kApellido, rng)) +
                        QLatin1Char(' ') + v.nombre1)
                           .left(60);
        }
        const int c = entre(rng, 0, 9);
        v.ciudad = QString::fromLatin1(kCiudad[c][0]);
        v.ciudadNombre = QString::fromUtf8(kCiudad[c][1]);
        v.codigo = QStringLiteral("P%1").arg(i + 1, 6, 10, QLatin1Char('0'));
        const int dias[] = {0, 8, 15, 30, 30, 30, 45, 60, 60, 90};
        v.diasPago = uno(dias, rng);
        v.diaSemana = u01(rng) < 0.7 ? 5 : 2;  // Fridays, some Tuesdays
        v.tamano = std::log(1500000.0) + std::normal_distribution<double>(0.0, 1.0)(rng);
        const char* const series[] = {"FE", "FV", "FEV", "SETT", "FAC", "F"};
        v.serieProv = QString::fromLatin1(uno(series, rng));
        v.numeroProv = entre(rng, 1, 50000);
        if (esExtranjero[i]) {
            v.moneda = u01(rng) < 0.8 ? 2 : 3;
            v.diasPago = 60;
            v.tamano = std::log(3000.0) +
                       std::normal_distribution<double>(0.0, 0.9)(rng);  // in the currency
            v.serieProv = QStringLiteral("INV-");
            continue;
        }
        // Goods, services, transport or fees.
        const double r = u01(rng);
        if (!v.juridica && r < 0.5) {
            v.retefte = 10;
            v.retefteBase = 0;
        } else if (r < 0.55) {
            v.retefte = 2.5;
            v.retefteBase = redondeo(1145000);
        } else if (r < 0.85) {
            v.retefte = 4;
            v.retefteBase = redondeo(199000);
        } else {
            v.retefte = 1;
            v.retefteBase = redondeo(199000);
        }
        v.reteiva = v.juridica && u01(rng) < 0.6 ? 15 : 0;
        v.ica = u01(rng) < 0.7 ? kIcaCiudad[c] : 0;
        v.dto = u01(rng) < 0.1 ? 2 : 0;
    }
}

void planeeTasas(Rng& rng, Datos& d) {
    const int dias = d.fin - d.inicio + 1;
    double usd = 3900, eur = 4250;
    for (int m : {2, 3})
        d.tasas[m].resize(dias);
    for (int i = 0; i < dias; ++i) {
        usd =
            std::clamp(usd * (1 + std::normal_distribution<double>(0, 0.005)(rng)), 3500.0, 5000.0);
        eur = std::clamp(usd * 1.08 * (1 + std::normal_distribution<double>(0, 0.01)(rng)), 3700.0,
                         5600.0);
        d.tasas[2][i] = std::llround(usd * 100) * 100;
        d.tasas[3][i] = std::llround(eur * 100) * 100;
    }
}

// Documents of one supplier, in date order.
void planeeDocumentos(const Parametros& p, Rng& rng, int indice, Datos& d,
                      std::vector<Documento>& docs) {
    Proveedor& v = d.proveedores[indice];
    docs.assign(std::size_t(p.documentosPorProveedor), Documento{});
    std::vector<qint32> fechas(docs.size());
    for (auto& f : fechas)
        f = entre(rng, d.inicio, d.fin);
    std::sort(fechas.begin(), fechas.end());

    const Mezcla& m = p.mezcla;
    const double corte[] = {m.facturas, m.facturas + m.cargos, m.facturas + m.cargos + m.descuentos,
                            m.facturas + m.cargos + m.descuentos + m.devoluciones};
    std::vector<int> facturas;  // indexes of this supplier's live invoices
    std::vector<qint64> acreditado(docs.size(), 0);
    for (std::size_t i = 0; i < docs.size(); ++i) {
        Documento& x = docs[i];
        x.fecha = fechas[i];
        x.proveedor = indice;
        x.anulado = u01(rng) < p.parteAnulada;
        const double r = u01(rng) * corte[3];
        x.tipo = r < corte[0] ? 21 : r < corte[1] ? 51 : r < corte[2] ? 52 : 24;
        if (v.moneda != 1 && (x.tipo == 24 || x.tipo == 52))
            x.tipo = 21;  // imports: invoices and charges

        int ref = -1;
        if (x.tipo == 24 || x.tipo == 52) {
            // Against one of the last invoices with room for it.
            for (int intento = 0; intento < 8 && !facturas.empty(); ++intento) {
                const int f = facturas[entre(rng, std::max(0, int(facturas.size()) - 8),
                                             int(facturas.size()) - 1)];
                if (acreditado[f] * 2 < docs[f].monto) {
                    ref = f;
                    break;
                }
            }
            if (ref < 0)
                x.tipo = 21;
            else  // goods sent back and discounts agreed come within weeks of the invoice
                x.fecha = std::min(d.fin, docs[ref].fecha + entre(rng, 1, 20));
        }

        x.moneda = quint8(v.moneda);
        x.trm = v.moneda == 1 ? 10000 : d.tasas[v.moneda][x.fecha - d.inicio];
        const double trm = double(x.trm) / 10000.0;
        double base;
        if (x.tipo == 21) {
            base = std::exp(v.tamano + std::normal_distribution<double>(0.0, 0.7)(rng));
            base = v.moneda == 1 ? std::clamp(base, 20000.0, 900000000.0)
                                 : std::clamp(base, 50.0, 500000.0) * trm;
        } else if (x.tipo == 51) {
            base = std::exp(std::log(250000.0) + std::normal_distribution<double>(0.0, 0.8)(rng));
            if (v.moneda != 1)
                base = std::round(base / trm) * trm;
        } else {
            const Documento& f = docs[ref];
            const qint64 resto = f.monto / 2 - acreditado[ref];
            base =
                std::min(double(resto) / 100.0, double(f.monto) / 100.0 * (0.03 + 0.27 * u01(rng)));
            base = std::max(base, 1000.0);
        }
        x.monto = v.moneda == 1 ? redondeo(base, x.tipo == 21 ? 100 : 1) : std::llround(base * 100);
        if (x.tipo == 24 || x.tipo == 52) {
            x.ivaPorc = docs[ref].ivaPorc;
            x.ref = ref;  // local index for now
            acreditado[ref] += x.monto;
        } else if (v.moneda != 1) {
            x.ivaPorc = 0;
        } else {
            const double q = u01(rng);
            x.ivaPorc = q < 0.75 ? 19 : q < 0.85 ? 5 : 0;
        }
        const double m = double(x.monto) / 100.0;
        x.iva = redondeo(m * x.ivaPorc / 100.0);
        if (v.moneda == 1) {
            if (x.monto >= v.retefteBase)
                x.rtfte = redondeo(m * v.retefte / 100.0);
            x.rtiva = redondeo(double(x.iva) / 100.0 * v.reteiva / 100.0);
            if (x.monto >= v.retefteBase)
                x.rtica = redondeo(m * v.ica / 1000.0);
        }
        x.dias = qint16(x.tipo == 21 || x.tipo == 51 ? v.diasPago : 0);
        if (v.dto > 0 && x.tipo == 21) {
            x.diasDto = 10;
            x.dtof = redondeo(m * v.dto / 100.0);
        }
        const int n = x.tipo == 51   ? int(std::size(kConceptoCargo))
                      : x.tipo == 52 ? int(std::size(kConceptoDescuento))
                      : x.tipo == 24 ? int(std::size(kConceptoDevolucion))
                                     : int(std::size(kConceptoFactura));
        x.concepto = quint8(entre(rng, 0, n - 1));
        v.numeroProv += entre(rng, 1, 40);
        x.numeroProv = qint32(v.numeroProv);
        if (x.tipo == 21 && !x.anulado)
            facturas.push_back(int(i));
    }
}

// The weekday `dia` of the week of `desde` or the following one.
qint32 proximo(qint32 desde, int diaSemana) {
    const int hoy = dia(desde).dayOfWeek();
    return desde + (diaSemana - hoy + 7) % 7;
}

struct Pago {
    qint32 fecha;
    qint32 proveedor;
    qint32 documento;  // global index
    qint64 abono;
    qint64 dtof;
};

// Payments of one supplier's documents (global indexes from `base`).
void planeePagos(const Parametros& p, Rng& rng, const Datos& d, int base, int cuantos,
                 std::vector<Pago>& pagos) {
    const Proveedor& v = d.proveedores[d.documentos[base].proveedor];
    // Credits waiting for their invoice's last payment.
    std::multimap<int, int> creditos;
    for (int i = base; i < base + cuantos; ++i) {
        const Documento& x = d.documentos[i];
        if ((x.tipo == 24 || x.tipo == 52) && !x.anulado)
            creditos.emplace(x.ref, i);
    }
    for (int i = base; i < base + cuantos; ++i) {
        const Documento& x = d.documentos[i];
        if (x.anulado || (x.tipo != 21 && x.tipo != 51) || u01(rng) >= p.partePagada)
            continue;
        qint32 fecha = proximo(
            x.fecha + x.dias +
                std::max(-x.dias,
                         int(std::lround(std::normal_distribution<double>(5.0, 10.0)(rng)))),
            v.diaSemana);
        if (fecha > d.fin) {
            // Not due yet: paid early, on a payment day since it was recorded.
            const qint32 desde = proximo(x.fecha, v.diaSemana);
            fecha = desde > d.fin ? x.fecha : desde + 7 * entre(rng, 0, (d.fin - desde) / 7);
        }
        const qint64 neto = x.neto();
        qint64 pendiente = neto;
        if (u01(rng) < 0.2) {
            // Part now, the rest some weeks later when there is time left.
            const qint64 parte = std::max<qint64>(
                100, redondeo(double(neto) / 100.0 * (0.2 + 0.6 * u01(rng)), 1000));
            if (parte >= neto) {
                pagos.push_back({fecha, x.proveedor, i, neto, 0});
                pendiente = 0;
            } else {
                pagos.push_back({fecha, x.proveedor, i, parte, 0});
                pendiente = neto - parte;
                const qint32 resto = fecha + 7 * entre(rng, 2, 8);
                if (resto > d.fin || u01(rng) < 0.5)
                    continue;
                fecha = resto;
            }
        }
        qint64 ultimo = pendiente;
        if (pendiente > 0) {
            const qint64 dto =
                pendiente == neto && x.dtof > 0 && fecha <= x.fecha + x.diasDto ? x.dtof : 0;
            ultimo = pendiente - dto;
            pagos.push_back({fecha, x.proveedor, i, ultimo, dto});
        }
        // The invoice is settled: its credits up to that day go in the same
        // voucher, when what is paid covers them.
        auto [a, b] = creditos.equal_range(i);
        qint64 credito = 0;
        for (auto c = a; c != b; ++c)
            if (d.documentos[c->second].fecha <= fecha)
                credito += d.documentos[c->second].neto();
        if (credito == 0 || credito > ultimo)
            continue;
        for (auto c = a; c != b; ++c) {
            const Documento& cr = d.documentos[c->second];
            if (cr.fecha <= fecha)
                pagos.push_back({fecha, x.proveedor, c->second, -cr.neto(), 0});
        }
    }
}

void planee(const Parametros& p, const std::set<QString>& existentes, Datos& d) {
    Rng rng(p.semilla);
    std::set<QString> usados = existentes;
    d.fin = qint32(p.hasta.toJulianDay());
    d.inicio = qint32(p.hasta.addYears(-3).addDays(1).toJulianDay());
    planeeTasas(rng, d);
    planeeProveedores(p, rng, usados, d);

    // Per supplier, then all of them in date order.
    std::vector<Documento> todos;
    todos.reserve(std::size_t(p.proveedores) * std::size_t(p.documentosPorProveedor));
    std::vector<Documento> docs;
    for (int i = 0; i < p.proveedores; ++i) {
        planeeDocumentos(p, rng, i, d, docs);
        const int base = int(todos.size());
        for (auto& x : docs) {
            if (x.ref >= 0)
                x.ref += base;
            todos.push_back(x);
        }
    }
    d.documentos = std::move(todos);

    std::vector<Pago> pagos;
    for (int base = 0; base < int(d.documentos.size()); base += p.documentosPorProveedor)
        planeePagos(p, rng, d, base, p.documentosPorProveedor, pagos);

    // Written in date order: ids and numbers follow the calendar.
    std::vector<int> orden(d.documentos.size());
    for (std::size_t i = 0; i < orden.size(); ++i)
        orden[i] = int(i);
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return d.documentos[a].fecha < d.documentos[b].fecha; });
    std::vector<int> nuevo(orden.size());
    for (std::size_t k = 0; k < orden.size(); ++k)
        nuevo[orden[k]] = int(k);
    std::vector<Documento> ordenados(orden.size());
    for (std::size_t k = 0; k < orden.size(); ++k) {
        ordenados[k] = d.documentos[orden[k]];
        if (ordenados[k].ref >= 0)
            ordenados[k].ref = nuevo[ordenados[k].ref];
    }
    d.documentos = std::move(ordenados);
    for (auto& pg : pagos)
        pg.documento = nuevo[pg.documento];

    // One voucher per supplier and payment day.
    std::stable_sort(pagos.begin(), pagos.end(), [&](const Pago& a, const Pago& b) {
        return a.fecha != b.fecha ? a.fecha < b.fecha : a.proveedor < b.proveedor;
    });
    for (std::size_t i = 0; i < pagos.size();) {
        Egreso e;
        e.fecha = pagos[i].fecha;
        e.proveedor = pagos[i].proveedor;
        e.primeraLinea = qint32(d.lineas.size());
        for (; i < pagos.size() && pagos[i].fecha == e.fecha && pagos[i].proveedor == e.proveedor;
             ++i) {
            d.lineas.push_back(
                {qint32(d.egresos.size()), pagos[i].documento, pagos[i].abono, pagos[i].dtof});
            e.monto += pagos[i].abono;
            e.dtof += pagos[i].dtof;
        }
        e.lineas = qint32(d.lineas.size()) - e.primeraLinea;
        d.egresos.push_back(e);
    }
}

// ---- Writing. ------------------------------------------------------------------

// Secondary indexes nothing needs while loading: the triggers find positions
// by primary key and movements through the foreign key's own index; the
// searches' indexes are not read by any trigger.
const char* const kIndicesDiferidos[] = {"IX_MOVIMIENTO_PROVEEDOR_NUM",
                                         "IX_MOVIMIENTO_PROVEEDOR_NIT",
                                         "IX_MOVIMIENTO_PROVEEDOR_VENCE",
                                         "IX_ABONOS_PROVEEDOR_NIT",
                                         "IX_POSICIONES_ABIERTAS_NIT",
                                         "IX_ABONOS_PROVEEDOR_ORIGEN",
                                         "IX_EGRESOS_NIT_FECHA",
                                         "IX_AUDITORIA_DOC",
                                         "IX_TERCEROS_NOM",
                                         "IX_TERCEROS_NOM_UPPER",
                                         "IX_NOTAS_DEBITO_FECHA",
                                         "IX_NOTAS_DEBITO_NUM_UPPER",
                                         "IX_NOTAS_CREDITO_FECHA",
                                         "IX_NOTAS_CREDITO_NUM_UPPER",
                                         "IX_EGRESOS_FECHA",
                                         "IX_EGRESOS_NUM_UPPER",
                                         "IX_EGRESOS_NOMTERC_UPPER"};

class Escritor {
  public:
    explicit Escritor(QSqlDatabase db) : db_(db) {}

    // The driver keeps the transaction a statement was prepared in: every
    // statement prepared here is prepared again after each commit.
    bool preparar(QSqlQuery& q, const QString& sql) {
        if (!q.prepare(sql))
            return fallo(q, sql);
        vivas_.emplace_back(&q, sql);
        return true;
    }
    // Before the statements prepared so far go out of scope.
    void soltar() { vivas_.clear(); }
    bool ejecutar(QSqlQuery& q, const QVariantList& valores) {
        for (int i = 0; i < valores.size(); ++i)
            q.bindValue(i, valores[i]);
        if (!q.exec())
            return fallo(q, q.lastQuery());
        ++filas_;
        return true;
    }
    bool sentencia(const QString& sql) {
        QString e;
        if (dbsetup::exec(db_, sql, &e))
            return true;
        error_ = sql + QStringLiteral(": ") + e;
        return false;
    }
    bool iniciar() {
        if (db_.transaction())
            return true;
        error_ = db_.lastError().text();
        return false;
    }
    bool confirmar() {
        if (db_.commit())
            return true;
        error_ = db_.lastError().text();
        return false;
    }
    // Commits and opens a new transaction every `lote` rows.
    bool quizaConfirmar(int lote, const std::function<void()>& avance) {
        if (filas_ - ultimo_ < lote)
            return true;
        ultimo_ = filas_;
        if (!confirmar() || !iniciar())
            return false;
        for (auto& [q, sql] : vivas_)
            if (!q->prepare(sql))
                return fallo(*q, sql);
        if (avance)
            avance();
        return true;
    }
    const QString& error() const { return error_; }

  private:
    bool fallo(const QSqlQuery& q, const QString& sql) {
        const QSqlError e = q.lastError();
        error_ =
            sql + QStringLiteral(": ") + (e.databaseText().isEmpty() ? e.text() : e.databaseText());
        return false;
    }
    QSqlDatabase db_;
    QString error_;
    qint64 filas_ = 0, ultimo_ = 0;
    std::vector<std::pair<QSqlQuery*, QString>> vivas_;
};

QVariant texto(const QString& s) {
    return s.isEmpty() ? QVariant() : QVariant(s);
}

}  // namespace

std::optional<Mezcla> mezclaDeTexto(const QString& texto) {
    Mezcla m{0, 0, 0, 0};
    double* const peso[] = {&m.facturas, &m.cargos, &m.descuentos, &m.devoluciones};
    const char* const nombre[] = {"facturas", "cargos", "descuentos", "devoluciones"};
    for (const QString& parte : texto.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString clave = parte.section(QLatin1Char('='), 0, 0).trimmed();
        bool ok = false;
        const double v = parte.section(QLatin1Char('='), 1).trimmed().toDouble(&ok);
        const auto* k = std::find_if(std::begin(nombre), std::end(nombre),
                                     [&](const char* n) { return clave == QLatin1String(n); });
        if (!ok || v < 0 || k == std::end(nombre))
            return std::nullopt;
        *peso[k - std::begin(nombre)] = v;
    }
    if (m.facturas + m.cargos + m.descuentos + m.devoluciones <= 0)
        return std::nullopt;
    return m;
}

QString baseEmpresa(const QString& ubicacion) {
    return paths::companyDatabase(ubicacion, QString::fromLatin1(dbsetup::kDemoCompany));
}

Resultado generar(const Parametros& p) {
    Resultado r;
    QElapsedTimer total;
    total.start();
    auto avisa = [&](const QString& linea) {
        if (p.progreso)
            p.progreso(linea);
    };
    const Mezcla& m = p.mezcla;
    if (p.proveedores < 1 || p.documentosPorProveedor < 1 ||
        std::min({m.facturas, m.cargos, m.descuentos, m.devoluciones}) < 0 ||
        m.facturas + m.cargos + m.descuentos + m.devoluciones <= 0) {
        r.mensaje = QStringLiteral(
            "Se necesita al menos un proveedor, un documento por proveedor y una clase de "
            "documento con peso.");
        return r;
    }
    if (!QFileInfo::exists(baseEmpresa(p.ubicacion))) {
        avisa(QStringLiteral("Creando la instalación de demostración en %1").arg(p.ubicacion));
        QDir().mkpath(p.ubicacion);
        const dbsetup::Result demo = dbsetup::createDemo(p.ubicacion);
        if (!demo.ok) {
            r.mensaje = demo.message;
            return r;
        }
    }

    dbsetup::ScopedConnection con(baseEmpresa(p.ubicacion), QStringLiteral("SYSDBA"));
    if (!con.open()) {
        r.mensaje = con.error();
        return r;
    }
    QSqlDatabase db = con.db();
    Escritor w(db);

    // Ids go on from what the company holds; generated prefixes must be free.
    qint32 ids[4] = {0, 0, 0, 0};  // 21, 24, 51, 52
    qint32 idEgreso = 0;
    std::set<QString> nits;
    {
        QSqlQuery q(db);
        const char* const consultas[] = {
            "SELECT COALESCE(MAX(FACO_ID), 0) FROM FACTURAS_COMPRA",
            "SELECT COALESCE(MAX(DECO_ID), 0) FROM DEVOLUCIONES_COMPRAS",
            "SELECT COALESCE(MAX(NDPR_ID), 0) FROM NOTAS_DEBITO_PROVEEDOR",
            "SELECT COALESCE(MAX(NCPR_ID), 0) FROM NOTAS_CREDITO_PROVEEDOR"};
        for (int i = 0; i < 4; ++i) {
            if (!q.exec(QString::fromLatin1(consultas[i])) || !q.next()) {
                r.mensaje = q.lastError().text();
                return r;
            }
            ids[i] = q.value(0).toInt();
        }
        if (!q.exec(QStringLiteral("SELECT COALESCE(MAX(EGRE_ID), 0) FROM EGRESOS")) || !q.next()) {
            r.mensaje = q.lastError().text();
            return r;
        }
        idEgreso = q.value(0).toInt();
        if (!q.exec(QStringLiteral(
                "SELECT COUNT(*) FROM FACTURAS_COMPRA WHERE PREF_PRE STARTING WITH 'FC'")) ||
            !q.next() || q.value(0).toInt() > 0) {
            r.mensaje = QStringLiteral(
                "La empresa ya tiene documentos generados: use una ubicación nueva.");
            return r;
        }
        q.exec(QStringLiteral("SELECT TERC_NIT FROM TERCEROS"));
        while (q.next())
            nits.insert(q.value(0).toString());
    }

    QElapsedTimer reloj;
    reloj.start();
    Datos d;
    planee(p, nits, d);
    avisa(QStringLiteral("Plan: %1 proveedores, %2 documentos, %3 egresos con %4 líneas (%5 s)")
              .arg(d.proveedores.size())
              .arg(d.documentos.size())
              .arg(d.egresos.size())
              .arg(d.lineas.size())
              .arg(double(reloj.elapsed()) / 1000.0, 0, 'f', 1));

    // Ids and numbers in writing order.
    std::map<std::pair<int, QString>, qint32>& series = d.series;
    std::vector<QString> prefDoc(d.documentos.size());
    for (std::size_t i = 0; i < d.documentos.size(); ++i) {
        Documento& x = d.documentos[i];
        const int k = x.tipo == 21 ? 0 : x.tipo == 24 ? 1 : x.tipo == 51 ? 2 : 3;
        x.id = ++ids[k];
        prefDoc[i] = prefijo(serieDe(x.tipo), x.fecha);
        x.numero = ++series[{x.tipo, prefDoc[i]}];
    }
    std::vector<QString> prefEgreso(d.egresos.size());
    for (std::size_t i = 0; i < d.egresos.size(); ++i) {
        Egreso& e = d.egresos[i];
        e.id = ++idEgreso;
        prefEgreso[i] = prefijo(serieDe(62), e.fecha);
        e.numero = ++series[{62, prefEgreso[i]}];
    }

    reloj.restart();
    if (!w.iniciar()) {
        r.mensaje = w.error();
        return r;
    }
    // Series of the generated prefixes, so the windows can number after them.
    {
        QSqlQuery q(db);
        if (!w.preparar(
                q,
                QStringLiteral(
                    "UPDATE OR INSERT INTO PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, PREF_AUTO, "
                    "PREF_IVAINC, PREF_ACTIVO, PREF_USUARIO, SUCU_ID) VALUES (?, ?, '000001', 'S', "
                    "'N', 'S', 'Administrador', 0) MATCHING (TIDO_COD, PREF_PRE)"))) {
            r.mensaje = w.error();
            return r;
        }
        for (const auto& [clave, ultimo] : series) {
            (void)ultimo;
            if (!w.ejecutar(q, {clave.first, clave.second})) {
                r.mensaje = w.error();
                return r;
            }
        }
        w.soltar();
    }
    if (p.indicesDiferidos) {
        if (!w.confirmar()) {
            r.mensaje = w.error();
            return r;
        }
        for (const char* ix : kIndicesDiferidos)
            if (!w.sentencia(
                    QStringLiteral("ALTER INDEX %1 INACTIVE").arg(QString::fromLatin1(ix)))) {
                r.mensaje = w.error();
                return r;
            }
        if (!w.iniciar()) {
            r.mensaje = w.error();
            return r;
        }
    }

    // Exchange rates of every day.
    {
        QSqlQuery q(db);
        if (!w.preparar(
                q,
                QStringLiteral(
                    "UPDATE OR INSERT INTO TASA_CAMBIO_MONEDA (TACA_FECHA, TIMO_COD, TACA_VALOR) "
                    "VALUES (?, ?, CAST(? AS VARCHAR(40))) MATCHING (TIMO_COD, TACA_FECHA)"))) {
            r.mensaje = w.error();
            return r;
        }
        for (int m : {2, 3})
            for (qint32 f = d.inicio; f <= d.fin; ++f)
                if (!w.ejecutar(q, {dia(f), m, tasa(d.tasas[m][f - d.inicio])})) {
                    r.mensaje = w.error();
                    return r;
                }
        w.soltar();
    }

    // Third parties and suppliers.
    {
        QSqlQuery t(db), s(db);
        if (!w.preparar(t, QStringLiteral("INSERT INTO TERCEROS (TERC_NIT, TERC_DV, TERC_TIPOID, "
                                          "TERC_NOM, TERC_NOMBRE1, TERC_APELLIDO1, "
                                          "TERC_DIR, CIUD_COD, TERC_CIU, PAIS_ID, TERC_TEL, "
                                          "TERC_EMAIL, TERC_PROV, TERC_CLIE, "
                                          "TERC_ESTADO, TERC_REGIMEN, TERC_USUARIO) VALUES (?, ?, "
                                          "?, ?, ?, ?, ?, ?, ?, '170', ?, ?, "
                                          "'S', ?, 'S', ?, 'ADMIN')")) ||
            !w.preparar(
                s,
                QStringLiteral(
                    "INSERT INTO PROVEEDORES (TERC_NIT, GRPR_COD, PROV_COD, PROV_RETEFTE, "
                    "PROV_RTFTEBASE, "
                    "PROV_RTEIVA, PROV_RTEICA, PROV_RTICABASE, PROV_SIMPLIFICADO, PROV_RESIDENTE, "
                    "PROV_DIASPAGO, PROV_DTO, PROV_CUPO, PROV_USUARIO) VALUES (?, ?, ?, CAST(? AS "
                    "VARCHAR(40)), CAST(? AS VARCHAR(40)), CAST(? AS VARCHAR(40)), CAST(? AS "
                    "VARCHAR(40)), "
                    "CAST(? AS VARCHAR(40)), ?, ?, ?, CAST(? AS VARCHAR(40)), CAST(? AS "
                    "VARCHAR(40)), "
                    "'ADMIN')"))) {
            r.mensaje = w.error();
            return r;
        }
        Rng rng(p.semilla ^ 0x5eedULL);
        for (const Proveedor& v : d.proveedores) {
            const QString calle =
                QStringLiteral("%1 %2 No. %3-%4")
                    .arg(rng() % 2 ? QStringLiteral("Calle") : QStringLiteral("Carrera"))
                    .arg(entre(rng, 1, 150))
                    .arg(entre(rng, 1, 120))
                    .arg(entre(rng, 1, 99));
            const QString dominio = v.nombre.section(QLatin1Char(' '), 0, 0)
                                        .toLower()
                                        .normalized(QString::NormalizationForm_KD)
                                        .remove(QRegularExpression(QStringLiteral("[^a-z]")));
            const QString correo =
                QStringLiteral("facturacion%1@%2.example")
                    .arg(v.nit.right(4), dominio.isEmpty() ? QStringLiteral("proveedor") : dominio);
            if (!w.ejecutar(t, {v.nit, v.dv, v.juridica ? QStringLiteral("J") : QStringLiteral("C"),
                                v.nombre, texto(v.nombre1), texto(v.apellido1), calle, v.ciudad,
                                v.ciudadNombre,
                                QStringLiteral("(60%1) %2 %3")
                                    .arg(entre(rng, 1, 8))
                                    .arg(entre(rng, 200, 799))
                                    .arg(entre(rng, 1000, 9999)),
                                correo, rng() % 10 == 0 ? QStringLiteral("S") : QStringLiteral("N"),
                                v.juridica ? QStringLiteral("48") : QStringLiteral("49")}) ||
                !w.ejecutar(s, {v.nit, v.moneda == 1 ? QStringLiteral("01") : QStringLiteral("02"),
                                v.codigo, QString::number(v.retefte, 'f', 2),
                                importe(v.retefteBase), QString::number(v.reteiva, 'f', 2),
                                QString::number(v.ica, 'f', 2), importe(v.retefteBase),
                                v.juridica ? QStringLiteral("N") : QStringLiteral("S"),
                                v.moneda == 1 ? QStringLiteral("S") : QStringLiteral("N"),
                                v.diasPago, QString::number(v.dto, 'f', 4),
                                importe(redondeo(std::exp(v.tamano) * 20, 1000000))}) ||
                !w.quizaConfirmar(p.filasPorTransaccion, {})) {
                r.mensaje = w.error();
                return r;
            }
        }
        r.resumen.proveedores = int(d.proveedores.size());
        w.soltar();
    }

    // Documents and vouchers, day by day.
    QSqlQuery fac(db), dev(db), car(db), des(db), egr(db), det(db);
    const QString n2 = QStringLiteral("CAST(? AS VARCHAR(40))");
    auto montos = [&](int n) {
        QStringList l;
        for (int i = 0; i < n; ++i)
            l << n2;
        return l.join(QStringLiteral(", "));
    };
    if (!w.preparar(
            fac,
            QStringLiteral(
                "INSERT INTO FACTURAS_COMPRA (FACO_ID, PREF_PRE, FACO_NUMERO, FACO_FECHA, "
                "FACO_VENCE, "
                "TERC_NIT, FACO_CONC, FACO_NUMPROV, FACO_MONTO, FACO_IVAMONTO, FACO_RTFTEMONTO, "
                "FACO_RTIVAMONTO, FACO_RTICAMONTO, FACO_DTOFECHA, FACO_DTOFMONTO, FACO_MONEDA, "
                "FACO_TRM, "
                "FACO_ANULADO, FACO_USUARIO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, %1, ?, %2, ?, %2, ?, "
                "'ADMIN')")
                .arg(montos(5), n2)) ||
        !w.preparar(
            dev,
            QStringLiteral(
                "INSERT INTO DEVOLUCIONES_COMPRAS (DECO_ID, PREF_PRE, DECO_NUMERO, DECO_FECHA, "
                "TERC_NIT, "
                "DECO_CONC, DECO_NUMPROV, DECO_FACID, DECO_MONTO, DECO_IVAMONTO, DECO_RTFTEMONTO, "
                "DECO_RTIVAMONTO, DECO_RTICAMONTO, DECO_MONEDA, DECO_TRM, DECO_ANULADO, "
                "DECO_USUARIO) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, %1, ?, %2, ?, 'ADMIN')")
                .arg(montos(5), n2)) ||
        !w.preparar(
            car,
            QStringLiteral(
                "INSERT INTO NOTAS_DEBITO_PROVEEDOR (NDPR_ID, TERC_NIT, PREF_PRE, NDPR_NUMERO, "
                "NDPR_FECHA, "
                "NDPR_CONC, NDPR_VENCE, NDPR_MONTO, NDPR_IVAPORC, NDPR_IVAMONTO, NDPR_RTFTEMONTO, "
                "NDPR_RTIVAMONTO, NDPR_RTICAMONTO, NDPR_NUMPROV, NDPR_ANULADO, NUMOK, "
                "NDPR_USUARIO, "
                "NDPR_MONEDA, NDPR_TRM, NDPR_BASE1, NDPR_IVA1) VALUES (?, ?, ?, ?, ?, ?, ?, %1, ?, "
                "?, 'S', "
                "'ADMIN', ?, %2, %2, %2)")
                .arg(montos(6), n2)) ||
        !w.preparar(des, QStringLiteral("INSERT INTO NOTAS_CREDITO_PROVEEDOR (NCPR_ID, TERC_NIT, "
                                        "PREF_PRE, NCPR_NUMERO, NCPR_FECHA, "
                                        "NCPR_CONC, NCPR_MONTO, NCPR_IVAPORC, NCPR_IVAMONTO, "
                                        "NCPR_RTFTEMONTO, NCPR_RTIVAMONTO, "
                                        "NCPR_RTICAMONTO, NCPR_NUMPROV, NCPR_ANULADO, NUMOK, "
                                        "NCPR_USUARIO, NCPR_MONEDA, NCPR_TRM, "
                                        "NCPR_BASE1, NCPR_IVA1, NCPR_TIPODS, NCPR_DOCSOPORTE, "
                                        "NCPR_FACID) VALUES (?, ?, ?, ?, ?, ?, "
                                        "%1, ?, ?, 'S', 'ADMIN', ?, %2, %2, %2, 21, ?, ?)")
                             .arg(montos(6), n2)) ||
        !w.preparar(
            egr,
            QStringLiteral(
                "INSERT INTO EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, EGRE_CONC, "
                "EGRE_MONTO, "
                "EGRE_DTOF, EGRE_NOMTERC, TERC_NIT, EGRE_TIPO, NUMOK, EGRE_USUARIO, EGRE_MONEDA, "
                "CLEG_ID) VALUES (?, ?, ?, ?, ?, %1, ?, ?, '1', 'S', 'ADMIN', 1, 1)")
                .arg(montos(2))) ||
        !w.preparar(det, QStringLiteral("INSERT INTO EGRESODETALLE (EGRE_ID, EGDE_ITEM, "
                                        "EGDE_TIPODOC, EGDE_IDDOC, EGDE_PREFIJO, "
                                        "EGDE_NUMERO, EGDE_NUMPROV, EGDE_ABONO, EGDE_DTOF) VALUES "
                                        "(?, ?, ?, ?, ?, ?, ?, %1)")
                             .arg(montos(2)))) {
        r.mensaje = w.error();
        return r;
    }

    const qint64 totalFilas = qint64(d.documentos.size() + d.egresos.size() + d.lineas.size());
    qint64 hechas = 0;
    auto avance = [&] {
        const double s = double(reloj.elapsed()) / 1000.0;
        avisa(QStringLiteral("  filas %1/%2 (%3%), %4 filas/s, %5 s")
                  .arg(hechas)
                  .arg(totalFilas)
                  .arg(100.0 * double(hechas) / double(totalFilas), 0, 'f', 1)
                  .arg(s > 0 ? double(hechas) / s : 0.0, 0, 'f', 0)
                  .arg(s, 0, 'f', 1));
    };
    auto numProv = [&](const Documento& x) {
        const Proveedor& v = d.proveedores[x.proveedor];
        return (v.serieProv + QString::number(x.numeroProv)).left(20);
    };
    auto anulado = [](bool a) { return a ? QStringLiteral("S") : QStringLiteral("N"); };

    std::size_t di = 0, ei = 0;
    while (di < d.documentos.size() || ei < d.egresos.size()) {
        const bool documento =
            di < d.documentos.size() &&
            (ei >= d.egresos.size() || d.documentos[di].fecha <= d.egresos[ei].fecha);
        bool ok = true;
        if (documento) {
            const Documento& x = d.documentos[di];
            const Proveedor& v = d.proveedores[x.proveedor];
            const QDate f = dia(x.fecha);
            const QString pref = prefDoc[di];
            const QString num = numero6(x.numero);
            const QString trm4 = tasa(x.trm);
            const QString trm2 = importe(std::llround(double(x.trm) / 100.0));
            switch (x.tipo) {
                case 21:
                    ok =
                        w.ejecutar(fac, {x.id, pref, num, f, f.addDays(x.dias), v.nit,
                                         QString::fromUtf8(kConceptoFactura[x.concepto]),
                                         numProv(x), importe(x.monto), importe(x.iva),
                                         importe(x.rtfte), importe(x.rtiva), importe(x.rtica),
                                         x.diasDto ? QVariant(f.addDays(x.diasDto)) : QVariant(),
                                         importe(x.dtof), int(x.moneda), trm4, anulado(x.anulado)});
                    ++r.resumen.facturas;
                    break;
                case 24:
                    ok = w.ejecutar(
                        dev, {x.id, pref, num, f, v.nit,
                              QString::fromUtf8(kConceptoDevolucion[x.concepto]), numProv(x),
                              d.documentos[x.ref].id, importe(x.monto), importe(x.iva),
                              importe(x.rtfte), importe(x.rtiva), importe(x.rtica), int(x.moneda),
                              trm4, anulado(x.anulado)});
                    ++r.resumen.devoluciones;
                    break;
                case 51:
                    ok = w.ejecutar(
                        car,
                        {x.id, v.nit, pref, num, f, QString::fromUtf8(kConceptoCargo[x.concepto]),
                         f.addDays(x.dias), importe(x.monto), importe(qint64(x.ivaPorc) * 100),
                         importe(x.iva), importe(x.rtfte), importe(x.rtiva), importe(x.rtica),
                         numProv(x), anulado(x.anulado), int(x.moneda), trm2, importe(x.monto),
                         importe(x.iva)});
                    ++r.resumen.cargos;
                    break;
                default: {
                    const Documento& fa = d.documentos[x.ref];
                    ok = w.ejecutar(des, {x.id,
                                          v.nit,
                                          pref,
                                          num,
                                          f,
                                          QString::fromUtf8(kConceptoDescuento[x.concepto]),
                                          importe(x.monto),
                                          importe(qint64(x.ivaPorc) * 100),
                                          importe(x.iva),
                                          importe(x.rtfte),
                                          importe(x.rtiva),
                                          importe(x.rtica),
                                          numProv(x),
                                          anulado(x.anulado),
                                          int(x.moneda),
                                          trm2,
                                          importe(x.monto),
                                          importe(x.iva),
                                          prefDoc[x.ref] + numero6(fa.numero),
                                          fa.id});
                    ++r.resumen.descuentos;
                }
            }
            if (x.anulado)
                ++r.resumen.anulados;
            if (x.moneda != 1)
                ++r.resumen.extranjeros;
            ++di;
            ++hechas;
        } else {
            const Egreso& e = d.egresos[ei];
            const Proveedor& v = d.proveedores[e.proveedor];
            ok = w.ejecutar(egr, {e.id, prefEgreso[ei], numero6(e.numero), dia(e.fecha),
                                  e.lineas == 1 ? QStringLiteral("Pago de factura")
                                                : QStringLiteral("Pago de facturas"),
                                  importe(e.monto), importe(e.dtof), v.nombre, v.nit});
            for (int k = 0; ok && k < e.lineas; ++k) {
                const Linea& l = d.lineas[e.primeraLinea + k];
                const Documento& x = d.documentos[l.documento];
                ok = w.ejecutar(
                    det, {e.id, k + 1, int(x.tipo), x.id, prefDoc[l.documento], numero6(x.numero),
                          numProv(x), importe(l.abono), importe(l.dtof)});
            }
            ++r.resumen.egresos;
            r.resumen.lineasEgreso += e.lineas;
            hechas += 1 + e.lineas;
            ++ei;
        }
        if (!ok || !w.quizaConfirmar(p.filasPorTransaccion, avance)) {
            r.mensaje = w.error();
            return r;
        }
    }
    w.soltar();
    {
        std::set<qint32> pagados;
        for (const Linea& l : d.lineas)
            pagados.insert(l.documento);
        r.resumen.documentosPagados = int(pagados.size());
    }

    // Consecutives past every number stored; generators past every id.
    {
        QSqlQuery q(db);
        if (!w.preparar(
                q,
                QStringLiteral(
                    "UPDATE PREFIJOS SET PREF_ACTUAL = ? WHERE TIDO_COD = ? AND PREF_PRE = ?"))) {
            r.mensaje = w.error();
            return r;
        }
        for (const auto& [clave, ultimo] : series)
            if (!w.ejecutar(q, {numero6(ultimo + 1), clave.first, clave.second})) {
                r.mensaje = w.error();
                return r;
            }
        w.soltar();
    }
    if (!w.confirmar()) {
        r.mensaje = w.error();
        return r;
    }
    r.resumen.segundosCarga = double(reloj.elapsed()) / 1000.0;
    avance();
    if (!w.sentencia(QStringLiteral("ALTER SEQUENCE GEN_NOTAS_DEBITO_PROVEEDOR RESTART WITH %1")
                         .arg(ids[2])) ||
        !w.sentencia(QStringLiteral("ALTER SEQUENCE GEN_NOTAS_CREDITO_PROVEEDOR RESTART WITH %1")
                         .arg(ids[3])) ||
        !w.sentencia(QStringLiteral("ALTER SEQUENCE GEN_EGRESOS RESTART WITH %1").arg(idEgreso))) {
        r.mensaje = w.error();
        return r;
    }

    reloj.restart();
    if (p.indicesDiferidos) {
        avisa(QStringLiteral("Reconstruyendo índices"));
        for (const char* ix : kIndicesDiferidos)
            if (!w.sentencia(
                    QStringLiteral("ALTER INDEX %1 ACTIVE").arg(QString::fromLatin1(ix)))) {
                r.mensaje = w.error();
                return r;
            }
    }
    // Selectivity of every index after the load, as the optimizer plans with it.
    {
        QStringList indices;
        QSqlQuery q(db);
        q.exec(QStringLiteral(
            "SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 "
            "AND COALESCE(RDB$INDEX_INACTIVE, 0) = 0"));
        while (q.next())
            indices << q.value(0).toString();
        q.finish();
        for (const QString& ix : indices)
            if (!w.sentencia(QStringLiteral("SET STATISTICS INDEX %1").arg(ix))) {
                r.mensaje = w.error();
                return r;
            }
    }
    r.resumen.segundosIndices = double(reloj.elapsed()) / 1000.0;
    r.resumen.segundosTotal = double(total.elapsed()) / 1000.0;
    r.ok = true;
    return r;
}

}  // namespace ledgrix::generador
