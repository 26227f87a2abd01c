#pragma once
#include <QString>
#include <QStringList>

// The runner of external tools: a program and its arguments (never a shell), standard
// error merged into standard output, waited for until it ends.
struct ResultadoComando {
    bool iniciado = false;   // false when the program could not be started
    int codigoSalida = -1;
    QString salida;          // everything the program wrote, both streams interleaved
};

ResultadoComando GetDosOutput(const QString& programa, const QStringList& argumentos,
                              const QString& carpetaTrabajo = {});

// The command as one readable line, for the error log.
QString lineaDeComando(const QString& programa, const QStringList& argumentos);
