#include "app/AplicacionTolva.h"

#include "data/Prompts.h"
#include "data/TolvaError.h"

#include <QGuiApplication>

AplicacionTolva::AplicacionTolva(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

void AplicacionTolva::mostrarError(Prompts& prompts, const QString& texto)
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    prompts.mensaje(QStringLiteral("Error"), texto, Prompts::Icono::Error);
}

bool AplicacionTolva::notify(QObject* receptor, QEvent* evento)
{
    QString texto;
    try {
        return QApplication::notify(receptor, evento);
    } catch (const TolvaError& error) {
        texto = error.texto();
    } catch (const std::exception& error) {
        texto = QStringLiteral("Error inesperado: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    if (prompts_)
        mostrarError(*prompts_, texto);
    else
        qWarning("%s", qPrintable(texto));
    return false;
}
