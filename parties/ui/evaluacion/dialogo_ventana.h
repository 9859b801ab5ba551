#pragma once

class QWidget;

namespace ledgrix {

// Shows a working window (one that frees itself on close) modally over
// `parent` until it closes, inside a dialog of its own title: the supplier
// windows open their companions this way, without the report windows'
// openers, which sit above them.
int corra_en_dialogo(QWidget* ventana, QWidget* parent);

}  // namespace ledgrix
