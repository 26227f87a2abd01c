#include "masterdata/UEditarAdicionales.h"

#include "data/Dialogo.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* campoProvincia()
{
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background-color: #FFFF80; }"));
    return edit;
}

TFEditarAdicionales::TFEditarAdicionales(Td& d, Prompts& prompts, QWidget* padre)
    : QDialog(padre)
{
    setWindowTitle(QStringLiteral("Editar datos adicionales"));
    lblRazonSocial = new QLabel;
    edtDomicilioReal = new QLineEdit;
    edtDomicilioReal->setMaxLength(100);
    cmbLocalidad = new QComboBox;
    cmbLocalidad->setEditable(false);
    edtProvincia = campoProvincia();
    lblLocalidadID = new QLabel(this);
    lblLocalidadID->setVisible(false);
    butAceptar = new QPushButton(QStringLiteral("Aceptar"));
    butCancelar = new QPushButton(QStringLiteral("Cancelar"));
    butAceptar->setDefault(true);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Razón Social"), lblRazonSocial);
    campos->addRow(QStringLiteral("Domicilio Fiscal"), edtDomicilioReal);
    auto* lugar = new QHBoxLayout;
    lugar->addWidget(cmbLocalidad, 1);
    lugar->addWidget(new QLabel(QStringLiteral("Provincia")));
    lugar->addWidget(edtProvincia, 1);
    campos->addRow(QStringLiteral("Localidad"), lugar);
    disponerDialogo(this, campos, butAceptar, butCancelar);
    setFixedSize(QSize(427, 157).expandedTo(sizeHint()));

    localidad_ = std::make_unique<SelectorLocalidad>(d, prompts, this, cmbLocalidad, lblLocalidadID, edtProvincia);
    connect(cmbLocalidad, &QComboBox::currentIndexChanged, this, &TFEditarAdicionales::cmbLocalidadCloseUp);
    connect(butAceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(butCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TFEditarAdicionales::~TFEditarAdicionales() = default;

void TFEditarAdicionales::showEvent(QShowEvent* evento)
{
    FormShow();
    QDialog::showEvent(evento);
}

void TFEditarAdicionales::FormShow()
{
    localidad_->mostrar();
    edtDomicilioReal->setFocus();
}

void TFEditarAdicionales::cmbLocalidadCloseUp()
{
    localidad_->cambio();
}
