#pragma once
#include <QStringList>

class QSqlDatabase;

namespace Esquema {

// Creates every table, index and the provinces of a new database, in one transaction.
void crear(QSqlDatabase& base);

// Adds the columns that an older database lacks; harmless to run at every connect.
void actualizar(QSqlDatabase& base);

// The column names of a table, as the database reports them.
QStringList columnas(QSqlDatabase& base, const QString& tabla);
bool tieneColumna(QSqlDatabase& base, const QString& tabla, const QString& columna);

// The provinces of a new database, in their order.
const QStringList& provincias();

} // namespace Esquema
