#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>

namespace ledgrix {

class Tfdm;

// The main window: every working window opens inside it.
class Tfprincipal : public QMainWindow {
    Q_OBJECT
public:
    Tfprincipal(Tfdm& dm, QStringList args, QWidget* parent = nullptr);

    QMdiArea* mdi() const { return mdi_; }
    // Runs the login once; false when the user was refused.
    bool ingrese();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void pinteEstado();

    Tfdm& dm_;
    QStringList args_;
    QMdiArea* mdi_;
    QLabel* compania_;
    QLabel* usuario_;
    QLabel* estado_;
    QLabel* revision_;
    bool dentro_ = false;
};

}  // namespace ledgrix
