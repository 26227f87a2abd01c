#pragma once
#include "data/datamodule.h"

#include <QString>

// The settings row: the first row of the table Estado; the first write creates it.
struct Configuracion {
    bool existe = false;
    QString titular;        // EstadoTitular
    QString ver;            // EstadoVer
    int dpi = 0;            // EstadoDPI
    int optimizar = 0;      // EstadoOptimizarImpresion
};

namespace Estado {

// Reads the settings row through tmyEstado.
Configuracion leer(Td& d);
// Writes the given columns into the settings row, creating it when the table is empty.
void escribir(Td& d, const Td::Valores& valores);

} // namespace Estado
