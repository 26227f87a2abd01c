#include "masterdata/UNuevoTitular.h"

#include "data/Cuit.h"
#include "data/Dialogo.h"
#include "masterdata/AltaTitular.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

TFNuevoTitular::TFNuevoTitular(Prompts& prompts, QWidget* padre)
    : QDialog(padre), prompts_(prompts)
{
    setWindowTitle(QStringLiteral("Nuevo Titular"));
    edtRazonSocial = new QLineEdit;
    edtRazonSocial->setMaxLength(120);
    edtCUIT = new QLineEdit;
    edtCUIT->setMaxLength(13);
    Cuit::conectarFormateaCUIT(edtCUIT);

    butAceptar = new QPushButton(QStringLiteral("Aceptar"));
    butCancelar = new QPushButton(QStringLiteral("Cancelar"));
    butAceptar->setDefault(true);
    connect(butAceptar, &QPushButton::clicked, this, &TFNuevoTitular::butAceptarClick);
    connect(butCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Razón Social"), edtRazonSocial);
    campos->addRow(QStringLiteral("CUIT"), edtCUIT);
    disponerDialogo(this, campos, butAceptar, butCancelar);
    resize(420, sizeHint().height());
}

void TFNuevoTitular::butAceptarClick()
{
    if (!AltaTitular::validar(edtRazonSocial->text(), edtCUIT->text(), prompts_)) {
        if (!edtRazonSocial->text().trimmed().isEmpty())
            edtCUIT->setFocus();
        return;
    }
    accept();
}
