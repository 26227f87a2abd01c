#include "editor/UAgregaLocallidad.h"

#include "data/CargaCombo.h"
#include "data/Dialogo.h"
#include "data/Prompts.h"
#include "data/datamodule.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace Localidades {

const QString kTituloAgregar = QStringLiteral("Agregar Localidad");
const QString kFaltaLocalidad = QStringLiteral("Por favor, seleccione la localidad");
const QString kFaltaProvincia = QStringLiteral("Por favor, seleccione la provincia");

void cargar(Td& d, QComboBox* combo)
{
    CargaCombo(d, combo, QStringLiteral("LocalidadNombre"),
               QStringLiteral("SELECT LocalidadNombre FROM Localidades ORDER BY LocalidadNombre"));
}

Encontrada buscar(Td& d, const QString& nombre)
{
    Encontrada encontrada;
    if (nombre.isEmpty() || nombre == kAgregar)
        return encontrada;
    d.AbrirConsulta(d.qmyDatos,
                    QStringLiteral("SELECT Localidades.LocalidadID, Provincias.ProvinciaNombre FROM Localidades"
                                   " LEFT JOIN Provincias ON Localidades.LocalidadProvinciaID = Provincias.ProvinciaID"
                                   " WHERE Localidades.LocalidadNombre = ? ORDER BY Localidades.LocalidadID"),
                    {nombre});
    if (d.qmyDatos.filas() > 0) {
        encontrada.id = d.qmyDatos.valor(0, 0);
        encontrada.provincia = d.qmyDatos.valor(0, 1).toString();
    }
    d.qmyDatos.cerrar();
    return encontrada;
}

qint64 agregar(Td& d, const QString& nombre, qint64 provinciaID)
{
    return d.Insertar(QStringLiteral("Localidades"), {{QStringLiteral("LocalidadNombre"), nombre.trimmed()},
                                                      {QStringLiteral("LocalidadProvinciaID"), provinciaID}});
}

int seleccionar(QComboBox* combo, const QString& texto)
{
    int indice = combo->findText(texto, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (indice < 0)
        indice = combo->findText(texto, Qt::MatchFixedString);
    combo->setCurrentIndex(indice);
    return indice;
}

QString agregarConDialogo(Td& d, Prompts& prompts, QWidget* padre)
{
    TFAgregaLocalidad dialogo(d, prompts, padre);
    dialogo.setWindowTitle(kTituloAgregar);
    if (dialogo.exec() != QDialog::Accepted)
        return {};
    const QString nombre = dialogo.edtNombre->text().trimmed();
    agregar(d, nombre, dialogo.provinciaID().toLongLong());
    return nombre;
}

} // namespace Localidades

TFAgregaLocalidad::TFAgregaLocalidad(Td& d, Prompts& prompts, QWidget* padre)
    : QDialog(padre), d_(d), prompts_(prompts)
{
    edtNombre = new QLineEdit;
    edtNombre->setMaxLength(50);
    cmbProvincia = new QComboBox;
    cmbProvincia->setEditable(false);
    lblProvinciaID = new QLabel(QStringLiteral("lblProvinciaID"), this);
    lblProvinciaID->setVisible(false);
    butAceptar = new QPushButton(QStringLiteral("Aceptar"));
    butCancelar = new QPushButton(QStringLiteral("Cancelar"));
    butAceptar->setDefault(true);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Localidad"), edtNombre);
    campos->addRow(QStringLiteral("Provincia"), cmbProvincia);
    disponerDialogo(this, campos, butAceptar, butCancelar);
    setFixedSize(QSize(430, 156).expandedTo(sizeHint()));

    connect(cmbProvincia, &QComboBox::currentIndexChanged, this, &TFAgregaLocalidad::cmbProvinciaChange);
    connect(cmbProvincia, &QComboBox::activated, this, &TFAgregaLocalidad::cmbProvinciaChange);
    connect(butAceptar, &QPushButton::clicked, this, &TFAgregaLocalidad::butAceptarClick);
    connect(butCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TFAgregaLocalidad::showEvent(QShowEvent* evento)
{
    if (!mostrado_) {
        mostrado_ = true;
        FormShow();
    }
    QDialog::showEvent(evento);
}

void TFAgregaLocalidad::FormShow()
{
    {
        const QSignalBlocker bloqueo(cmbProvincia);
        CargaCombo(d_, cmbProvincia, QStringLiteral("ProvinciaNombre"),
                   QStringLiteral("SELECT ProvinciaNombre FROM Provincias ORDER BY ProvinciaID"));
    }
    if (lblProvinciaID->text() != QStringLiteral("lblProvinciaID")) {
        const QSignalBlocker bloqueo(cmbProvincia);
        Localidades::seleccionar(cmbProvincia, lblProvinciaID->text());
        cmbProvinciaChange();
    }
    edtNombre->setFocus();
}

void TFAgregaLocalidad::cmbProvinciaChange()
{
    const QString texto = cmbProvincia->currentText();
    QVariant id;
    if (!texto.isEmpty())
        id = d_.valorUnico(QStringLiteral("SELECT ProvinciaID FROM Provincias WHERE ProvinciaNombre = ?"
                                          " ORDER BY ProvinciaID"),
                           {texto});
    lblProvinciaID->setText(id.isValid() ? id.toString() : QString());
}

QVariant TFAgregaLocalidad::provinciaID() const
{
    bool numero = false;
    const qint64 id = lblProvinciaID->text().toLongLong(&numero);
    return numero ? QVariant(id) : QVariant();
}

void TFAgregaLocalidad::butAceptarClick()
{
    // A locality without its province could not be stored.
    if (!provinciaID().isValid()) {
        prompts_.mensaje(QStringLiteral("Atención"), Localidades::kFaltaProvincia, Prompts::Icono::Advertencia);
        cmbProvincia->setFocus();
        return;
    }
    accept();
}
