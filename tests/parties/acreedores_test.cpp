#include <gtest/gtest.h>

#include "parties/acreedores/consulta_proveedores.h"
#include "parties/acreedores/nombre_tercero.h"

using namespace ledgrix;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const QString kBase =
    S("select T.TERC_NIT, TERC_NOM, TERC_CIU, TERC_TEL, PROV_COD, PROV_SIMPLIFICADO, "
      "TERC_CONTACTO, TERC_ESTADO, GRPR_COD from terceros T, PROVEEDORES P where t.terc_nit = "
      "P.terc_nit and terc_PROV = 'S' ");

}  // namespace

TEST(NombreTercero, FourPartsJoinedByOneBlankEmptyOnesIncluded) {
    EXPECT_EQ(componga_nombre(S("Pérez"), S("Rojas"), S("Ana"), QString()), S("Pérez Rojas Ana "));
    EXPECT_EQ(componga_nombre(S(" Pérez "), QString(), S("Ana"), S("María")),
              S("Pérez  Ana María"));
    EXPECT_EQ(componga_nombre({}, {}, {}, {}).trimmed(), QString());
}

TEST(ConsultaProveedores, SearchConditionThenActiveFilterThenOrder) {
    using C = CriterioProveedores::Columna;
    struct Caso {
        CriterioProveedores criterio;
        QString sql;
    };
    const std::vector<Caso> casos{
        {{C::Nombre, {}, true, false}, kBase + S("AND TERC_ESTADO = 'S' order by terc_nom")},
        {{C::Nit, S("80"), false, true},
         kBase + S(" and upper(t.terc_nit) >= upper('80') order by t.terc_nit")},
        {{C::Contacto, S("o'neil"), true, false},
         kBase + S(" and upper(terc_contacto) like upper('%o''neil%') AND TERC_ESTADO = 'S' "
                   "order by terc_contacto")},
        {{C::Codigo, S("X"), true, true},
         kBase + S(" and upper(prov_cod) like upper('%X%') order by prov_cod")},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(consulta_proveedores(c.criterio), c.sql);
    EXPECT_EQ(consulta_proveedores_por_nombre(S("andina")),
              kBase + S(" and upper(TERC_NOM) like upper('%andina%') AND TERC_ESTADO = 'S' "
                        "order by terc_nom"));
}
