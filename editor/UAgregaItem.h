#pragma once
#include <QDialog>

class Prompts;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The name dialog: a name, optionally a CUIT (with "Sin CUIT") and, for drivers, the
// plates of truck and trailer. It only collects and checks; the caller stores.
class TFAgregaItem : public QDialog {
    Q_OBJECT
public:
    explicit TFAgregaItem(Prompts& prompts, QWidget* padre = nullptr);

    QLineEdit* edtNombre;
    QLabel* lblCUIT;
    QLineEdit* edtCUIT;
    QCheckBox* chkSinCUIT;
    QLabel* lblSinCUIT;
    QLabel* lblCamion;
    QLineEdit* edtCamion;
    QLabel* lblAcoplado;
    QLineEdit* edtAcoplado;
    QPushButton* butAceptar;
    QPushButton* butCancelar;

    // Shows or hides the CUIT edit, "Sin CUIT" and their labels.
    void mostrarCUIT(bool visible);
    // Shows or hides truck and trailer with their labels.
    void mostrarCamion(bool visible);

    void chkSinCUITClick();
    void edtCUITChange();
    void butAceptarClick();

private:
    Prompts& prompts_;
};

extern const QString kAyudaCamion;  // the four-line hint of truck and trailer
