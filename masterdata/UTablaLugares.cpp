#include "masterdata/UTablaLugares.h"

#include "data/datamodule.h"
#include "editor/UAgregaDireccion.h"
#include "masterdata/TablasMaestras.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

TFTablaLugares::TFTablaLugares(TFMain& principal, QWidget* padre)
    : TFTabla(principal, padre)
{
    setWindowTitle(QStringLiteral("Tabla"));
    dbgLugares = SMDBGrid1;
    prepararGrilla({{QStringLiteral("Direccion"), QStringLiteral("Dirección"), 300},
                    {QStringLiteral("Localidad"), QStringLiteral("Localidad"), 140},
                    {QStringLiteral("Provincia"), QStringLiteral("Provincia"), 120},
                    {QStringLiteral("Establecimiento"), QStringLiteral("Establecimiento"), 170}},
                   QSize(778, 361));
}

void TFTablaLugares::ocultarEstablecimiento()
{
    dbgLugares->setColumnHidden(3, true);
    dbgLugares->setColumnWidth(0, 466);
}

void TFTablaLugares::butAgregarClick()
{
    const bool procedencia = TablasMaestras::esProcedencia(descriptor);
    TFAgregaDireccion dialogo(d_, prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Datos del lugar"));
    dialogo.mostrarEstablecimiento(procedencia);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    TablasMaestras::agregarLugar(d_, descriptor, dialogo.edtDireccion->text(), dialogo.localidadID(),
                                 dialogo.edtEstablecimiento->text());
    reejecutar();
}

void TFTablaLugares::butModificarClick()
{
    if (filaActual() < 0)
        return;
    const bool procedencia = TablasMaestras::esProcedencia(descriptor);
    const QVariant id = valorActual(QStringLiteral("ID"));
    TFAgregaDireccion dialogo(d_, prompts_, this);
    dialogo.setWindowTitle(QStringLiteral("Datos del lugar"));
    dialogo.edtDireccion->setText(valorActual(QStringLiteral("Direccion")).toString());
    dialogo.lblLocalidadID->setText(valorActual(QStringLiteral("Localidad")).toString());
    dialogo.edtProvincia->setText(valorActual(QStringLiteral("Provincia")).toString());
    dialogo.mostrarEstablecimiento(procedencia);
    if (procedencia)
        dialogo.edtEstablecimiento->setText(valorActual(QStringLiteral("Establecimiento")).toString());
    if (dialogo.exec() != QDialog::Accepted)
        return;
    if (avisarSiNoExiste(TablasMaestras::modificarLugar(d_, descriptor, id, dialogo.edtDireccion->text(),
                                                        dialogo.cmbLocalidad->currentText(),
                                                        dialogo.edtEstablecimiento->text())))
        return;
    reejecutar();
}
