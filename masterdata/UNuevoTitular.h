#pragma once
#include <QDialog>

class Prompts;
class QLineEdit;
class QPushButton;

// The name-and-CUIT dialog of the new-holder step. "Aceptar" closes it only with a
// name and a valid CUIT.
class TFNuevoTitular : public QDialog {
    Q_OBJECT
public:
    TFNuevoTitular(Prompts& prompts, QWidget* padre = nullptr);

    QLineEdit* edtRazonSocial;
    QLineEdit* edtCUIT;
    QPushButton* butAceptar;
    QPushButton* butCancelar;

    void butAceptarClick();

private:
    Prompts& prompts_;
};
