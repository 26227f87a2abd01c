#pragma once
#include <QString>

class Prompts;
class Td;

// The new-holder step below its dialogs: the checks of the name-and-CUIT dialog and
// the storing of the new holder.
namespace AltaTitular {

extern const QString kMensajeFaltanDatos;  // "Por favor, ingrese Razón Social y CUIT para continuar"

// The checks of "Aceptar": both texts present (trimmed), then the CUIT check.
// Shows the one message that applies and answers whether the dialog may close.
bool validar(const QString& razonSocial, const QString& cuit, Prompts& prompts);

// Appends the holder: name trimmed, CUIT in the form NN-NNNNNNNN-N, CPdata "2" for the
// double-height holder field and empty otherwise. Returns the new TitularID.
qint64 guardar(Td& d, const QString& razonSocial, const QString& cuit, bool dobleAltura);

} // namespace AltaTitular
