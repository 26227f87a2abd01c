#include "masterdata/UTablaLocalidades.h"

#include "data/Prompts.h"
#include "data/datamodule.h"
#include "editor/UAgregaLocallidad.h"
#include "masterdata/TablasMaestras.h"

#include <QLabel>
#include <QLineEdit>

TFTablaLocalidades::TFTablaLocalidades(TFMain& principal, QWidget* padre)
    : TFTabla(principal, padre)
{
    setWindowTitle(QStringLiteral("Tabla"));
    prepararGrilla({{QStringLiteral("Localidad"), QStringLiteral("Localidad"), 276},
                    {QStringLiteral("Provincia"), QStringLiteral("Provincia"), 208}},
                   QSize(548, 361));
}

void TFTablaLocalidades::butAgregarClick()
{
    TFAgregaLocalidad dialogo(d_, prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Datos de la localidad"));
    if (dialogo.exec() != QDialog::Accepted)
        return;
    TablasMaestras::agregarLocalidad(d_, descriptor, dialogo.edtNombre->text(), dialogo.provinciaID());
    reejecutar();
}

void TFTablaLocalidades::butModificarClick()
{
    if (filaActual() < 0)
        return;
    const QVariant id = valorActual(QStringLiteral("LocalidadID"));
    TFAgregaLocalidad dialogo(d_, prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Datos de la localidad"));
    dialogo.edtNombre->setText(valorActual(QStringLiteral("Localidad")).toString());
    const QString provincia = valorActual(QStringLiteral("Provincia")).toString();
    if (!provincia.isEmpty())
        dialogo.lblProvinciaID->setText(provincia);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (avisarSiNoExiste(
            TablasMaestras::modificarLocalidad(d_, descriptor, id, dialogo.edtNombre->text(), dialogo.provinciaID())))
        return;
    reejecutar();
}

void TFTablaLocalidades::butEliminarClick()
{
    if (filaActual() < 0)
        return;
    const QVariant id = valorActual(QStringLiteral("LocalidadID"));
    const QString pregunta = TablasMaestras::preguntaEliminarLocalidad(d_, id);
    if (!prompts_.pregunta(kTituloAtencion, pregunta, Prompts::Icono::Advertencia))
        return;
    if (avisarSiNoExiste(TablasMaestras::eliminar(d_, descriptor, id)))
        return;
    reabrir();
}
