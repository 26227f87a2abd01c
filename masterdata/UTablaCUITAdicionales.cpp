#include "masterdata/UTablaCUITAdicionales.h"

#include "data/Prompts.h"
#include "data/datamodule.h"
#include "masterdata/TablasMaestras.h"
#include "masterdata/UEditarAdicionales.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFTablaCUITAdicionales::TFTablaCUITAdicionales(TFMain& principal, QWidget* padre)
    : TFTablaCUIT(principal, padre,
                  {{QStringLiteral("Nombre"), QStringLiteral("Nombre"), 255},
                   {QStringLiteral("CUIT"), QStringLiteral("CUIT"), 105},
                   {QStringLiteral("Domicilio"), QStringLiteral("Domicilio"), 213},
                   {QStringLiteral("Localidad"), QStringLiteral("Localidad"), 145}},
                  QSize(777, 352))
{
    butEditarAdicionales = new QPushButton(QStringLiteral("Editar datos adicionales"));
    static_cast<QHBoxLayout*>(Panel1->layout())->addWidget(butEditarAdicionales);
    connect(butEditarAdicionales, &QPushButton::clicked, this, &TFTablaCUITAdicionales::butEditarAdicionalesClick);
}

void TFTablaCUITAdicionales::butEditarAdicionalesClick()
{
    if (filaActual() < 0)
        return;
    const QVariant id = valorActual(QStringLiteral("ID"));
    TFEditarAdicionales dialogo(d_, prompts_, this);
    dialogo.lblRazonSocial->setText(valorActual(QStringLiteral("Nombre")).toString());
    dialogo.edtDomicilioReal->setText(valorActual(QStringLiteral("Domicilio")).toString());
    dialogo.lblLocalidadID->setText(valorActual(QStringLiteral("Localidad")).toString());
    for (;;) {
        if (dialogo.exec() != QDialog::Accepted)
            return;
        if (prompts_.pregunta(kTituloAtencion, TablasMaestras::kPreguntaConfirmaDatos, Prompts::Icono::Pregunta))
            break;
    }
    if (avisarSiNoExiste(TablasMaestras::editarDomicilio(d_, descriptor, id, dialogo.edtDomicilioReal->text(),
                                                         dialogo.cmbLocalidad->currentText())))
        return;
    reejecutar();
}
