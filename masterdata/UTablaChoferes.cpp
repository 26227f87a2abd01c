#include "masterdata/UTablaChoferes.h"

#include "data/datamodule.h"
#include "editor/UAgregaItem.h"
#include "masterdata/TablasMaestras.h"

#include <QLineEdit>
#include <QSignalBlocker>

TFTablaChoferes::TFTablaChoferes(TFMain& principal, QWidget* padre)
    : TFTabla(principal, padre)
{
    setWindowTitle(QStringLiteral("Tabla"));
    prepararGrilla({{QStringLiteral("ChoferNombre"), QStringLiteral("Nombre"), 255},
                    {QStringLiteral("ChoferCUIT"), QStringLiteral("CUIT/CUIL"), 105},
                    {QStringLiteral("ChoferCamion"), QStringLiteral("Camión"), 64},
                    {QStringLiteral("ChoferAcoplado"), QStringLiteral("Acoplado"), 64}},
                   QSize(540, 361));
}

void TFTablaChoferes::butAgregarClick()
{
    TFAgregaItem dialogo(prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Agregar chofer"));
    dialogo.mostrarCamion(true);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    TablasMaestras::agregarChofer(d_, descriptor, dialogo.edtNombre->text(), dialogo.edtCUIT->text(),
                                  dialogo.edtCamion->text(), dialogo.edtAcoplado->text());
    reejecutar();
}

void TFTablaChoferes::butModificarClick()
{
    if (filaActual() < 0)
        return;
    const QVariant id = valorActual(QStringLiteral("ChoferID"));
    TFAgregaItem dialogo(prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Modifica Choferes"));
    dialogo.edtNombre->setText(valorActual(QStringLiteral("ChoferNombre")).toString());
    {
        const QSignalBlocker bloqueo(dialogo.edtCUIT);
        dialogo.edtCUIT->setText(valorActual(QStringLiteral("ChoferCUIT")).toString());
    }
    dialogo.edtCamion->setText(valorActual(QStringLiteral("ChoferCamion")).toString());
    dialogo.edtAcoplado->setText(valorActual(QStringLiteral("ChoferAcoplado")).toString());
    dialogo.mostrarCamion(true);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (avisarSiNoExiste(TablasMaestras::modificarChofer(d_, id, dialogo.edtNombre->text(), dialogo.edtCUIT->text(),
                                                         dialogo.edtCamion->text(), dialogo.edtAcoplado->text())))
        return;
    reejecutar();
}
