#include "data/Carpetas.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace Carpetas {

namespace {
QString conBarra(const QString& carpeta)
{
    return carpeta.endsWith(QLatin1Char('/')) ? carpeta : carpeta + QLatin1Char('/');
}
} // namespace

QString carpetaDatos()
{
    const QString appData = qEnvironmentVariable("APPDATA");
    const QString base = appData.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        : QDir::fromNativeSeparators(appData);
    return conBarra(base) + QStringLiteral("Tolva/");
}

QString carpetaTrabajo(const QString& carpetaDatos)
{
    return conBarra(carpetaDatos) + QStringLiteral("CPAUX/");
}

QString carpetaPrograma()
{
    return conBarra(QCoreApplication::applicationDirPath());
}

QString GetMyDocuments()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString buscarHerramienta(const QString& nombre)
{
    const QString enPrograma = QStandardPaths::findExecutable(nombre, {QCoreApplication::applicationDirPath()});
    return enPrograma.isEmpty() ? QStandardPaths::findExecutable(nombre) : enPrograma;
}

} // namespace Carpetas
