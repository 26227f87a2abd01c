#pragma once
#include "data/Grilla.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Td;

// The batch list of the main window: its query with the counts, its filters,
// its grid columns, and the delete of a batch with everything that belongs to it.
namespace ListaArchivos {

extern const QString kTodos;             // "Todos"
extern const QString kConDisponibles;    // "Con CP disponibles"
extern const QString kSinDisponibles;    // "Sin CP disponibles"
const QStringList& opcionesVer();

// The grid's columns, in order, with their widths and the band heading.
const QVector<ColumnaGrilla>& columnas();

// Opens the batch query qmyArchivosCP for the two filters (holder name or "Todos",
// availability entry).
void abrir(Td& d, const QString& titular, const QString& ver);

// The holder names of the holder filter, ordered by name.
QStringList nombresTitulares(Td& d);
// The holder whose name equals the filter text: -1 for "Todos", 0 when none matches.
qint64 titularPorNombre(Td& d, const QString& titular);

// Deletes a batch, its blanks and their waybills in one transaction, then its page
// files from the work folder. A failure leaves the database as it was.
void eliminarArchivo(Td& d, qint64 archivoID, const QString& carpetaTrabajo);
// The rows alone, inside the caller's transaction; returns the page files to delete.
QStringList eliminarFilasArchivo(Td& d, qint64 archivoID);
// Deletes page files of earlier versions from the work folder; missing files are ignored
// and a name with folder parts is never followed outside it.
void borrarPaginas(const QString& carpetaTrabajo, const QStringList& nombres);

} // namespace ListaArchivos
