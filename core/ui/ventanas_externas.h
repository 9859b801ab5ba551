#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ledgrix {

class Tfdm;

// Windows one part of the program opens by class name that another part
// provides (a document's consultation, its payments, a supplier's movement,
// its commitments): the libraries below do not know the windows above them.
// Whoever registers the program's windows installs how to create one; until
// then, or for a class nobody registered, the user is told.
using FabricaVentana = std::function<QWidget*(const QString& clase, Tfdm& dm, QWidget* parent)>;
void instale_ventanas_externas(FabricaVentana fabrica);

// Runs `clase` as a modal window through dm.dialogs().modal, over `parent`,
// until it closes; the window reads what it needs from the data modules.
// Answers 1 when it was shown, 0 when it is not available.
int abra_externa(Tfdm& dm, const QString& clase, QWidget* parent);

// Shows a window modally until it is destroyed (it frees itself on close).
void corra_modal(QWidget* ventana, QWidget* parent);

}  // namespace ledgrix
