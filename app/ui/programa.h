#pragma once

#include <QApplication>
#include <functional>

namespace ledgrix {

// The process's application object. An exception that no code handled while
// an event was delivered reaches the user through the error translation,
// instead of ending the program and losing the work on screen.
class Programa : public QApplication {
public:
    using Handler = std::function<void(QObject* sender, const QString& message)>;

    Programa(int& argc, char** argv) : QApplication(argc, argv) {}
    void setNoManejada(Handler h) { noManejada_ = std::move(h); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Handler noManejada_;
};

}  // namespace ledgrix
