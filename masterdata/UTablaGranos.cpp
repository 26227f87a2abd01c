#include "masterdata/UTablaGranos.h"

#include "data/datamodule.h"
#include "editor/UAgregaItem.h"
#include "masterdata/TablasMaestras.h"

#include <QLineEdit>

TFTablaGranos::TFTablaGranos(TFMain& principal, QWidget* padre)
    : TFTabla(principal, padre)
{
    setWindowTitle(QStringLiteral("Tabla"));
    prepararGrilla({{QStringLiteral("Nombre"), QStringLiteral("Nombre"), 255}}, QSize(540, 361));
}

void TFTablaGranos::butAgregarClick()
{
    TFAgregaItem dialogo(prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Agregar ") + windowTitle());
    dialogo.mostrarCUIT(false);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    TablasMaestras::agregarNombre(d_, descriptor, dialogo.edtNombre->text());
    reejecutar();
}

void TFTablaGranos::butModificarClick()
{
    if (filaActual() < 0)
        return;
    const QVariant id = valorActual(QStringLiteral("ID"));
    TFAgregaItem dialogo(prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Modificar ") + windowTitle());
    dialogo.mostrarCUIT(false);
    dialogo.edtNombre->setText(valorActual(QStringLiteral("Nombre")).toString());
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (avisarSiNoExiste(TablasMaestras::modificarNombre(d_, descriptor, id, dialogo.edtNombre->text())))
        return;
    reejecutar();
}
