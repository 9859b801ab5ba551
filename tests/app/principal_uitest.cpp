#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>

#include "app/navegacion/tabla_menu.h"
#include "app/ui/principal/linea_estado.h"
#include "app/ui/principal/registro_ventanas.h"
#include "app/ui/principal/tfacercade.h"
#include "app/ui/tfprincipal.h"
#include "core/login/clave.h"
#include "core/status/status_line.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/tfconsecut.h"
#include "core/validaciones/acceso.h"
#include "output/ui/mantenimiento/tfdefformato.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using ledgrix::test::ModuleTest;

namespace {

QString noDisponible(const QString& titulo) {
    return QStringLiteral("La ventana «%1» aún no está disponible.")
        .arg(QString(titulo).remove(QLatin1Char('&')));
}

void procese() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

class PrincipalTest : public ModuleTest {
  protected:
    void entre(const QString& usuario, bool administrador) {
        conecte(usuario);
        dm->ctx.es_administrador = administrador;
        principal = std::make_unique<Tfprincipal>(*dm, QStringList{});
        principal->setRegistro(registro);
        principal->show();
    }
    // The whole login, as the launcher starts the module.
    void ingrese() {
        principal = std::make_unique<Tfprincipal>(
            *dm, QStringList{QStringLiteral("ENTRADA"), QStringLiteral("ADMIN"),
                             QStringLiteral("001"), embrolle_clave(QStringLiteral("admin"))});
        principal->setRegistro(registro);
        principal->show();
        ASSERT_TRUE(principal->ingrese()) << dialogs.lastError().toStdString();
    }
    void TearDown() override {
        principal.reset();
        ModuleTest::TearDown();
    }

    QAction* accion(const QStringList& ruta, const QString& titulo) const {
        QList<QAction*> nivel = principal->menuBar()->actions();
        for (const QString& paso : ruta) {
            auto it = std::find_if(nivel.begin(), nivel.end(),
                                   [&](QAction* a) { return a->text() == paso && a->menu(); });
            if (it == nivel.end())
                return nullptr;
            nivel = (*it)->menu()->actions();
        }
        auto it = std::find_if(nivel.begin(), nivel.end(),
                               [&](QAction* a) { return a->text() == titulo; });
        return it == nivel.end() ? nullptr : *it;
    }
    // The one action of the menu bar bound to `atajo`.
    QAction* porAtajo(const QKeySequence& atajo) const {
        QList<QAction*> hallados;
        std::function<void(const QList<QAction*>&)> recorra = [&](const QList<QAction*>& nivel) {
            for (QAction* a : nivel) {
                if (a->menu())
                    recorra(a->menu()->actions());
                else if (a->shortcut() == atajo)
                    hallados << a;
            }
        };
        recorra(principal->menuBar()->actions());
        EXPECT_EQ(hallados.size(), 1);
        return hallados.value(0);
    }
    QPushButton* boton(QWidget* donde, const QString& titulo) const {
        for (QPushButton* b : donde->findChildren<QPushButton*>())
            if (b->text() == titulo)
                return b;
        ADD_FAILURE() << "no button " << titulo.toStdString();
        return nullptr;
    }
    QMdiSubWindow* hija(const QString& clase) const {
        for (QMdiSubWindow* s : principal->mdi()->subWindowList())
            if (s->widget() && s->widget()->objectName() == clase)
                return s;
        return nullptr;
    }
    void niegue(std::initializer_list<int> opciones) {
        for (int o : opciones)
            ASSERT_TRUE(dm->sql().execute(
                QStringLiteral("update acceso_usuario set acus_si = 'N' where user_cod = "
                               "'AUXILIAR' and acus_opcion = %1")
                    .arg(o)));
    }
    // What one entry showed: the refusal, or the notice.
    QString resultado(const std::function<void()>& haga) {
        dialogs.clear();
        haga();
        const QStringList todo = dialogs.errors() + dialogs.texts(QStringLiteral("information"));
        EXPECT_EQ(todo.size(), 1);
        return todo.value(0);
    }

    RegistroVentanas registro;
    std::unique_ptr<Tfprincipal> principal;
};

bool conControl(const EntradaMenu& e) {
    return e.destino.accion == Accion::Ventana || e.destino.accion == Accion::Aviso;
}

TEST_F(PrincipalTest, MenuBarHoldsEveryEntryWithItsShortcut) {
    entre(QStringLiteral("ADMIN"), true);
    QStringList menus;
    for (QAction* a : principal->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("Archivo"), QStringLiteral("Edición"),
                                  QStringLiteral("Acreedo&res"), QStringLiteral("&Documentos"),
                                  QStringLiteral("&Informes"), QStringLiteral("&Mantenimiento"),
                                  QStringLiteral("Ventana"), QStringLiteral("Ayuda")}));
    for (const EntradaMenu& e : tabla_menu()) {
        QAction* a = accion(e.ruta, e.titulo);
        ASSERT_TRUE(a) << e.titulo.toStdString();
        EXPECT_EQ(a->shortcut(), QKeySequence(e.atajo, QKeySequence::PortableText))
            << e.titulo.toStdString();
    }
}

TEST_F(PrincipalTest, ClerkIsRefusedExactlyHisDeniedOptions) {
    entre(QStringLiteral("AUXILIAR"), false);
    const QSet<int> negadas{0, 12, 22, 42, 60, 61, 62, 63, 64, 65, 66, 67, 68, 112, 114};
    const QHash<QString, QString> variantes{
        {QStringLiteral("&Recalculo de saldos"), kAccesoNoPermitidoMayuscula},
        {QStringLiteral("Cambiar &Vencimiento"),
         kAccesoNoPermitidoMayuscula},  // no right in COMPRAS
    };
    for (const EntradaMenu& e : tabla_menu()) {
        if (!conControl(e))
            continue;
        const bool negada = negadas.contains(e.destino.opcion) || !e.destino.modulo.isEmpty();
        const QString esperado =
            negada ? variantes.value(e.titulo, kAccesoNoPermitido) : noDisponible(e.titulo);
        EXPECT_EQ(resultado([&] { accion(e.ruta, e.titulo)->trigger(); }), esperado)
            << e.titulo.toStdString();
    }
    // The top panel: allowed, allowed, allowed, unchecked.
    for (const Boton& b : botones_superiores())
        EXPECT_EQ(resultado([&] { boton(principal.get(), b.titulo)->click(); }),
                  noDisponible(b.titulo == QStringLiteral("Mov. Proveedor")
                                   ? QStringLiteral("Ver cuentas por pagar")
                                   : b.titulo));
}

TEST_F(PrincipalTest, RefusedDocumentsFallThroughToTheirSearch) {
    entre(QStringLiteral("AUXILIAR"), false);
    niegue({10, 20, 30, 40});
    const QList<std::pair<QString, QString>> casos{
        {QStringLiteral("Ca&rgos"), QStringLiteral("&Busqueda cargos")},
        {QStringLiteral("Desc&uentos"), QStringLiteral("&Busqueda descuentos")},
        {QStringLiteral("Pa&gos"), QStringLiteral("&Busqueda de egresos")},
        {QStringLiteral("A&plicaciones"), QStringLiteral("&Busqueda aplicaciones")}};
    for (const auto& [lateral, busqueda] : casos)
        EXPECT_EQ(resultado([&] { boton(principal.get(), lateral)->click(); }),
                  noDisponible(busqueda));
    EXPECT_EQ(resultado([&] {
                  accion({QStringLiteral("&Documentos"), QStringLiteral("&Cargos")},
                         QStringLiteral("Enviar documento soporte"))
                      ->trigger();
              }),
              kAccesoSoporte);
    // The search refuses in its own words.
    niegue({11});
    EXPECT_EQ(resultado([&] {
                  accion({QStringLiteral("&Documentos"), QStringLiteral("&Cargos")},
                         QStringLiteral("Originar &cargos"))
                      ->trigger();
              }),
              kAccesoNoPermitido);
}

TEST_F(PrincipalTest, AdministratorPassesEveryCheck) {
    entre(QStringLiteral("ADMIN"), true);
    for (const EntradaMenu& e : tabla_menu())
        if (conControl(e))
            accion(e.ruta, e.titulo)->trigger();
    for (const Boton& b : botones_superiores())
        boton(principal.get(), b.titulo)->click();
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    EXPECT_TRUE(dialogs.texts(QStringLiteral("information")).contains(kAvisoMantenimiento));
}

TEST_F(PrincipalTest, RegisteredWindowOpensAsChildFromItsShortcutAndFreesItselfOnClose) {
    bool marcada = false;
    registro.registre(QStringLiteral("Tfbuscprove"), [&](Tfdm& d, QWidget* parent) {
        marcada = d.ctx.busqueda_principal;
        return new QWidget(parent);
    });
    entre(QStringLiteral("AUXILIAR"), false);
    QAction* ctrlB = porAtajo(QKeySequence(Qt::CTRL | Qt::Key_B));
    ASSERT_TRUE(ctrlB);
    ctrlB->trigger();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(marcada);
    QPointer<QMdiSubWindow> sub = hija(QStringLiteral("Tfbuscprove"));
    ASSERT_TRUE(sub);
    QPointer<QWidget> w = sub->widget();
    w->close();
    procese();
    EXPECT_FALSE(w);
    EXPECT_FALSE(sub);

    // The same window closed from the "Ventana" menu.
    accion({QStringLiteral("Acreedo&res")}, QStringLiteral("&Busqueda acreedores"))->trigger();
    sub = hija(QStringLiteral("Tfbuscprove"));
    ASSERT_TRUE(sub);
    principal->mdi()->setActiveSubWindow(sub);
    accion({QStringLiteral("Ventana")}, QStringLiteral("&Cerrar"))->trigger();
    procese();
    EXPECT_FALSE(sub);
    EXPECT_TRUE(principal->mdi()->subWindowList().isEmpty());

    // Ctrl+M: the instant-message window, without a check.
    porAtajo(QKeySequence(Qt::CTRL | Qt::Key_M))->trigger();
    EXPECT_TRUE(hija(QStringLiteral("fmensaje")));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(PrincipalTest, MenuWindowsOpenInPlaceAndEscClosesThem) {
    entre(QStringLiteral("AUXILIAR"), false);
    for (const VentanaMenu& v : ventanas_menu()) {
        principal->abra_menu(v.clase);
        QPointer<QMdiSubWindow> sub = hija(v.clase);
        ASSERT_TRUE(sub) << v.clase.toStdString();
        EXPECT_EQ(sub->geometry(), v.lugar) << v.clase.toStdString();
        EXPECT_EQ(sub->widget()->findChildren<QPushButton*>().size(), v.botones.size());
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(sub->widget(), &esc);
        procese();
        EXPECT_FALSE(sub) << v.clase.toStdString();
    }
    // The reports menu leads to its sub-menus; a refused report closes it.
    boton(principal.get(), QStringLiteral("In&formes"))->click();
    QPointer<QMdiSubWindow> informes = hija(QStringLiteral("Tfmenureportes1"));
    ASSERT_TRUE(informes);
    boton(informes->widget(), QStringLiteral("Com&probantes"))->click();
    EXPECT_TRUE(hija(QStringLiteral("Tfmenureportes")));
    niegue({70});
    boton(informes->widget(), QStringLiteral("&Proveedores"))->click();
    procese();
    EXPECT_EQ(dialogs.errors(), QStringList{kAccesoNoPermitido});
    EXPECT_FALSE(informes);
    // The maintenance window refuses the clerk like the menu does.
    boton(principal.get(), QStringLiteral("Man&tenimiento"))->click();
    EXPECT_EQ(resultado([&] {
                  boton(hija(QStringLiteral("Tfmenumantenimiento"))->widget(),
                        QStringLiteral("E&xportar datos"))
                      ->click();
              }),
              kAccesoNoPermitido);
}

TEST_F(PrincipalTest, StatusAreaShowsTheLoginAndPaintsWarningsUntilIdle) {
    entre(QStringLiteral("AUXILIAR"), false);
    auto* etiqueta = principal->findChild<QLabel*>(QStringLiteral("etiquetaAgencia"));
    auto* agencia = principal->findChild<QLabel*>(QStringLiteral("agencia"));
    EXPECT_FALSE(etiqueta->isVisible());
    principal->muestre_agencia(1, QStringLiteral("Principal"));
    EXPECT_TRUE(etiqueta->isVisible());
    EXPECT_EQ(agencia->text(), QStringLiteral("1-Principal"));
    principal->muestre_agencia(0, QString());
    EXPECT_FALSE(agencia->isVisible());

    LineaEstado* linea = principal->lineaEstado();
    const QColor panel = linea->palette().color(QPalette::Window);
    const QColor navy(0, 0, 128);
    EXPECT_EQ(linea->fondo(), panel);
    EXPECT_EQ(linea->finGradiente(), navy);
    dm->estado().mostrar_mensaje();
    EXPECT_EQ(linea->fondo(), linea->palette().color(QPalette::Highlight));
    EXPECT_EQ(linea->text(), StatusLine::kFetchingText);
    dm->mostrar_advertencia(QStringLiteral("Saldo negativo"));
    EXPECT_EQ(linea->text(), QStringLiteral("Advertencia: Saldo negativo"));
    EXPECT_EQ(linea->fondo(), QColor(Qt::red));
    EXPECT_EQ(linea->finGradiente(), QColor(128, 0, 0));
    dm->estado().expire();
    EXPECT_EQ(linea->fondo(), panel);
    EXPECT_EQ(linea->finGradiente(), navy);
    EXPECT_TRUE(linea->text().isEmpty());
    dm->mostrar_alerta(QStringLiteral("Pagar arriendo"));
    EXPECT_EQ(linea->text(), QStringLiteral("RECORDAR: Pagar arriendo"));
    EXPECT_EQ(linea->finGradiente(), QColor(Qt::yellow));
}

TEST_F(PrincipalTest, AboutBoxFromTheMenuAndAsSplash) {
    entre(QStringLiteral("AUXILIAR"), false);
    dialogs.expectModal(QStringLiteral("Tfacercade"), 0);
    accion({QStringLiteral("Ayuda")}, QStringLiteral("&Acerca de"))->trigger();
    EXPECT_TRUE(dialogs.allAnswered());

    QPointer<Tfacercade> splash = Tfacercade::muestre_presentacion();
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    QEventLoop espera;
    QObject::connect(splash, &QObject::destroyed, &espera, &QEventLoop::quit);
    QTimer::singleShot(3000, &espera, &QEventLoop::quit);
    espera.exec();
    EXPECT_FALSE(splash);
}

TEST_F(PrincipalTest, SalirLeavesTheWayTheCloseButtonDoesFromAMaximisedWindow) {
    ingrese();
    EXPECT_TRUE(principal->isMaximized());
    accion({QStringLiteral("Archivo")}, QStringLiteral("&Salir"))->trigger();
    EXPECT_FALSE(principal->isVisible());
    EXPECT_EQ(dm->sql()
                  .scalar(QStringLiteral("select count(*) from auditoria where tido_cod = 199"))
                  .toInt(),
              1);
    EXPECT_TRUE(dm->sqlGeneral()
                    .scalar(QStringLiteral("select FECCON from USUARIO where USUA_COD = 'ADMIN'"))
                    .isNull());
}

// No window copies the delay itself: a working window and a dialog opened
// over the main window both search with the login's.
TEST_F(PrincipalTest, GridsOfEveryWindowSearchWithTheLoginsDelay) {
    registro.registre(QStringLiteral("TFConsecut"), [](Tfdm& d, QWidget* parent) -> QWidget* {
        return new TFConsecut(d, parent);
    });
    ingrese();
    ASSERT_EQ(dm->ctx.duracion_busquedas, 1000);
    QWidget* consecutivos = principal->abra_ventana(QStringLiteral("TFConsecut"));
    ASSERT_TRUE(consecutivos);
    Tfdefformato formato(*dm, principal.get());
    formato.show();
    for (QWidget* ventana : {consecutivos, static_cast<QWidget*>(&formato)}) {
        int vistas = 0;
        for (const LedgrixGrid* g : ventana->findChildren<LedgrixGrid*>()) {
            if (!g->isVisible())
                continue;
            ++vistas;
            EXPECT_EQ(g->searchDelay(), 1000) << ventana->objectName().toStdString();
        }
        EXPECT_GT(vistas, 0) << ventana->objectName().toStdString();
    }
}

}  // namespace
