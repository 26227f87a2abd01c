#pragma once
#include "masterdata/SelectorLocalidad.h"

#include <QDialog>
#include <memory>

class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Td;

// A holder's additional data: real and legal address with their localities, telephone.
class TFEditarAdicionalesTitulares : public QDialog {
    Q_OBJECT
public:
    TFEditarAdicionalesTitulares(Td& d, Prompts& prompts, QWidget* padre = nullptr);
    ~TFEditarAdicionalesTitulares() override;

    QLabel* lblRazonSocial;
    QLineEdit* edtDomicilioReal;
    QComboBox* cmbLocalidad;
    QLineEdit* edtProvincia;
    QLineEdit* edtDomicilioLegal;
    QComboBox* cmbLocalidadDL;
    QLineEdit* edtProvinciaDL;
    QLineEdit* edtTelefono;
    QLabel* lblLocalidadID;
    QLabel* lblLocalidadDLID;
    QPushButton* butAceptar;
    QPushButton* butCancelar;

    void FormShow();
    void cmbLocalidadCloseUp();
    void cmbLocalidadDLCloseUp();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::unique_ptr<SelectorLocalidad> real_;
    std::unique_ptr<SelectorLocalidad> legal_;
};
