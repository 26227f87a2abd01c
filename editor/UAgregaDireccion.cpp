#include "editor/UAgregaDireccion.h"

#include "data/CargaCombo.h"
#include "data/Dialogo.h"
#include "data/Prompts.h"
#include "data/datamodule.h"
#include "editor/UAgregaLocallidad.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>

MemoSinSaltos::MemoSinSaltos(QWidget* padre)
    : QPlainTextEdit(padre)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void MemoSinSaltos::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        evento->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(evento);
}

void MemoSinSaltos::insertFromMimeData(const QMimeData* origen)
{
    QString texto = origen->text();
    texto.replace(QLatin1String("\r\n"), QLatin1String(" "));
    texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
    texto.replace(QLatin1Char('\r'), QLatin1Char(' '));
    insertPlainText(texto);
}

TFAgregaDireccion::TFAgregaDireccion(Td& d, Prompts& prompts, QWidget* padre)
    : QDialog(padre), d_(d), prompts_(prompts)
{
    edtDireccion = new MemoSinSaltos;
    edtDireccion->setFixedHeight(44);
    cmbLocalidad = new QComboBox;
    cmbLocalidad->setEditable(false);
    edtProvincia = new QLineEdit;
    edtProvincia->setReadOnly(true);
    edtProvincia->setFocusPolicy(Qt::NoFocus);
    edtProvincia->setStyleSheet(QStringLiteral("QLineEdit { background-color: #FFFF80; }"));
    lblEstablecimiento = new QLabel(QStringLiteral("Establecimiento"));
    edtEstablecimiento = new QLineEdit;
    edtEstablecimiento->setMaxLength(29);
    lblLocalidadID = new QLabel(this);
    lblLocalidadID->setVisible(false);
    butAceptar = new QPushButton(QStringLiteral("Aceptar"));
    butCancelar = new QPushButton(QStringLiteral("Cancelar"));
    butAceptar->setDefault(true);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Dirección"), edtDireccion);
    auto* lugar = new QHBoxLayout;
    lugar->addWidget(cmbLocalidad, 1);
    lugar->addWidget(new QLabel(QStringLiteral("Provincia")));
    lugar->addWidget(edtProvincia, 1);
    campos->addRow(QStringLiteral("Localidad"), lugar);
    campos->addRow(lblEstablecimiento, edtEstablecimiento);
    disponerDialogo(this, campos, butAceptar, butCancelar);
    setFixedSize(QSize(434, 178).expandedTo(sizeHint()));

    connect(cmbLocalidad, &QComboBox::activated, this, &TFAgregaDireccion::cmbLocalidadCloseUp);
    connect(butAceptar, &QPushButton::clicked, this, &TFAgregaDireccion::butAceptarClick);
    connect(butCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TFAgregaDireccion::mostrarEstablecimiento(bool visible)
{
    lblEstablecimiento->setVisible(visible);
    edtEstablecimiento->setVisible(visible);
}

void TFAgregaDireccion::showEvent(QShowEvent* evento)
{
    if (!mostrado_) {
        mostrado_ = true;
        FormShow();
    }
    QDialog::showEvent(evento);
}

void TFAgregaDireccion::FormShow()
{
    const QString preseleccion = lblLocalidadID->text();
    const QSignalBlocker bloqueo(cmbLocalidad);
    Localidades::cargar(d_, cmbLocalidad);
    if (!preseleccion.isEmpty()) {
        if (Localidades::seleccionar(cmbLocalidad, preseleccion) < 0)
            cmbLocalidad->setCurrentIndex(0);
        // The preselected name becomes the key of the locality it names.
        const Localidades::Encontrada encontrada = Localidades::buscar(d_, cmbLocalidad->currentText());
        lblLocalidadID->setText(encontrada.id.isValid() ? encontrada.id.toString() : QString());
        if (encontrada.id.isValid())
            edtProvincia->setText(encontrada.provincia);
    }
    edtDireccion->setFocus();
}

void TFAgregaDireccion::cmbLocalidadCloseUp()
{
    if (cmbLocalidad->currentText() == kAgregar) {
        {
            const QSignalBlocker bloqueo(cmbLocalidad);
            cmbLocalidad->setCurrentIndex(0);
        }
        const QString nombre = Localidades::agregarConDialogo(d_, prompts_, this);
        const QSignalBlocker bloqueo(cmbLocalidad);
        if (!nombre.isEmpty()) {
            Localidades::cargar(d_, cmbLocalidad);
            Localidades::seleccionar(cmbLocalidad, nombre);
        } else {
            cmbLocalidad->setCurrentIndex(-1);
        }
    }
    const Localidades::Encontrada encontrada = Localidades::buscar(d_, cmbLocalidad->currentText());
    lblLocalidadID->setText(encontrada.id.isValid() ? encontrada.id.toString() : QString());
    edtProvincia->setText(encontrada.provincia);
}

QVariant TFAgregaDireccion::localidadID() const
{
    bool numero = false;
    const qint64 id = lblLocalidadID->text().toLongLong(&numero);
    return numero ? QVariant(id) : QVariant();
}

void TFAgregaDireccion::butAceptarClick()
{
    // A place is always stored with its locality.
    const Localidades::Encontrada encontrada = Localidades::buscar(d_, cmbLocalidad->currentText());
    if (!encontrada.id.isValid()) {
        prompts_.mensaje(QStringLiteral("Atención"), Localidades::kFaltaLocalidad, Prompts::Icono::Advertencia);
        cmbLocalidad->setFocus();
        return;
    }
    lblLocalidadID->setText(encontrada.id.toString());
    accept();
}
