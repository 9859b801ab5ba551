#include "payments/ui/comun/enlaces_campos.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"

namespace ledgrix {

EnlacesCampos::EnlacesCampos(Dialogs& dialogs, Buscador campo, QWidget* dueno)
    : QObject(dueno), dialogs_(dialogs), campo_(std::move(campo)), dueno_(dueno) {}

QLineEdit* EnlacesCampos::texto(const QString& campo, ReglaTexto regla, ReglaTexto busca) {
    auto* e = new QLineEdit(dueno_);
    e->setObjectName(campo);
    const size_t i = textos_.size();
    textos_.push_back({campo, e, std::move(regla), std::move(busca)});
    connect(e, &QLineEdit::editingFinished, this, [this, i] { aplique(textos_[i]); });
    if (textos_[i].busca)
        connect(e, &QLineEdit::textEdited, this, [this, i](const QString& t) {
            if (!t.startsWith(QLatin1Char('?')))
                return;
            // The "?" opens the chooser with what follows it; the box keeps
            // its value until something is chosen.
            const Texto& en = textos_[i];
            en.editor->setText(valor(en.campo));
            en.busca(t.mid(1));
        });
    return e;
}

CampoMonto* EnlacesCampos::monto(const QString& campo, ReglaMonto regla) {
    auto* e = new CampoMonto(dialogs_, dueno_);
    e->setObjectName(campo);
    const size_t i = montos_.size();
    montos_.push_back({campo, e, std::move(regla)});
    connect(e, &CampoMonto::cambiado, this, [this, i](Currency v) { aplique(montos_[i], v); });
    return e;
}

QDateEdit* EnlacesCampos::fecha(const QString& campo, ReglaFecha regla) {
    auto* e = new QDateEdit(dueno_);
    e->setObjectName(campo);
    e->setDisplayFormat(Tfdm::formato_fecha());
    e->setCalendarPopup(true);
    const size_t i = fechas_.size();
    fechas_.push_back({campo, e, std::move(regla)});
    connect(e, &QDateEdit::editingFinished, this, [this, i] { aplique(fechas_[i]); });
    return e;
}

QLineEdit* EnlacesCampos::editor(const QString& campo) const {
    for (const Texto& t : textos_)
        if (t.campo == campo)
            return t.editor;
    return editor_monto(campo);
}

CampoMonto* EnlacesCampos::editor_monto(const QString& campo) const {
    for (const Monto& m : montos_)
        if (m.campo == campo)
            return m.editor;
    return nullptr;
}

QDateEdit* EnlacesCampos::editor_fecha(const QString& campo) const {
    for (const Fecha& f : fechas_)
        if (f.campo == campo)
            return f.editor;
    return nullptr;
}

QWidget* EnlacesCampos::widget(const QString& campo) const {
    if (QLineEdit* e = editor(campo))
        return e;
    return editor_fecha(campo);
}

QString EnlacesCampos::valor(const QString& campo) const {
    const Field& f = campo_(campo);
    return f.isNull() ? QString() : f.asString().trimmed();
}

void EnlacesCampos::muestre() {
    if (!activo_)
        return;
    QScopedValueRollback<bool> callado(mostrando_, true);
    for (const Texto& t : textos_) {
        const QString v = valor(t.campo);
        if (t.editor->text() != v)
            t.editor->setText(v);
    }
    for (const Monto& m : montos_) {
        const Field& f = campo_(m.campo);
        m.editor->set_decimales(f.decimals());
        m.editor->muestre(f.isNull() ? std::nullopt : std::optional<Currency>(f.asCurrency()));
    }
    for (const Fecha& f : fechas_) {
        const QDate d = campo_(f.campo).asDate();
        if (d.isValid() && f.editor->date() != d)
            f.editor->setDate(d);
    }
}

void EnlacesCampos::aplique(const Texto& t) {
    if (!libre() || t.editor->isReadOnly())
        return;
    const QString v = t.editor->text();
    if (v == valor(t.campo))
        return;
    if (t.regla)
        t.regla(v.trimmed());
    else
        campo_(t.campo).setValue(v);
    emit cambiado();
}

void EnlacesCampos::aplique(const Monto& m, Currency v) {
    if (!libre() || m.editor->isReadOnly())
        return;
    if (m.regla)
        m.regla(v);
    else
        campo_(m.campo).setCurrency(v);
    emit cambiado();
}

void EnlacesCampos::aplique(const Fecha& f) {
    const QDate d = f.editor->date();
    if (!libre() || !f.editor->isEnabled() || d == campo_(f.campo).asDate())
        return;
    if (f.regla)
        f.regla(d);
    else
        campo_(f.campo).setValue(d);
    emit cambiado();
}

bool EnlacesCampos::aplique_pendientes() {
    for (const Texto& t : textos_)
        aplique(t);
    for (const Fecha& f : fechas_)
        aplique(f);
    for (const Monto& m : montos_)
        if (!m.editor->isReadOnly() && m.editor->isVisible() && !m.editor->acepte())
            return false;
    return true;
}

bool EnlacesCampos::acepte(QObject* caja) {
    for (const Texto& t : textos_)
        if (t.editor == caja)
            aplique(t);
    for (const Fecha& f : fechas_)
        if (f.editor == caja)
            aplique(f);
    for (const Monto& m : montos_)
        if (m.editor == caja && !m.editor->isReadOnly() && !m.editor->acepte())
            return false;
    return true;
}

bool EnlacesCampos::busque(QObject* caja) {
    for (const Texto& t : textos_)
        if (t.editor == caja && t.busca) {
            t.busca(QString());
            return true;
        }
    return false;
}

}  // namespace ledgrix
