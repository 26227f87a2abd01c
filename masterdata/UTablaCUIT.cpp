#include "masterdata/UTablaCUIT.h"

#include "data/datamodule.h"
#include "editor/UAgregaItem.h"
#include "masterdata/TablasMaestras.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>

TFTablaCUIT::TFTablaCUIT(TFMain& principal, QWidget* padre)
    : TFTablaCUIT(principal, padre,
                  {{QStringLiteral("Nombre"), QStringLiteral("Nombre"), 255},
                   {QStringLiteral("CUIT"), QStringLiteral("CUIT"), 105}},
                  QSize(540, 361))
{
}

TFTablaCUIT::TFTablaCUIT(TFMain& principal, QWidget* padre, const QVector<ColumnaGrilla>& columnas,
                         const QSize& tamano)
    : TFTabla(principal, padre)
{
    setWindowTitle(QStringLiteral("Tabla"));
    prepararGrilla(columnas, tamano);
}

void TFTablaCUIT::butAgregarClick()
{
    TFAgregaItem dialogo(prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Agregar ") + windowTitle());
    if (dialogo.exec() != QDialog::Accepted)
        return;
    TablasMaestras::agregarParte(d_, descriptor, dialogo.edtNombre->text(), dialogo.edtCUIT->text());
    reejecutar();
}

void TFTablaCUIT::butModificarClick()
{
    if (filaActual() < 0)
        return;
    const QVariant id = valorActual(QStringLiteral("ID"));
    TFAgregaItem dialogo(prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Modificar ") + windowTitle());
    dialogo.edtNombre->setText(valorActual(QStringLiteral("Nombre")).toString());
    const QString cuit = valorActual(QStringLiteral("CUIT")).toString();
    if (!cuit.trimmed().isEmpty()) {
        const QSignalBlocker bloqueo(dialogo.edtCUIT);
        dialogo.edtCUIT->setText(cuit);
    } else {
        dialogo.chkSinCUIT->setChecked(true);
        dialogo.edtCUIT->setEnabled(false);
    }
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (avisarSiNoExiste(
            TablasMaestras::modificarParte(d_, descriptor, id, dialogo.edtNombre->text(), dialogo.edtCUIT->text())))
        return;
    reejecutar();
}
