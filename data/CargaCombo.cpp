#include "data/CargaCombo.h"

#include "data/datamodule.h"

#include <QComboBox>
#include <QSignalBlocker>

const QString kAgregar = QStringLiteral("[Agregar...]");

void CargaCombo(Td& d, QComboBox* combo, const QString& campoNombre, const QString& sql, const QVariantList& valores)
{
    d.AbrirConsulta(d.qmyCargaCombo, sql, valores);
    QStringList entradas{QString()};
    for (int i = 0; i < d.qmyCargaCombo.filas(); ++i)
        entradas << d.qmyCargaCombo.valor(i, campoNombre).toString();
    entradas << kAgregar;
    const QSignalBlocker bloqueo(combo);
    combo->clear();
    combo->addItems(entradas);
    combo->setCurrentIndex(0);
}
