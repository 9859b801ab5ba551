#pragma once

class QMdiArea;
class QWidget;

namespace ledgrix {

class Tfdm;
class Buzon;

// Opens the instant-message window as a child of the main window's MDI area
// (a window of its own when `area` is null). When the login context carries
// mensaje_id/mensaje_autor the window starts as an answer to that message.
// The window frees itself on close.
QWidget* abra_mensaje(Tfdm& dm, QMdiArea* area);

// Wires the inbox poll to the alert window: each batch of unread messages is
// shown in an alert owned by `parent`, and "Contestar al autor" opens the
// instant-message window in `area`.
void conecte_buzon(Buzon& buzon, Tfdm& dm, QMdiArea* area, QWidget* parent);

}  // namespace ledgrix
