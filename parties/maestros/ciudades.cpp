#include "parties/maestros/ciudades.h"

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

const QString kCiudad = QStringLiteral("CIUD_COD");

}  // namespace

Ciudades::Ciudades(Tfdm& dm, QObject* parent)
    : MaestroGrilla(dm, QStringLiteral("Ciudades"),
                    QStringLiteral("select * from ciudades order by ciud_nom"), parent) {
    barrios_ = conjunto(this, dm.Ledgrix(), QStringLiteral("Barrios"),
                        QStringLiteral("select * from barrios where ciud_cod = :CIUD_COD "
                                       "order by barr_nombre"));
    barrios_->setMaster(filas_, {{kCiudad, kCiudad}});
    dm.ConfigurarProviders(this);

    const auto titulo = [](ClientDataset& ds, const char* campo, const char* texto,
                           Field::Type tipo = Field::Type::String) {
        ds.declareField(QString::fromLatin1(campo), tipo).setDisplayLabel(QString::fromUtf8(texto));
    };
    titulo(*filas_, "CIUD_COD", "Código");
    titulo(*filas_, "CIUD_NOM", "Nombre");
    titulo(*filas_, "CIUD_FLETE", "Flete", Field::Type::Currency);
    titulo(*filas_, "CIUD_FLEMIN", "Flete mínimo", Field::Type::Currency);
    titulo(*filas_, "CIUD_ACTIVA", "Activa");
    titulo(*barrios_, "BARR_NOMBRE", "Barrio");
    barrios_->declareField(QStringLiteral("BARR_ID"), Field::Type::Integer).setVisible(false);
    barrios_->declareField(kCiudad).setVisible(false);

    filas_->onNewRecord = [](ClientDataset& ds) {
        ds.fieldByName(QStringLiteral("CIUD_ACTIVA")).setValue(QStringLiteral("S"));
        ds.fieldByName(QStringLiteral("CIUD_FLETE")).setCurrency(Currency());
        ds.fieldByName(QStringLiteral("CIUD_FLEMIN")).setCurrency(Currency());
    };
    filas_->beforePost = [this](ClientDataset& ds) {
        if (ds.fieldByName(kCiudad).asString().trimmed().isEmpty() ||
            ds.fieldByName(QStringLiteral("CIUD_NOM")).asString().trimmed().isEmpty()) {
            dm_.dialogs().error(
                QStringLiteral("Falta ingresar el código o el nombre de la ciudad."));
            ds.abort();
        }
    };
    // The key is the generator's: rows added together need one each before
    // they are written.
    barrios_->onNewRecord = [this](ClientDataset& ds) {
        ds.fieldByName(QStringLiteral("BARR_ID"))
            .setValue(dm_.sql()
                          .scalar(QStringLiteral("select next value for gen_barrios from "
                                                 "rdb$database"))
                          .toLongLong());
    };
    barrios_->beforePost = [this](ClientDataset& ds) {
        if (ds.fieldByName(QStringLiteral("BARR_NOMBRE")).asString().trimmed().isEmpty()) {
            dm_.dialogs().error(QStringLiteral("Falta ingresar el nombre del barrio."));
            ds.abort();
        }
    };
    abra();
}

}  // namespace ledgrix
