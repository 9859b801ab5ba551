#include <gtest/gtest.h>

#include <QSqlQuery>

#include "app/mensajes/buzon.h"
#include "app/mensajes/mensaje_instantaneo.h"
#include "core/data/client_dataset.h"
#include "core/sql/sqltext.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using ledgrix::test::ModuleTest;
using ledgrix::test::ScriptedDialogs;

namespace {

// ADMIN works on `dm`; AUXILIAR sits at a second station on the same databases.
class MensajesTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte(QStringLiteral("ADMIN"));
        auxiliar = std::make_unique<Tfdm>(dialogs2, clock);
        auxiliar->setDirectorio(inst->dir());
        ASSERT_TRUE(auxiliar->conecte_compania(inst->companyDatabase(), QStringLiteral("AUXILIAR"), QString()));
        ASSERT_TRUE(auxiliar->conecte_general(inst->generalDatabase(), QStringLiteral("AUXILIAR"), QString()));
        auxiliar->cargue_configuracion();
        auxiliar->ctx.usuario = QStringLiteral("AUXILIAR");
    }
    void TearDown() override {
        auxiliar.reset();
        ModuleTest::TearDown();
    }

    // Writes through the message logic as the given station does.
    qint64 envie(Tfdm& desde, const QString& a, const QString& texto, int prioridad = 0) {
        MensajeInstantaneo m(desde);
        if (a != MensajeInstantaneo::kTodos) {
            EXPECT_TRUE(m.usuarios().locate(QStringLiteral("USUARIO"), {a}));
        }
        m.set_texto(texto);
        m.set_prioridad(prioridad);
        const bool ok = a == MensajeInstantaneo::kTodos ? m.envie_a_todos() : m.envie();
        EXPECT_TRUE(ok) << dialogs.lastError().toStdString();
        return dm->sql().scalar(QStringLiteral("select max(mens_id) from mensajeria")).toLongLong();
    }

    QVariant columna(qint64 id, const QString& col) {
        return dm->sql().scalar(QStringLiteral("select ") + col + QStringLiteral(" from mensajeria where mens_id = ") +
                                sql::number(id));
    }

    ScriptedDialogs dialogs2;
    std::unique_ptr<Tfdm> auxiliar;
};

TEST_F(MensajesTest, AMessageWithHostileTextReachesTheAddresseesAlertExactly) {
    const QString texto = QStringLiteral("Pago de O'Brien; AÑO 'ÚLTIMO' -- revisar");
    const qint64 id = envie(*dm, QStringLiteral("AUXILIAR"), texto, 2);

    EXPECT_EQ(columna(id, QStringLiteral("mens_mensaje")).toString(), texto);
    // Author, addressee, level (priority 2 is level 1), unread, answering nothing.
    EXPECT_EQ(columna(id, QStringLiteral("mens_autor || '>' || mens_destino || ',' || mens_nivel || ',' || "
                                         "mens_leido || ',' || mens_respuesta")).toString(),
              QStringLiteral("ADMIN>AUXILIAR,1,N,0"));

    Buzon buzon(*auxiliar);
    int mostrado = 0;
    QObject::connect(&buzon, &Buzon::muestre, [&] { ++mostrado; });
    buzon.start();
    ASSERT_EQ(buzon.alertas().size(), 1);
    EXPECT_EQ(mostrado, 1);
    const QString nombre = dm->sqlGeneral()
                               .scalar(QStringLiteral("select usua_nombre from usuario where usua_cod = 'ADMIN'"))
                               .toString();
    const QString cuando = sql::dateText(columna(id, QStringLiteral("mens_fecha")).toDate()) + QStringLiteral("-") +
                           columna(id, QStringLiteral("mens_hora")).toTime().toString(QStringLiteral("hh:mm:ss"));
    const AlertaMensaje& a = buzon.alertas().first();
    EXPECT_EQ(a.id, QString::number(id));
    EXPECT_EQ(a.html, QString::number(id) + QStringLiteral("<br><b>") + texto + QStringLiteral("<br>De : ") + nombre +
                          QStringLiteral("</b><br>Fecha : ") + cuando +
                          QStringLiteral("<br>Haga clic para marcar como leído"));
    EXPECT_EQ(a.color, (ColorAlerta{255, 128, 255}));
    EXPECT_TRUE(dialogs2.errors().isEmpty());
}

TEST_F(MensajesTest, ThePollRestsWhileTheAlertIsUpAndResumesWhenItCloses) {
    Buzon buzon(*auxiliar);
    int mostrado = 0;
    QObject::connect(&buzon, &Buzon::muestre, [&] { ++mostrado; });
    buzon.start();
    EXPECT_TRUE(buzon.activo()) << "nothing unread: keeps polling";
    EXPECT_EQ(mostrado, 0);

    envie(*dm, QStringLiteral("AUXILIAR"), QStringLiteral("uno"), 0);
    envie(*dm, QStringLiteral("AUXILIAR"), QStringLiteral("dos"), 1);
    buzon.sondee();
    EXPECT_FALSE(buzon.activo());
    ASSERT_EQ(buzon.alertas().size(), 2);
    QList<std::optional<ColorAlerta>> colores{buzon.alertas()[0].color, buzon.alertas()[1].color};
    EXPECT_TRUE(colores.contains(ColorAlerta{128, 255, 255}));
    EXPECT_TRUE(colores.contains(ColorAlerta{255, 255, 128}));

    buzon.anterior();  // stops at either end
    EXPECT_EQ(buzon.indice(), 0);
    buzon.siguiente();
    buzon.siguiente();
    EXPECT_EQ(buzon.indice(), 1);

    buzon.cerrado();
    EXPECT_TRUE(buzon.activo());
    EXPECT_EQ(mostrado, 1);

    // Without the company database the poll stops for good.
    auxiliar->desconecte();
    buzon.sondee();
    EXPECT_FALSE(buzon.activo());
    EXPECT_TRUE(dialogs2.errors().isEmpty());
}

TEST_F(MensajesTest, AnsweringTheAuthorLinksTheAnswerToTheMessage) {
    const qint64 id = envie(*dm, QStringLiteral("AUXILIAR"), QStringLiteral("¿Pagaste a Ñandú?"));
    Buzon buzon(*auxiliar);
    int abrir = 0;
    QObject::connect(&buzon, &Buzon::abra_mensaje, [&] { ++abrir; });
    buzon.sondee();
    ASSERT_EQ(buzon.alertas().size(), 1);

    buzon.conteste(buzon.alertas().first().html);
    EXPECT_EQ(abrir, 1);
    EXPECT_EQ(auxiliar->ctx.mensaje_id, QString::number(id));
    EXPECT_EQ(auxiliar->ctx.mensaje_autor, QStringLiteral("ADMIN"));
    EXPECT_TRUE(buzon.alertas().isEmpty());
    EXPECT_EQ(columna(id, QStringLiteral("mens_leido")).toString(), QStringLiteral("S"));

    MensajeInstantaneo respuesta(*auxiliar);
    EXPECT_EQ(respuesta.usuario_actual(), QStringLiteral("ADMIN"));
    EXPECT_TRUE(auxiliar->ctx.mensaje_id.isEmpty()) << "the next window is a new conversation";
    respuesta.set_texto(QStringLiteral("Sí, ayer"));
    ASSERT_TRUE(respuesta.envie()) << dialogs2.lastError().toStdString();
    const qint64 otra = dm->sql().scalar(QStringLiteral("select max(mens_id) from mensajeria")).toLongLong();
    EXPECT_EQ(columna(otra, QStringLiteral("mens_autor || '>' || mens_destino || ',' || mens_respuesta")).toString(),
              QStringLiteral("AUXILIAR>ADMIN,") + QString::number(id));
}

TEST_F(MensajesTest, MessagesToEverybodyShowInTheHistoryNotInTheAlert) {
    const qint64 id = envie(*dm, MensajeInstantaneo::kTodos, QStringLiteral("Cierre mensual el viernes"));
    EXPECT_EQ(columna(id, QStringLiteral("mens_destino")).toString(), QStringLiteral("Todos"));

    Buzon buzon(*auxiliar);
    buzon.sondee();
    EXPECT_TRUE(buzon.alertas().isEmpty());

    MensajeInstantaneo m(*auxiliar);
    ASSERT_TRUE(m.usuarios().locate(QStringLiteral("USUARIO"), {QStringLiteral("ADMIN")}));
    QStringList vistos;
    for (bool ok = m.historia().first(); ok && !m.historia().eof(); ok = m.historia().next())
        vistos << m.mensaje_actual();
    EXPECT_TRUE(vistos.contains(QStringLiteral("Cierre mensual el viernes")));
    // The history follows the chosen user: AUXILIAR wrote nothing to himself.
    ASSERT_TRUE(m.usuarios().locate(QStringLiteral("USUARIO"), {QStringLiteral("AUXILIAR")}));
    EXPECT_EQ(m.historia().recordCount(), 0);
}

TEST_F(MensajesTest, AnEmptyMessageIsRefusedAndNothingIsWritten) {
    const QString total = QStringLiteral("select count(*) from mensajeria");
    const int antes = dm->sql().scalar(total).toInt();
    MensajeInstantaneo m(*dm);
    EXPECT_FALSE(m.envie_a_todos());
    ASSERT_EQ(dialogs.errors().size(), 1);
    EXPECT_TRUE(dialogs.errors().first().startsWith(QStringLiteral("Los campos "))) << dialogs.lastError().toStdString();
    EXPECT_EQ(dm->sql().scalar(total).toInt(), antes);

    // The user fixes it and sends again from the same window.
    m.set_texto(QStringLiteral("Ahora sí"));
    EXPECT_TRUE(m.envie_a_todos());
    EXPECT_EQ(dm->sql().scalar(total).toInt(), antes + 1);
}

}  // namespace
