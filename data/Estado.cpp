#include "data/Estado.h"

namespace Estado {

Configuracion leer(Td& d)
{
    d.AbrirConsulta(d.tmyEstado, QStringLiteral("SELECT rowid AS EstadoFila, * FROM Estado ORDER BY rowid LIMIT 1"));
    Configuracion c;
    if (d.tmyEstado.filas() == 0)
        return c;
    c.existe = true;
    c.titular = d.tmyEstado.valor(0, QStringLiteral("EstadoTitular")).toString();
    c.ver = d.tmyEstado.valor(0, QStringLiteral("EstadoVer")).toString();
    c.dpi = d.tmyEstado.valor(0, QStringLiteral("EstadoDPI")).toInt();
    c.optimizar = d.tmyEstado.valor(0, QStringLiteral("EstadoOptimizarImpresion")).toInt();
    return c;
}

void escribir(Td& d, const Td::Valores& valores)
{
    const QVariant fila = d.valorUnico(QStringLiteral("SELECT rowid FROM Estado ORDER BY rowid LIMIT 1"));
    if (!fila.isValid()) {
        d.Insertar(QStringLiteral("Estado"), valores);
    } else {
        QStringList asignaciones;
        QVariantList datos;
        for (const auto& [columna, valor] : valores) {
            asignaciones << columna + QStringLiteral(" = ?");
            datos << valor;
        }
        datos << fila;
        d.ejecutar(QStringLiteral("UPDATE Estado SET %1 WHERE rowid = ?").arg(asignaciones.join(QStringLiteral(", "))),
                   datos);
    }
    leer(d);
}

} // namespace Estado
