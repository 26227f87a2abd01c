#include "masterdata/SelectorLocalidad.h"

#include "data/CargaCombo.h"
#include "editor/UAgregaLocallidad.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

SelectorLocalidad::SelectorLocalidad(Td& d, Prompts& prompts, QWidget* dialogo, QComboBox* lista, QLabel* oculta,
                                     QLineEdit* provincia)
    : d_(d), prompts_(prompts), dialogo_(dialogo), lista_(lista), oculta_(oculta), provincia_(provincia)
{
}

void SelectorLocalidad::seleccionarOculta()
{
    const QSignalBlocker bloqueo(lista_);
    if (Localidades::seleccionar(lista_, oculta_->text()) < 0)
        lista_->setCurrentIndex(-1);
}

void SelectorLocalidad::mostrar()
{
    if (lista_->count() == 0) {
        const QSignalBlocker bloqueo(lista_);
        Localidades::cargar(d_, lista_);
    }
    if (!oculta_->text().isEmpty()) {
        seleccionarOculta();
        cambio();
    }
}

void SelectorLocalidad::recargar()
{
    {
        const QSignalBlocker bloqueo(lista_);
        Localidades::cargar(d_, lista_);
    }
    if (!oculta_->text().isEmpty()) {
        seleccionarOculta();
        cambio();
    }
}

bool SelectorLocalidad::cambio()
{
    bool agregada = false;
    if (lista_->currentText() == kAgregar) {
        {
            const QSignalBlocker bloqueo(lista_);
            lista_->setCurrentIndex(0);
        }
        const QString nombre = Localidades::agregarConDialogo(d_, prompts_, dialogo_);
        const QSignalBlocker bloqueo(lista_);
        if (!nombre.isEmpty()) {
            Localidades::cargar(d_, lista_);
            Localidades::seleccionar(lista_, nombre);
            agregada = true;
        } else {
            lista_->setCurrentIndex(-1);
        }
    }
    mostrarProvincia();
    return agregada;
}

void SelectorLocalidad::mostrarProvincia()
{
    const Localidades::Encontrada encontrada = Localidades::buscar(d_, lista_->currentText());
    oculta_->setText(lista_->currentText());
    provincia_->setText(encontrada.provincia);
}
