#pragma once
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Runs an action on the next modal dialog of type T once it shows (the handler under
// test is blocked in its exec() meanwhile). The returned flag tells whether it ran.
// When no such dialog shows within the attempts, nothing runs.
template <class T>
std::shared_ptr<bool> alAbrirse(std::function<void(T*)> accion, int intentos = 300)
{
    auto visto = std::make_shared<bool>(false);
    auto buscar = std::make_shared<std::function<void(int)>>();
    *buscar = [accion, visto, buscar](int quedan) {
        auto* dialogo = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialogo && dialogo->isVisible()) {
            *visto = true;
            QPointer<T> vivo(dialogo);
            accion(dialogo);
            // A failed check inside the action leaves the dialog open: close it so the
            // handler under test returns and the failure is reported.
            if (vivo && vivo->isVisible() && QTest::currentTestFailed())
                vivo->reject();
            *buscar = nullptr;   // breaks the cycle
            return;
        }
        if (quedan > 0)
            QTimer::singleShot(10, [buscar, quedan] { if (auto f = *buscar) f(quedan - 1); });
        else
            *buscar = nullptr;
    };
    QTimer::singleShot(0, [buscar, intentos] { if (auto f = *buscar) f(intentos); });
    return visto;
}
