#include "masterdata/UTablaTitulares.h"

#include "app/UMain.h"
#include "data/CursorEspera.h"
#include "data/Grilla.h"
#include "data/Prompts.h"
#include "data/datamodule.h"
#include "masterdata/TablasMaestras.h"
#include "masterdata/UEditarAdicionalesTitulares.h"
#include "masterdata/UTabla.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

const QString kSqlTitulares = QStringLiteral(
    "SELECT Titulares.TitularNombre AS Nombre, Titulares.TitularCUIT AS CUIT, Titulares.TitularID AS TitularID,"
    " Titulares.TitularDomicilioReal AS TitularDomicilioReal, Localidades.LocalidadNombre AS LocalidadDR,"
    " Titulares.TitularDomicilioLegal AS TitularDomicilioLegal, Localidades_1.LocalidadNombre AS LocalidadDL,"
    " Titulares.TitularTelefono AS TitularTelefono"
    " FROM (Titulares LEFT JOIN Localidades ON Titulares.TitularDomicilioRealLocalidadID = Localidades.LocalidadID)"
    " LEFT JOIN Localidades AS Localidades_1 ON Titulares.TitularDomicilioLegalLocalidadID = Localidades_1.LocalidadID"
    " ORDER BY Titulares.TitularNombre");

TFTablaTitulares::TFTablaTitulares(TFMain& principal, QWidget* padre)
    : QDialog(padre), principal_(principal), d_(principal.datos()), prompts_(principal.prompts())
{
    setWindowTitle(QStringLiteral("Tabla"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    Panel1 = new QWidget;
    Panel1->setFixedHeight(49);
    Button2 = new QPushButton(QStringLiteral("Eliminar"));
    butEditarAdicionales = new QPushButton(QStringLiteral("Editar datos adicionales"));
    auto* botones = new QHBoxLayout(Panel1);
    botones->addWidget(Button2);
    botones->addWidget(butEditarAdicionales);
    botones->addStretch();
    SMDBGrid1 = new QTableView;
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->setSpacing(0);
    todo->addWidget(Panel1);
    todo->addWidget(SMDBGrid1, 1);
    const QString titular = QStringLiteral("Titular");
    const QString adicionales = QStringLiteral("Datos adicionales");
    grilla_ = new Grilla(SMDBGrid1, &d_.qmyTabla,
                         {{QStringLiteral("Nombre"), QStringLiteral("Nombre"), 255, titular},
                          {QStringLiteral("CUIT"), QStringLiteral("CUIT"), 105, titular},
                          {QStringLiteral("TitularDomicilioReal"), QStringLiteral("Domicilio Real"), 200, adicionales},
                          {QStringLiteral("LocalidadDR"), QStringLiteral("Localidad"), 72, adicionales},
                          {QStringLiteral("TitularDomicilioLegal"), QStringLiteral("Domicilio Legal"), 200, adicionales},
                          {QStringLiteral("LocalidadDL"), QStringLiteral("Localidad"), 72, adicionales},
                          {QStringLiteral("TitularTelefono"), QStringLiteral("Teléfono"), 120, adicionales}});
    resize(872, 361);

    connect(Button2, &QPushButton::clicked, this, &TFTablaTitulares::Button2Click);
    connect(butEditarAdicionales, &QPushButton::clicked, this, &TFTablaTitulares::butEditarAdicionalesClick);
}

void TFTablaTitulares::abrirGrilla()
{
    d_.AbrirConsulta(d_.qmyTabla, kSqlTitulares);
    grilla_->seleccionarFila(-1);
}

void TFTablaTitulares::reabrir()
{
    d_.qmyTabla.cerrar();
    abrirGrilla();
}

void TFTablaTitulares::SMDBGrid1TitleClick(int columna)
{
    grilla_->OrdenarGrilla(columna);
}

int TFTablaTitulares::filaActual() const
{
    return d_.qmyTabla.filas() == 0 ? -1 : grilla_->filaActual();
}

QVariant TFTablaTitulares::valorActual(const QString& campo) const
{
    const int fila = filaActual();
    return fila < 0 ? QVariant() : d_.qmyTabla.valor(fila, campo);
}

void TFTablaTitulares::butEditarAdicionalesClick()
{
    if (filaActual() < 0)
        return;
    const QVariant id = valorActual(QStringLiteral("TitularID"));
    TFEditarAdicionalesTitulares dialogo(d_, prompts_, this);
    dialogo.lblRazonSocial->setText(valorActual(QStringLiteral("Nombre")).toString());
    dialogo.edtDomicilioReal->setText(valorActual(QStringLiteral("TitularDomicilioReal")).toString());
    dialogo.lblLocalidadID->setText(valorActual(QStringLiteral("LocalidadDR")).toString());
    dialogo.edtDomicilioLegal->setText(valorActual(QStringLiteral("TitularDomicilioLegal")).toString());
    dialogo.lblLocalidadDLID->setText(valorActual(QStringLiteral("LocalidadDL")).toString());
    dialogo.edtTelefono->setText(valorActual(QStringLiteral("TitularTelefono")).toString());
    for (;;) {
        if (dialogo.exec() != QDialog::Accepted)
            return;
        if (prompts_.pregunta(kTituloAtencion, TablasMaestras::kPreguntaConfirmaDatos, Prompts::Icono::Pregunta))
            break;
    }
    const int filas = TablasMaestras::editarAdicionalesTitular(
        d_, id, dialogo.edtDomicilioReal->text(), dialogo.cmbLocalidad->currentText(),
        dialogo.edtDomicilioLegal->text(), dialogo.cmbLocalidadDL->currentText(), dialogo.edtTelefono->text());
    if (filas == 0) {
        prompts_.mensaje(kTituloAtencion, TablasMaestras::kRegistroInexistente, Prompts::Icono::Informacion);
        reabrir();
        return;
    }
    d_.Refrescar(d_.qmyTabla);
    grilla_->seleccionarFila(-1);
}

void TFTablaTitulares::Button2Click()
{
    if (filaActual() < 0)
        return;
    if (!prompts_.pregunta(kTituloAtencion, TablasMaestras::kPreguntaEliminarTitular, Prompts::Icono::Advertencia))
        return;
    const QVariant id = valorActual(QStringLiteral("TitularID"));
    int filas = 0;
    {
        const CursorEspera espera;
        filas = TablasMaestras::eliminarTitular(d_, id, principal_.CarpetaTrabajo());
    }
    if (filas == 0)
        prompts_.mensaje(kTituloAtencion, TablasMaestras::kRegistroInexistente, Prompts::Icono::Informacion);
    reabrir();
    principal_.ActualizaTitulares();
    principal_.ActualizarArchivos();
}
