#include "masterdata/UEditarAdicionalesTitulares.h"

#include "data/Dialogo.h"
#include "masterdata/UEditarAdicionales.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFEditarAdicionalesTitulares::TFEditarAdicionalesTitulares(Td& d, Prompts& prompts, QWidget* padre)
    : QDialog(padre)
{
    setWindowTitle(QStringLiteral("Editar datos adicionales"));
    lblRazonSocial = new QLabel;
    edtDomicilioReal = new QLineEdit;
    edtDomicilioReal->setMaxLength(100);
    cmbLocalidad = new QComboBox;
    edtProvincia = campoProvincia();
    edtDomicilioLegal = new QLineEdit;
    edtDomicilioLegal->setMaxLength(100);
    cmbLocalidadDL = new QComboBox;
    edtProvinciaDL = campoProvincia();
    edtTelefono = new QLineEdit;
    edtTelefono->setMaxLength(29);
    lblLocalidadID = new QLabel(this);
    lblLocalidadID->setVisible(false);
    lblLocalidadDLID = new QLabel(this);
    lblLocalidadDLID->setVisible(false);
    butAceptar = new QPushButton(QStringLiteral("Aceptar"));
    butCancelar = new QPushButton(QStringLiteral("Cancelar"));
    butAceptar->setDefault(true);

    auto lugar = [](QComboBox* lista, QLineEdit* provincia) {
        auto* fila = new QHBoxLayout;
        fila->addWidget(lista, 1);
        fila->addWidget(new QLabel(QStringLiteral("Provincia")));
        fila->addWidget(provincia, 1);
        return fila;
    };
    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Razón Social"), lblRazonSocial);
    campos->addRow(QStringLiteral("Domicilio Real"), edtDomicilioReal);
    campos->addRow(QStringLiteral("Localidad"), lugar(cmbLocalidad, edtProvincia));
    campos->addRow(QStringLiteral("Domicilio Legal"), edtDomicilioLegal);
    campos->addRow(QStringLiteral("Localidad"), lugar(cmbLocalidadDL, edtProvinciaDL));
    campos->addRow(QStringLiteral("Teléfono"), edtTelefono);
    disponerDialogo(this, campos, butAceptar, butCancelar);
    setFixedSize(QSize(446, 266).expandedTo(sizeHint()));
    setTabOrder(edtDomicilioReal, cmbLocalidad);
    setTabOrder(cmbLocalidad, edtDomicilioLegal);
    setTabOrder(edtDomicilioLegal, cmbLocalidadDL);
    setTabOrder(cmbLocalidadDL, edtTelefono);

    real_ = std::make_unique<SelectorLocalidad>(d, prompts, this, cmbLocalidad, lblLocalidadID, edtProvincia);
    legal_ = std::make_unique<SelectorLocalidad>(d, prompts, this, cmbLocalidadDL, lblLocalidadDLID, edtProvinciaDL);
    connect(cmbLocalidad, &QComboBox::currentIndexChanged, this, &TFEditarAdicionalesTitulares::cmbLocalidadCloseUp);
    connect(cmbLocalidadDL, &QComboBox::currentIndexChanged, this,
            &TFEditarAdicionalesTitulares::cmbLocalidadDLCloseUp);
    connect(butAceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(butCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TFEditarAdicionalesTitulares::~TFEditarAdicionalesTitulares() = default;

void TFEditarAdicionalesTitulares::showEvent(QShowEvent* evento)
{
    FormShow();
    QDialog::showEvent(evento);
}

void TFEditarAdicionalesTitulares::FormShow()
{
    real_->mostrar();
    legal_->mostrar();
    edtDomicilioReal->setFocus();
}

void TFEditarAdicionalesTitulares::cmbLocalidadCloseUp()
{
    // A locality added here is offered at once in the legal-address list too.
    if (real_->cambio())
        legal_->recargar();
}

void TFEditarAdicionalesTitulares::cmbLocalidadDLCloseUp()
{
    legal_->cambio();
}
