#pragma once

#include "tests/support/ventana_mdi.h"

namespace ledgrix::test {

// The windows that sum suppliers over time, over one charge of each demo
// supplier in different months: Transportes 1,234.56 on Aug 10, 2022 and
// Papelería 77 on Jun 1, 2022.
class CargosVentanaTest : public VentanaMdiTest {
  protected:
    void SetUp() override {
        VentanaMdiTest::SetUp();
        cargo(200, QStringLiteral("000200"), kTransportes, QDate(2022, 8, 10),
              QStringLiteral("1234.56"));
        cargo(201, QStringLiteral("000201"), kPapeleria, QDate(2022, 6, 1), QStringLiteral("77"));
    }
};

}  // namespace ledgrix::test
