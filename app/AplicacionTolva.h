#pragma once
#include <QApplication>

class Prompts;

// The application-wide error display: a failure that escapes a user action ends that
// action, the cursor comes back, the text is shown in a message box and the program goes on.
class AplicacionTolva : public QApplication {
    Q_OBJECT
public:
    AplicacionTolva(int& argc, char** argv);
    void setPrompts(Prompts* prompts) { prompts_ = prompts; }
    bool notify(QObject* receptor, QEvent* evento) override;

    // Shows the failure as the error display does (also used by tests).
    static void mostrarError(Prompts& prompts, const QString& texto);

private:
    Prompts* prompts_ = nullptr;
};
