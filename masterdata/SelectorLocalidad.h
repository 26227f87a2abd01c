#pragma once
#include <functional>

class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class Td;

// A locality list of an address dialog with its yellow province field and the hidden
// label that carries the locality's name in and follows the user's choice.
class SelectorLocalidad {
public:
    SelectorLocalidad(Td& d, Prompts& prompts, QWidget* dialogo, QComboBox* lista, QLabel* oculta,
                      QLineEdit* provincia);

    // The show step: fills the list when it is empty; selects the name of the hidden
    // label (none when missing) and runs the change.
    void mostrar();
    // The change of the list. "[Agregar...]" asks for a new locality with the locality
    // dialog and, when stored, selects it; then the province of the choice is shown.
    // Returns whether a locality was added.
    bool cambio();
    // Reloads the list and selects the hidden label's name again (without adding).
    void recargar();

private:
    void seleccionarOculta();
    void mostrarProvincia();

    Td& d_;
    Prompts& prompts_;
    QWidget* dialogo_;
    QComboBox* lista_;
    QLabel* oculta_;
    QLineEdit* provincia_;
};
