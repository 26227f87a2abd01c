#pragma once

class QDialog;
class QLayout;
class QPushButton;

// Lays out a data-entry dialog: its fields on top and, at the bottom, the row with
// "Aceptar" and "Cancelar" aligned to the right.
void disponerDialogo(QDialog* dialogo, QLayout* campos, QPushButton* aceptar, QPushButton* cancelar);
