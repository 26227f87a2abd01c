#pragma once
#include <QDialog>
#include <QPlainTextEdit>

class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Td;

// A text box that wraps its lines but takes no line break: Enter goes to the dialog.
class MemoSinSaltos : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoSinSaltos(QWidget* padre = nullptr);
    QString text() const { return toPlainText(); }
    void setText(const QString& texto) { setPlainText(texto); }

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void insertFromMimeData(const QMimeData* origen) override;
};

// The place dialog: an address with its locality (and, for origins, the establishment).
// A locality can be added from its list. On entry lblLocalidadID may hold a locality
// name to preselect; after a choice it holds the chosen locality's key.
class TFAgregaDireccion : public QDialog {
    Q_OBJECT
public:
    TFAgregaDireccion(Td& d, Prompts& prompts, QWidget* padre = nullptr);

    MemoSinSaltos* edtDireccion;
    QComboBox* cmbLocalidad;
    QLineEdit* edtProvincia;
    QLabel* lblEstablecimiento;
    QLineEdit* edtEstablecimiento;
    QLabel* lblLocalidadID;
    QPushButton* butAceptar;
    QPushButton* butCancelar;

    // Shows or hides the establishment with its label.
    void mostrarEstablecimiento(bool visible);

    void FormShow();
    void cmbLocalidadCloseUp();
    void butAceptarClick();
    // The chosen locality's key; invalid when none is chosen.
    QVariant localidadID() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Td& d_;
    Prompts& prompts_;
    bool mostrado_ = false;
};
