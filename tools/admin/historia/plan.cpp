#include "tools/admin/historia/plan.h"

#include <algorithm>
#include <cstdint>
#include <random>

namespace ledgrix::historia {
namespace {

// Fixed, so that the same installation day always gives the same history.
constexpr std::uint32_t kSemilla = 20240531;

// How each supplier sells to the demo company. Amounts in whole units of
// its currency; intervals in days between two documents of the kind.
struct Perfil {
    const char* nit;
    const char* serie;  // the supplier's own numbering
    int moneda;
    // Purchase invoices (none when cadaMin is 0).
    int cadaMin, cadaMax;
    qint64 montoMin, montoMax, redondeo;
    int iva;
    std::vector<const char*> conceptos;
    // Charges: what the supplier bills besides its invoices.
    int cargoMin, cargoMax;
    qint64 cargoMontoMin, cargoMontoMax;
    int cargoIva;
    bool cargoDeFactura;  // the charge arises from the last invoice
    std::vector<const char*> conceptosCargo;
};

const std::vector<Perfil>& perfiles() {
    // Freight is excluded from VAT; the consultant is not responsible for it.
    static const std::vector<Perfil> lista{
        {"900123456",
         "TN-",
         1,
         10,
         18,
         800000,
         3500000,
         10000,
         0,
         {"Fletes Bogotá - Medellín", "Fletes Bogotá - Cali",
          "Transporte de mercancía a "
          "Barranquilla",
          "Distribución urbana Bogotá"},
         30,
         45,
         150000,
         900000,
         0,
         true,
         {"Sobrecosto por espera de vehículo", "Cargue y descargue adicional"}},
        {"860045678",
         "PA-",
         1,
         12,
         20,
         1200000,
         6000000,
         10000,
         19,
         {"Resmas de papel carta y oficio", "Cajas de cartón corrugado",
          "Cinta de embalaje y película stretch", "Etiquetas térmicas"},
         40,
         55,
         200000,
         1200000,
         19,
         true,
         {"Reajuste de precio del papel", "Entrega urgente fuera de ruta"}},
        {"800987654",
         "INV-",
         2,
         25,
         35,
         1500,
         9000,
         50,
         0,
         {"Repuestos importados", "Rodamientos y correas", "Herramienta neumática"},
         45,
         60,
         400000,
         2500000,
         19,
         true,
         {"Gastos de nacionalización", "Bodegaje en puerto de Buenaventura"}},
        {"901345672",
         "FEC-",
         1,
         14,
         24,
         300000,
         2800000,
         1000,
         19,
         {"Tornillería y anclajes", "Pintura y solventes", "Herramienta manual",
          "Material eléctrico"},
         50,
         70,
         80000,
         350000,
         0,
         true,
         {"Flete de despacho a Bogotá"}},
        {"890112233",
         "SAC-",
         1,
         28,
         31,
         3200000,
         3600000,
         10000,
         19,
         {"Servicio de aseo y cafetería mensual"},
         55,
         75,
         150000,
         600000,
         19,
         false,
         {"Insumos de aseo adicionales"}},
        {"830078945",
         "TRA-",
         1,
         18,
         30,
         6000000,
         28000000,
         100000,
         19,
         {"Licencias y soporte de software", "Cableado estructurado bodega Norte",
          "Equipos de cómputo", "Mantenimiento de servidores"},
         35,
         50,
         800000,
         4000000,
         19,
         true,
         {"Horas adicionales de soporte"}},
        {"52381907",
         "",
         1,
         0,
         0,
         0,
         0,
         1,
         0,
         {},
         28,
         32,
         2500000,
         3200000,
         0,
         false,
         {"Honorarios asesoría tributaria"}},
    };
    return lista;
}

class Azar {
  public:
    explicit Azar(std::uint32_t semilla) : motor_(semilla) {}
    // The engine's sequence is fixed by the standard; the distributions of
    // the library are not, so the range is taken by hand.
    qint64 entre(qint64 desde, qint64 hasta) {
        return desde + qint64(motor_() % std::uint64_t(hasta - desde + 1));
    }
    qint64 monto(qint64 desde, qint64 hasta, qint64 multiplo) {
        return entre(desde / multiplo, hasta / multiplo) * multiplo;
    }

  private:
    std::mt19937 motor_;
};

// Nobody works on Sundays: the document moves to the Monday after, or to
// the Saturday before when that Monday has not come yet.
QDate laborable(const QDate& d, const QDate& hoy) {
    if (d.dayOfWeek() != Qt::Sunday)
        return d;
    return d < hoy ? d.addDays(1) : d.addDays(-1);
}

void planeeTasas(Plan& plan, Azar& azar) {
    qint64 centavos = 415000;
    for (QDate d = plan.desde; d <= plan.hoy; d = d.addDays(1)) {
        centavos = std::clamp<qint64>(centavos + azar.entre(-1500, 1500), 380000, 450000);
        plan.tasas.push_back({d, centavos});
    }
}

void planeeFacturas(Plan& plan, const Perfil& p, Azar& azar) {
    if (p.cadaMin == 0)
        return;
    int numero = int(azar.entre(1000, 9000));
    // Dollar invoices stay clear of the days whose rate the demo records.
    const QDate ultima = p.moneda == 1 ? plan.hoy : plan.hoy.addDays(-3);
    for (QDate d = plan.desde.addDays(azar.entre(0, p.cadaMin)); d <= ultima;
         d = d.addDays(azar.entre(p.cadaMin, p.cadaMax))) {
        Documento f;
        f.clase = Clase::Factura;
        f.fecha = laborable(d, plan.hoy);
        f.nit = QString::fromLatin1(p.nit);
        f.concepto = QString::fromUtf8(p.conceptos[azar.entre(0, qint64(p.conceptos.size()) - 1)]);
        numero += int(azar.entre(3, 40));
        f.numprov = QString::fromLatin1(p.serie) + QString::number(numero);
        f.monto = azar.monto(p.montoMin, p.montoMax, p.redondeo);
        f.iva = p.iva;
        f.moneda = p.moneda;
        plan.documentos.push_back(f);
    }
}

void planeeCargos(Plan& plan, const Perfil& p, Azar& azar) {
    int numero = int(azar.entre(100, 900));
    for (QDate d = plan.desde.addDays(azar.entre(3, p.cargoMin)); d <= plan.hoy;
         d = d.addDays(azar.entre(p.cargoMin, p.cargoMax))) {
        Documento c;
        c.clase = Clase::Cargo;
        c.fecha = laborable(d, plan.hoy);
        c.nit = QString::fromLatin1(p.nit);
        c.concepto =
            QString::fromUtf8(p.conceptosCargo[azar.entre(0, qint64(p.conceptosCargo.size()) - 1)]);
        // A natural person not obliged to invoice has no number of her own.
        if (*p.serie) {
            numero += int(azar.entre(1, 9));
            c.numprov =
                QStringLiteral("ND-") + QString::fromLatin1(p.serie) + QString::number(numero);
        }
        c.monto = azar.monto(p.cargoMontoMin, p.cargoMontoMax, 1000);
        c.iva = p.cargoIva;
        plan.documentos.push_back(c);
    }
}

bool cargoDeFactura(const QString& nit) {
    for (const Perfil& p : perfiles())
        if (nit == QLatin1String(p.nit))
            return p.cargoDeFactura;
    return false;
}

// The charge refers to the supplier's last invoice up to its day.
void enlaceFacturas(std::vector<Documento>& docs) {
    for (Documento& c : docs) {
        if (c.clase != Clase::Cargo || !cargoDeFactura(c.nit))
            continue;
        for (int i = 0; i < int(docs.size()); ++i) {
            const Documento& f = docs[std::size_t(i)];
            if (f.clase == Clase::Factura && f.nit == c.nit && f.fecha <= c.fecha)
                c.factura = i;
        }
    }
}

// The suppliers in pesos are paid every two or three weeks, each with its
// own delay after the document: most of what fell due then, from the cash
// box when it is little; about one document in four is left for later and
// stays open, so the aging has debts of every age. Now and then the last
// document is paid in part and its rest stays open too. Vouchers follow
// the documents, in date order.
void planeeEgresos(Plan& plan, Azar& azar) {
    struct Turno {
        QString nit;
        QDate dia;
        int retraso;
    };
    std::vector<Turno> turnos;
    for (const Perfil& p : perfiles())
        if (p.moneda == 1)
            turnos.push_back({QString::fromLatin1(p.nit),
                              plan.desde.addDays(35 + azar.entre(0, 10)), int(azar.entre(30, 60))});
    const int documentos = int(plan.documentos.size());
    std::vector<bool> visto(std::size_t(documentos), false);
    for (QDate dia = plan.desde.addDays(35); dia <= plan.hoy.addDays(-3); dia = dia.addDays(1)) {
        for (Turno& t : turnos) {
            if (t.dia != dia)
                continue;
            t.dia = dia.addDays(azar.entre(14, 21));
            Documento e;
            e.clase = Clase::Egreso;
            e.fecha = laborable(dia, plan.hoy);
            e.nit = t.nit;
            for (int i = 0; i < documentos; ++i) {
                const Documento& d = plan.documentos[std::size_t(i)];
                if (d.nit != t.nit || visto[std::size_t(i)] || d.fecha.addDays(t.retraso) > dia)
                    continue;
                visto[std::size_t(i)] = true;
                if (azar.entre(0, 3) == 0)
                    continue;
                e.paga.push_back(i);
                e.monto += d.monto + d.monto * d.iva / 100;
            }
            if (e.paga.empty())
                continue;
            e.parte = azar.entre(0, 3) == 0 ? 50 : 100;
            e.banco = e.monto > 1500000;
            e.concepto = QStringLiteral("Pago a proveedor");
            plan.documentos.push_back(e);
        }
    }
}

}  // namespace

qint64 Plan::tasa(const QDate& d) const {
    const qint64 i = desde.daysTo(d);
    return i >= 0 && i < qint64(tasas.size()) ? tasas[std::size_t(i)].centavos : 0;
}

Plan planee(const QDate& hoy) {
    Plan plan;
    plan.hoy = hoy;
    plan.desde = hoy.addDays(-kDiasHistoria);
    Azar azar(kSemilla);
    planeeTasas(plan, azar);
    for (const Perfil& p : perfiles()) {
        planeeFacturas(plan, p, azar);
        planeeCargos(plan, p, azar);
    }
    // Date order, invoices before the charges of the same day; the order of
    // the suppliers' table settles the rest.
    std::stable_sort(plan.documentos.begin(), plan.documentos.end(),
                     [](const Documento& a, const Documento& b) {
                         if (a.fecha != b.fecha)
                             return a.fecha < b.fecha;
                         return a.clase == Clase::Factura && b.clase != Clase::Factura;
                     });
    enlaceFacturas(plan.documentos);
    planeeEgresos(plan, azar);
    return plan;
}

}  // namespace ledgrix::historia
