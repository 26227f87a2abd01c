#include "app/Cli.h"

#include "app/PromptsConsola.h"
#include "data/Carpetas.h"
#include "data/Prompts.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstdio>

bool ContextoCli::conectar()
{
    QDir().mkpath(Carpetas::carpetaTrabajo(carpetaDatos));
    return d.ConectarBase(carpetaDatos, prompts);
}

namespace Cli {

const QVector<OrdenCli>& ordenes()
{
    static const QVector<OrdenCli> lista = [] {
        QVector<OrdenCli> todas;
        todas += ordenesPrincipales();
        todas += ordenesSistema();
        todas += ordenesImportar();
        return todas;
    }();
    return lista;
}

bool pideOrden(const QStringList& argumentos)
{
    if (argumentos.size() < 2)
        return false;
    const QString primero = argumentos.at(1);
    if (primero == QStringLiteral("--help") || primero == QStringLiteral("-h") || primero == QStringLiteral("ayuda"))
        return true;
    for (const OrdenCli& orden : ordenes())
        if (orden.nombre == primero)
            return true;
    return !primero.startsWith(QLatin1Char('-'));
}

QString ayuda()
{
    QString texto = QStringLiteral(
        "Uso: tolva [ORDEN [OPCIONES]]\n"
        "Sin orden, abre el Administrador de Cartas de Porte.\n\n"
        "Órdenes (se ejecutan sin ventanas, sobre la misma base de datos):\n");
    for (const OrdenCli& orden : ordenes())
        texto += QStringLiteral("  tolva %1 %2\n      %3\n").arg(orden.nombre, orden.sintaxis, orden.descripcion);
    texto += QStringLiteral("\n  tolva ORDEN --help muestra las opciones de una orden.\n");
    return texto;
}

int ejecutar(const QStringList& argumentos)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString nombre = argumentos.value(1);
    if (nombre == QStringLiteral("--help") || nombre == QStringLiteral("-h") || nombre == QStringLiteral("ayuda")) {
        out << ayuda();
        return 0;
    }
    const OrdenCli* orden = nullptr;
    for (const OrdenCli& o : ordenes())
        if (o.nombre == nombre)
            orden = &o;
    if (!orden) {
        err << QStringLiteral("Orden desconocida: %1\n\n").arg(nombre) << ayuda();
        return 1;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(orden->descripcion);
    parser.addHelpOption();
    if (orden->opciones)
        orden->opciones(parser);
    QStringList resto = argumentos;
    resto.removeAt(1);
    if (!parser.parse(resto)) {
        err << parser.errorText() << Qt::endl;
        return 1;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << QStringLiteral("tolva %1 %2\n%3\n").arg(orden->nombre, orden->sintaxis, orden->descripcion);
        out << parser.helpText().section(QLatin1Char('\n'), 2);
        return 0;
    }

    PromptsConsola prompts(err);
    Td d;
    ContextoCli contexto{d, prompts, out, err, Carpetas::carpetaDatos()};
    try {
        return orden->ejecutar(contexto, parser);
    } catch (const TolvaError& error) {
        err << error.texto() << Qt::endl;
        return 1;
    }
}

} // namespace Cli
