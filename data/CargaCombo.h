#pragma once
#include <QString>
#include <QVariantList>

class QComboBox;
class Td;

extern const QString kAgregar;  // "[Agregar...]"

// Fills a drop-down list from a query on qmyCargaCombo: an empty first entry, the
// name column of every row in query order, "[Agregar...]" last; the empty entry selected.
void CargaCombo(Td& d, QComboBox* combo, const QString& campoNombre, const QString& sql,
                const QVariantList& valores = {});
