#include "editor/UAgregaItem.h"

#include "data/Cuit.h"
#include "data/Dialogo.h"
#include "data/Prompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const QString kAyudaCamion = QStringLiteral(
    "Camión y Acoplado  son datos opcionales.\n"
    "Si se completan, al generar una carta de porte\n"
    "se incluirán estos datos en el formulario, con\n"
    "la posibilidad de modificarlos.");

namespace {
// A plate edit: at most six characters, always upper case.
QLineEdit* editPatente()
{
    auto* edit = new QLineEdit;
    edit->setMaxLength(6);
    edit->setToolTip(kAyudaCamion);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& texto) {
        const QString mayusculas = texto.toUpper();
        if (mayusculas != texto) {
            const int cursor = edit->cursorPosition();
            edit->setText(mayusculas);
            edit->setCursorPosition(cursor);
        }
    });
    return edit;
}
} // namespace

TFAgregaItem::TFAgregaItem(Prompts& prompts, QWidget* padre)
    : QDialog(padre), prompts_(prompts)
{
    edtNombre = new QLineEdit;
    edtNombre->setMaxLength(50);
    lblCUIT = new QLabel(QStringLiteral("CUIT"));
    edtCUIT = new QLineEdit;
    edtCUIT->setMaxLength(13);
    Cuit::conectarFormateaCUIT(edtCUIT);
    chkSinCUIT = new QCheckBox;
    chkSinCUIT->setChecked(false);
    lblSinCUIT = new QLabel(QStringLiteral("Sin CUIT"));
    lblSinCUIT->setBuddy(chkSinCUIT);
    lblCamion = new QLabel(QStringLiteral("Camión"));
    edtCamion = editPatente();
    lblAcoplado = new QLabel(QStringLiteral("Acoplado"));
    edtAcoplado = editPatente();
    lblCamion->setToolTip(kAyudaCamion);
    lblAcoplado->setToolTip(kAyudaCamion);
    butAceptar = new QPushButton(QStringLiteral("Aceptar"));
    butCancelar = new QPushButton(QStringLiteral("Cancelar"));
    butAceptar->setDefault(true);

    auto* campos = new QGridLayout;
    campos->addWidget(new QLabel(QStringLiteral("Nombre")), 0, 0);
    campos->addWidget(edtNombre, 0, 1, 1, 5);
    campos->addWidget(lblCUIT, 1, 0);
    campos->addWidget(edtCUIT, 1, 1);
    campos->addWidget(chkSinCUIT, 1, 2);
    campos->addWidget(lblSinCUIT, 1, 3);
    campos->addWidget(lblCamion, 2, 0);
    campos->addWidget(edtCamion, 2, 1);
    campos->addWidget(lblAcoplado, 2, 2, 1, 2);
    campos->addWidget(edtAcoplado, 2, 4);
    campos->setColumnStretch(5, 1);
    disponerDialogo(this, campos, butAceptar, butCancelar);
    mostrarCamion(false);
    setFixedSize(QSize(416, 143).expandedTo(sizeHint()));

    connect(chkSinCUIT, &QCheckBox::toggled, this, &TFAgregaItem::chkSinCUITClick);
    connect(butAceptar, &QPushButton::clicked, this, &TFAgregaItem::butAceptarClick);
    connect(butCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TFAgregaItem::mostrarCUIT(bool visible)
{
    for (QWidget* w : {static_cast<QWidget*>(lblCUIT), static_cast<QWidget*>(edtCUIT),
                       static_cast<QWidget*>(chkSinCUIT), static_cast<QWidget*>(lblSinCUIT)})
        w->setVisible(visible);
}

void TFAgregaItem::mostrarCamion(bool visible)
{
    for (QWidget* w : {static_cast<QWidget*>(lblCamion), static_cast<QWidget*>(edtCamion),
                       static_cast<QWidget*>(lblAcoplado), static_cast<QWidget*>(edtAcoplado)})
        w->setVisible(visible);
}

void TFAgregaItem::chkSinCUITClick()
{
    if (chkSinCUIT->isChecked()) {
        edtCUIT->clear();
        edtCUIT->setEnabled(false);
    } else {
        edtCUIT->setEnabled(true);
    }
}

void TFAgregaItem::edtCUITChange()
{
    Cuit::FormateaCUIT(edtCUIT);
}

void TFAgregaItem::butAceptarClick()
{
    if (!edtCUIT->isHidden() && !chkSinCUIT->isChecked() && !Cuit::VerificaCUIT(edtCUIT->text(), prompts_)) {
        edtCUIT->setFocus();
        return;
    }
    accept();
}
