#pragma once

#include <QHash>
#include <QString>
#include <functional>

class QWidget;

namespace ledgrix {

class Tfdm;

// Which working windows exist, by class name. Each area registers its
// windows once at start-up; the main window looks them up when a menu entry,
// a panel button or a menu window asks for one. The factory creates the
// window (not shown); the main window places it in its work area.
class RegistroVentanas {
public:
    using Fabrica = std::function<QWidget*(Tfdm& dm, QWidget* parent)>;

    // The process's registry, used by the main window unless told otherwise.
    static RegistroVentanas& global();

    void registre(const QString& clase, Fabrica fabrica) { fabricas_.insert(clase, std::move(fabrica)); }
    bool contiene(const QString& clase) const { return fabricas_.contains(clase); }
    // nullptr when the class is not registered.
    QWidget* cree(const QString& clase, Tfdm& dm, QWidget* parent) const;

private:
    QHash<QString, Fabrica> fabricas_;
};

}  // namespace ledgrix
