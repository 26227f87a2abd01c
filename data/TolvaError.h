#pragma once
#include <QString>
#include <stdexcept>

// An unchecked failure (database, file, tool) that ends the current user action.
// Its text is Spanish and is shown to the user as it stands.
class TolvaError : public std::runtime_error {
public:
    explicit TolvaError(const QString& texto)
        : std::runtime_error(texto.toStdString()), texto_(texto) {}
    const QString& texto() const { return texto_; }

private:
    QString texto_;
};
