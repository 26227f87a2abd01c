#pragma once
#include <QDialog>
#include <QVariant>

class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class Td;

// The localities as the address dialogs use them: the list of names, the look-up of a
// name with its province, and the insert of a new one.
namespace Localidades {

extern const QString kTituloAgregar;       // "Agregar Localidad"
extern const QString kFaltaLocalidad;      // "Por favor, seleccione la localidad"
extern const QString kFaltaProvincia;      // "Por favor, seleccione la provincia"

// Fills a list with an empty entry, every locality by name and "[Agregar...]".
void cargar(Td& d, QComboBox* combo);

struct Encontrada {
    QVariant id;          // invalid when no locality has that name
    QString provincia;    // the province's name; empty when none
};
// The locality whose name equals the text (letter case ignored), with its province.
Encontrada buscar(Td& d, const QString& nombre);

// Stores a locality: the name trimmed, in the given province. Returns its key.
qint64 agregar(Td& d, const QString& nombre, qint64 provinciaID);

// Selects the entry with exactly that text (else the one equal ignoring case); -1 when none.
int seleccionar(QComboBox* combo, const QString& texto);

// The "[Agregar...]" entry of a locality list: asks for a new locality with the
// locality dialog and stores it. Returns the stored name, empty when cancelled.
QString agregarConDialogo(Td& d, Prompts& prompts, QWidget* padre);

} // namespace Localidades

// The locality dialog: a name and its province. The province's key ends up in the
// hidden label lblProvinciaID; "Aceptar" requires one.
class TFAgregaLocalidad : public QDialog {
    Q_OBJECT
public:
    TFAgregaLocalidad(Td& d, Prompts& prompts, QWidget* padre = nullptr);

    QLineEdit* edtNombre;
    QComboBox* cmbProvincia;
    QLabel* lblProvinciaID;
    QPushButton* butAceptar;
    QPushButton* butCancelar;

    void FormShow();
    void cmbProvinciaChange();
    void butAceptarClick();
    // The chosen province's key; invalid when none is chosen.
    QVariant provinciaID() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Td& d_;
    Prompts& prompts_;
    bool mostrado_ = false;
};
