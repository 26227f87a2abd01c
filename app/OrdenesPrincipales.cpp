#include "app/Cli.h"

#include "app/ListaArchivos.h"
#include "app/PromptsConsola.h"
#include "data/Cuit.h"
#include "data/Grilla.h"
#include "data/datamodule.h"
#include "masterdata/AltaTitular.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

int titularNuevo(ContextoCli& c, const QCommandLineParser& p)
{
    const QString razonSocial = p.value(QStringLiteral("razon-social"));
    const QString cuit = p.value(QStringLiteral("cuit"));
    if (!AltaTitular::validar(razonSocial, cuit, c.prompts))
        return 1;
    if (!c.conectar())
        return 1;
    AltaTitular::guardar(c.d, razonSocial, cuit, p.isSet(QStringLiteral("doble-altura")));
    c.out << QStringLiteral("Titular registrado: %1, CUIT %2\n").arg(razonSocial.trimmed(), Cuit::formatear(cuit));
    return 0;
}

int lotes(ContextoCli& c, const QCommandLineParser& p)
{
    const QString titular = p.isSet(QStringLiteral("titular")) ? p.value(QStringLiteral("titular")) : ListaArchivos::kTodos;
    const QString ver = p.isSet(QStringLiteral("ver")) ? p.value(QStringLiteral("ver")) : ListaArchivos::kTodos;
    if (!ListaArchivos::opcionesVer().contains(ver)) {
        c.err << QStringLiteral("El filtro \"Ver archivos\" debe ser \"%1\".\n")
                     .arg(ListaArchivos::opcionesVer().join(QStringLiteral("\", \"")));
        return 1;
    }
    if (!c.conectar())
        return 1;
    if (ListaArchivos::titularPorNombre(c.d, titular) == 0) {
        c.err << QStringLiteral("No hay un titular registrado con el nombre \"%1\".\n").arg(titular);
        return 1;
    }
    ListaArchivos::abrir(c.d, titular, ver);
    const ModeloGrilla modelo(&c.d.qmyArchivosCP, ListaArchivos::columnas());
    QStringList encabezados;
    for (const ColumnaGrilla& columna : modelo.columnas())
        encabezados << columna.titulo;
    c.out << encabezados.join(QLatin1Char('\t')) << '\n';
    for (int fila = 0; fila < modelo.rowCount(); ++fila) {
        QStringList celdas;
        for (int col = 0; col < modelo.columnCount(); ++col)
            celdas << modelo.texto(fila, col);
        c.out << celdas.join(QLatin1Char('\t')) << '\n';
    }
    return 0;
}

} // namespace

QVector<OrdenCli> ordenesPrincipales()
{
    return {
        {QStringLiteral("titular-nuevo"), QStringLiteral("--razon-social TEXTO --cuit CUIT [--doble-altura]"),
         QStringLiteral("Registra un nuevo titular de Cartas de Porte."),
         [](QCommandLineParser& p) {
             p.addOption({QStringLiteral("razon-social"), QStringLiteral("Razón Social del titular."), QStringLiteral("TEXTO")});
             p.addOption({QStringLiteral("cuit"), QStringLiteral("CUIT, con o sin guiones."), QStringLiteral("CUIT")});
             p.addOption({QStringLiteral("doble-altura"), QStringLiteral("Sus cartas de porte tienen el titular de doble altura.")});
         },
         titularNuevo},
        {QStringLiteral("lotes"), QStringLiteral("[--titular NOMBRE] [--ver \"Con CP disponibles\"|\"Sin CP disponibles\"]"),
         QStringLiteral("Lista los archivos de Cartas de Porte importados, separados por tabulaciones."),
         [](QCommandLineParser& p) {
             p.addOption({QStringLiteral("titular"), QStringLiteral("Solo los archivos de este titular."), QStringLiteral("NOMBRE")});
             p.addOption({QStringLiteral("ver"), QStringLiteral("Todos, Con CP disponibles o Sin CP disponibles."), QStringLiteral("FILTRO")});
         },
         lotes},
    };
}
