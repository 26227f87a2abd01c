#include "app/Cli.h"

#include "app/PromptsConsola.h"
#include "data/datamodule.h"
#include "system/CopiaSeguridad.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The one file the order works on; prints the reason and answers empty when it is missing.
QString archivoDeOrden(ContextoCli& c, const QCommandLineParser& p)
{
    const QStringList archivos = p.positionalArguments();
    if (archivos.size() != 1 || archivos.first().isEmpty()) {
        c.err << QStringLiteral("Indique un archivo de copia de seguridad (ARCHIVO.tolva).\n");
        return {};
    }
    return archivos.first();
}

int copiaSeguridad(ContextoCli& c, const QCommandLineParser& p)
{
    QString archivo = archivoDeOrden(c, p);
    if (archivo.isEmpty())
        return 1;
    // As the save dialog does, a name without extension gets ".tolva".
    if (QFileInfo(archivo).suffix().isEmpty())
        archivo += QStringLiteral(".tolva");
    const bool si = p.isSet(QStringLiteral("si"));
    c.prompts.setRespuesta([si](const QString&, const QString&) { return si; });
    if (!c.conectar())
        return 1;
    CopiaSeguridad copia(c.d, c.prompts, c.carpetaDatos, [&c] { return c.conectar(); });
    return copia.Guardar(QFileInfo(archivo).absoluteFilePath()) ? 0 : 1;
}

int recuperar(ContextoCli& c, const QCommandLineParser& p)
{
    const QString archivo = archivoDeOrden(c, p);
    if (archivo.isEmpty())
        return 1;
    const bool si = p.isSet(QStringLiteral("si"));
    c.prompts.setRespuesta([si](const QString&, const QString&) { return si; });
    if (!QFileInfo(archivo).isFile()) {
        c.err << QStringLiteral("No existe el archivo %1.\n").arg(archivo);
        return 1;
    }
    // The current database need not open: replacing a broken one is what a restore is for.
    CopiaSeguridad copia(c.d, c.prompts, c.carpetaDatos, [&c] { return c.conectar(); });
    return copia.Recuperar(QFileInfo(archivo).absoluteFilePath()) ? 0 : 1;
}

} // namespace

QVector<OrdenCli> ordenesSistema()
{
    return {
        {QStringLiteral("copia-seguridad"), QStringLiteral("[--si] ARCHIVO.tolva"),
         QStringLiteral("Guarda una copia de seguridad de toda la base de datos en un archivo comprimido."),
         [](QCommandLineParser& p) {
             p.addPositionalArgument(QStringLiteral("ARCHIVO.tolva"), QStringLiteral("El archivo de la copia."));
             p.addOption({QStringLiteral("si"), QStringLiteral("Reemplaza el archivo si ya existe.")});
         },
         copiaSeguridad},
        {QStringLiteral("recuperar"), QStringLiteral("[--si] ARCHIVO.tolva"),
         QStringLiteral("Reemplaza todos los datos actuales por los de una copia de seguridad "
                        "(sin --si, no se confirma y nada cambia)."),
         [](QCommandLineParser& p) {
             p.addPositionalArgument(QStringLiteral("ARCHIVO.tolva"), QStringLiteral("La copia de seguridad."));
             p.addOption({QStringLiteral("si"), QStringLiteral("Responde Sí a las dos preguntas de confirmación.")});
         },
         recuperar},
    };
}
