#include "core/ui/fechas_al_teclado.h"

#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QVariant>

namespace ledgrix {

namespace {

class FechasAlTeclado : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            return separador_de_mas(watched, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::MouseButtonRelease) {
            parte_pulsada(watched);
            return false;
        }
        if (event->type() != QEvent::FocusIn)
            return false;
        const auto razon = static_cast<QFocusEvent*>(event)->reason();
        if (razon != Qt::TabFocusReason && razon != Qt::BacktabFocusReason)
            return false;
        if (auto* fecha = qobject_cast<QDateTimeEdit*>(watched)) {
            // After the editor's own focus handling, which picks a section.
            QPointer<QDateTimeEdit> caja(fecha);
            QTimer::singleShot(0, fecha, [caja] {
                if (caja && caja->hasFocus())
                    caja->setSelectedSection(caja->sectionAt(0));
            });
        }
        return false;
    }

  private:
    // A click leaves the editor's cursor inside the part clicked, where a
    // full part takes no more digits: the clerk's typing did nothing. The
    // part clicked is selected instead, so typing writes over it (and a
    // whole date typed from the year on fills every part), unless the
    // click dragged a selection of its own.
    static void parte_pulsada(QObject* watched) {
        auto* linea = qobject_cast<QLineEdit*>(watched);
        auto* fecha = linea ? qobject_cast<QDateTimeEdit*>(linea->parent()) : nullptr;
        if (!fecha)
            return;
        QPointer<QDateTimeEdit> caja(fecha);
        QPointer<QLineEdit> texto(linea);
        QTimer::singleShot(0, fecha, [caja, texto] {
            if (caja && texto && caja->hasFocus() && !texto->hasSelectedText())
                caja->setSelectedSection(caja->currentSection());
        });
    }

    // A part filled up moves the editor to the next part by itself, so the
    // separator the clerk types right after it ("2026" then "/") would skip
    // one more: it is swallowed then.
    static bool separador_de_mas(QObject* watched, const QKeyEvent* tecla) {
        auto* fecha = qobject_cast<QDateTimeEdit*>(watched);
        if (!fecha)
            return false;
        const char* clave = "ledgrix_parte_escrita";
        const QVariant antes = fecha->property(clave);
        fecha->setProperty(clave, QVariant());
        const QString texto = tecla->text();
        if (texto.size() != 1)
            return false;
        if (texto.at(0).isDigit()) {
            fecha->setProperty(clave, fecha->currentSectionIndex());
            return false;
        }
        const bool separador = QStringLiteral("/-.").contains(texto.at(0));
        return separador && antes.isValid() && antes.toInt() != fecha->currentSectionIndex();
    }
};

}  // namespace

void instale_fechas_al_teclado(QCoreApplication& app) {
    app.installEventFilter(new FechasAlTeclado(&app));
}

}  // namespace ledgrix
