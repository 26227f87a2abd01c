#pragma once
#include <QString>

class Td;

// A synthetic database for the benchmarks: holders, batches, blanks (with small PNG
// barcode pictures) and waybills in realistic proportions.
struct TamanoBase {
    int titulares = 50;
    int archivos = 2000;
    int blancos = 100000;
    int cartas = 60000;
};

// Fills the connected database of d; returns a one-line summary.
QString generarBaseSintetica(Td& d, const TamanoBase& tamano);
