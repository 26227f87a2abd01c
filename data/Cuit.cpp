#include "data/Cuit.h"

#include "data/Prompts.h"

#include <QLineEdit>

namespace Cuit {

const QString kMensajeLargo = QStringLiteral("El CUIT es incorrecto, debe tener 11 dígitos");
const QString kMensajeVerificador = QStringLiteral("El dígito verificador es incorrecto");

QString soloDigitos(const QString& texto)
{
    QString digitos;
    for (const QChar c : texto.trimmed())
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digitos += c;
    return digitos;
}

bool VerificaCUIT(const QString& texto, Prompts& prompts)
{
    static constexpr int kPesos[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    const QString digitos = soloDigitos(texto);
    if (digitos.size() != 11) {
        prompts.mensaje(QStringLiteral("Error"), kMensajeLargo, Prompts::Icono::Error);
        return false;
    }
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += kPesos[i] * digitos.at(i).digitValue();
    const int v = 11 - suma % 11;
    const int ultimo = digitos.at(10).digitValue();
    const bool valido = (v == 11) ? ultimo == 0 : (v == 10) ? ultimo == 9 : ultimo == v;
    if (!valido) {
        prompts.mensaje(QStringLiteral("Error"), kMensajeVerificador, Prompts::Icono::Error);
        return false;
    }
    return true;
}

QString formatear(const QString& texto)
{
    const QString recortado = texto.trimmed();
    const QString digitos = soloDigitos(recortado);
    bool soloSeparadores = true;
    for (const QChar c : recortado)
        if (!c.isDigit() && c != QLatin1Char('-') && c != QLatin1Char(' '))
            soloSeparadores = false;
    if (digitos.size() != 11 || !soloSeparadores)
        return recortado;
    return digitos.left(2) + QLatin1Char('-') + digitos.mid(2, 8) + QLatin1Char('-') + digitos.right(1);
}

void FormateaCUIT(QLineEdit* edit)
{
    for (int largo : {2, 11}) {
        if (edit->text().size() == largo) {
            edit->setText(edit->text() + QLatin1Char('-'));
            edit->setCursorPosition(edit->text().size());
        }
    }
}

void conectarFormateaCUIT(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { FormateaCUIT(edit); });
}

} // namespace Cuit
