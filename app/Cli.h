#pragma once
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class PromptsConsola;
class QCommandLineParser;
class QTextStream;
class Td;

// What an order of the command line works with: the same data module and behaviour
// as the windows, with messages on stderr and questions answered by its flags.
struct ContextoCli {
    Td& d;
    PromptsConsola& prompts;
    QTextStream& out;
    QTextStream& err;
    QString carpetaDatos;

    // Connects to the database of the data folder; prints the connection message and
    // answers false when it cannot.
    bool conectar();
};

struct OrdenCli {
    QString nombre;
    QString sintaxis;      // the arguments, for the help text
    QString descripcion;
    std::function<void(QCommandLineParser&)> opciones;
    // Returns the exit status: 0 done, 1 refused.
    std::function<int(ContextoCli&, const QCommandLineParser&)> ejecutar;
};

namespace Cli {

const QVector<OrdenCli>& ordenes();
// Whether the arguments ask for an order or for the help (and not for the windows).
bool pideOrden(const QStringList& argumentos);
QString ayuda();
// Runs the order named by argumentos[1]; argumentos[0] is the program.
int ejecutar(const QStringList& argumentos);

} // namespace Cli

// The orders of each part of the program.
QVector<OrdenCli> ordenesPrincipales();
QVector<OrdenCli> ordenesSistema();
QVector<OrdenCli> ordenesImportar();
