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

// The address of a party (fiscal address and its locality). The hidden label carries
// the party's locality name in and then follows the list's choice.
class TFEditarAdicionales : public QDialog {
    Q_OBJECT
public:
    TFEditarAdicionales(Td& d, Prompts& prompts, QWidget* padre = nullptr);
    ~TFEditarAdicionales() override;

    QLabel* lblRazonSocial;
    QLineEdit* edtDomicilioReal;
    QComboBox* cmbLocalidad;
    QLineEdit* edtProvincia;
    QLabel* lblLocalidadID;
    QPushButton* butAceptar;
    QPushButton* butCancelar;

    void FormShow();
    void cmbLocalidadCloseUp();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::unique_ptr<SelectorLocalidad> localidad_;
};

// The read-only yellow province field of the address dialogs.
QLineEdit* campoProvincia();
