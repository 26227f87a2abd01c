#pragma once
#include <QString>

class Prompts;
class QLineEdit;

namespace Cuit {

extern const QString kMensajeLargo;        // "El CUIT es incorrecto, debe tener 11 dígitos"
extern const QString kMensajeVerificador;  // "El dígito verificador es incorrecto"

// The digits of the trimmed text, in order (hyphens and blanks dropped).
QString soloDigitos(const QString& texto);

// Interactive check: shows at most one of the two messages and answers whether the CUIT is valid.
bool VerificaCUIT(const QString& texto, Prompts& prompts);

// NN-NNNNNNNN-N from a text holding exactly 11 digits (with or without separators);
// other texts come back trimmed and unchanged.
QString formatear(const QString& texto);

// Inserts the two hyphens while a CUIT is typed (applied after every change of the box).
void FormateaCUIT(QLineEdit* edit);
// Attaches FormateaCUIT to the change event of the box.
void conectarFormateaCUIT(QLineEdit* edit);

} // namespace Cuit
