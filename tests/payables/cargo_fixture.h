#pragma once

#include <memory>

#include "core/data/client_dataset.h"
#include "core/sql/sqltext.h"
#include "payables/cargos/documento_cxp.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {

inline Currency M(const char* texto) {
    return Currency::fromText(QString::fromLatin1(texto));
}

// A charge's or a discount's logic on a demo installation, driven as its
// window does; `v` and `t` read the document's columns.
template <typename Documento>
class DocumentoCxpTest : public DocumentosTest {
  protected:
    void configure(const char* modulo, const char* categoria, const char* propiedad,
                   const QString& valor) {
        run(QStringLiteral("update CONFIGURACION set CONF_VALOR = %1 where CONF_MODULO = '%2' and "
                           "CONF_CATEGORIA = '%3' and CONF_PROPIEDAD = '%4'")
                .arg(sql::quoted(valor), QString::fromLatin1(modulo),
                     QString::fromLatin1(categoria), QString::fromLatin1(propiedad)));
        dm->cargue_configuracion();
    }
    Documento& abra() {
        logica = std::make_unique<Documento>(*dm);
        EXPECT_TRUE(logica->abra());
        return *logica;
    }
    Currency v(const char* campo) const {
        return logica->campo(QString::fromLatin1(campo)).asCurrency();
    }
    QString t(const char* campo) const {
        return logica->campo(QString::fromLatin1(campo)).asString();
    }

    std::unique_ptr<Documento> logica;
};

}  // namespace ledgrix::test
