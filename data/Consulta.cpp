#include "data/Consulta.h"

#include "data/TolvaError.h"

#include <QSqlQuery>
#include <QSqlRecord>

Consulta::Consulta(const QString& nombre, QObject* parent)
    : QObject(parent), nombre_(nombre)
{
}

int Consulta::indiceCampo(const QString& campo) const
{
    return indices_.value(campo.toLower(), -1);
}

bool Consulta::esCalculado(int columna) const
{
    return columna >= almacenados_ && columna < columnas();
}

QVariant Consulta::valor(int fila, int columna) const
{
    if (fila < 0 || fila >= filas() || columna < 0 || columna >= columnas())
        return {};
    return filas_.at(fila).at(columna);
}

QVariant Consulta::valor(int fila, const QString& campo) const
{
    const int columna = indiceCampo(campo);
    if (columna < 0)
        throw TolvaError(QStringLiteral("La consulta %1 no tiene la columna %2.").arg(nombre_, campo));
    return valor(fila, columna);
}

void Consulta::setCalculados(const QStringList& nombres, Calculo calculo)
{
    calculados_ = nombres;
    calculo_ = std::move(calculo);
}

void Consulta::preparar(const QString& sql, const QVariantList& valores)
{
    sql_ = sql;
    valores_ = valores;
}

void Consulta::cerrar()
{
    if (!abierta_ && filas_.isEmpty())
        return;
    emit antesDeCambiar();
    abierta_ = false;
    filas_.clear();
    emit cambiada();
}

void Consulta::cargar(QSqlQuery& consulta)
{
    emit antesDeCambiar();
    const QSqlRecord registro = consulta.record();
    almacenados_ = registro.count();
    campos_.clear();
    indices_.clear();
    for (int i = 0; i < almacenados_; ++i)
        campos_ << registro.fieldName(i);
    campos_ << calculados_;
    for (int i = 0; i < campos_.size(); ++i)
        indices_.insert(campos_.at(i).toLower(), i);

    filas_.clear();
    while (consulta.next()) {
        Fila fila(campos_.size());
        for (int i = 0; i < almacenados_; ++i)
            fila[i] = consulta.value(i);
        if (calculo_)
            calculo_(*this, fila);
        filas_.push_back(std::move(fila));
    }
    abierta_ = true;
    emit cambiada();
}
