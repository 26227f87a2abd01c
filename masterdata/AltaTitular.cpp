#include "masterdata/AltaTitular.h"

#include "data/Cuit.h"
#include "data/Prompts.h"
#include "data/datamodule.h"

namespace AltaTitular {

const QString kMensajeFaltanDatos = QStringLiteral("Por favor, ingrese Razón Social y CUIT para continuar");

bool validar(const QString& razonSocial, const QString& cuit, Prompts& prompts)
{
    if (razonSocial.trimmed().isEmpty() || cuit.trimmed().isEmpty()) {
        prompts.mensaje(QStringLiteral("Atención"), kMensajeFaltanDatos, Prompts::Icono::Ninguno);
        return false;
    }
    return Cuit::VerificaCUIT(cuit, prompts);
}

qint64 guardar(Td& d, const QString& razonSocial, const QString& cuit, bool dobleAltura)
{
    const qint64 id = d.Insertar(QStringLiteral("Titulares"),
                                 {{QStringLiteral("TitularNombre"), razonSocial.trimmed()},
                                  {QStringLiteral("TitularCUIT"), Cuit::formatear(cuit)},
                                  {QStringLiteral("CPdata"), dobleAltura ? QStringLiteral("2") : QString()}});
    if (d.tmyTitulares.abierta())
        d.Refrescar(d.tmyTitulares);
    return id;
}

} // namespace AltaTitular
