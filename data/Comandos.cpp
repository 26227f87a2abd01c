#include "data/Comandos.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>

namespace {

QString citado(const QString& argumento)
{
    if (!argumento.isEmpty() && !argumento.contains(QLatin1Char(' ')) && !argumento.contains(QLatin1Char('"')))
        return argumento;
    QString texto = argumento;
    texto.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + texto + QLatin1Char('"');
}

} // namespace

ResultadoComando GetDosOutput(const QString& programa, const QStringList& argumentos, const QString& carpetaTrabajo)
{
    ResultadoComando resultado;
    QProcess proceso;
    proceso.setProcessChannelMode(QProcess::MergedChannels);
    proceso.setStandardInputFile(QProcess::nullDevice());
    if (!carpetaTrabajo.isEmpty())
        proceso.setWorkingDirectory(carpetaTrabajo);
    proceso.start(programa, argumentos, QIODevice::ReadOnly);
    if (!proceso.waitForStarted(-1))
        return resultado;
    resultado.iniciado = true;

    // With a GUI the windows keep repainting while the tool runs; user input stays blocked.
    const bool conVentanas = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    QByteArray bytes;
    while (!proceso.waitForFinished(conVentanas ? 30 : -1)) {
        if (proceso.state() == QProcess::NotRunning)
            break;
        bytes += proceso.readAll();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    bytes += proceso.readAll();
    resultado.salida = QString::fromLocal8Bit(bytes);
    resultado.codigoSalida = proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1;
    return resultado;
}

QString lineaDeComando(const QString& programa, const QStringList& argumentos)
{
    QStringList partes{citado(programa)};
    for (const QString& argumento : argumentos)
        partes << citado(argumento);
    return partes.join(QLatin1Char(' '));
}
