#include "masterdata/TablasMaestras.h"

#include "app/ListaArchivos.h"
#include "data/datamodule.h"

namespace TablasMaestras {

const QString kPreguntaEliminar = QStringLiteral(
    "¿Confirma la eliminación del registro seleccionado? Esta operación no se puede deshacer");
const QString kPreguntaLocalidadEnUso = QStringLiteral(
    "La localidad está en uso, si la elimina se verá en blanco el dato donde fue usada, "
    "¿Está seguro que quiere eliminar la localidad?");
const QString kPreguntaEliminarTitular = QStringLiteral(
    "¿Confirma la eliminación del titular seleccionado? Esta operación no se puede deshacer");
const QString kPreguntaConfirmaDatos = QStringLiteral("¿Confirma los datos ingresados?");
const QString kRegistroInexistente = QStringLiteral(
    "El registro seleccionado ya no existe: fue eliminado desde otra ventana. La lista se actualizó.");

QString columnaDomicilio(const QString& sTabla)
{
    if (sTabla == QStringLiteral("Transportistas"))
        return QStringLiteral("TransportistaDomicilio");
    if (sTabla == QStringLiteral("Destinatarios"))
        return QStringLiteral("DestinatarioDomicilio");
    return {};
}

QString columnaDomicilioLocalidad(const QString& sTabla)
{
    const QString domicilio = columnaDomicilio(sTabla);
    return domicilio.isEmpty() ? QString() : domicilio + QStringLiteral("LocalidadID");
}

QVariant localidadPorNombre(Td& d, const QString& nombre)
{
    if (nombre.isEmpty())
        return {};
    d.AbrirConsulta(d.qmyAUX,
                    QStringLiteral("SELECT Localidades.LocalidadID FROM Localidades"
                                   " WHERE Localidades.LocalidadNombre = ? ORDER BY Localidades.LocalidadID"),
                    {nombre});
    const QVariant id = d.qmyAUX.filas() > 0 ? d.qmyAUX.valor(0, 0) : QVariant();
    d.qmyAUX.cerrar();
    return id;
}

void agregarParte(Td& d, const DescriptorTabla& t, const QString& nombre, const QString& cuit)
{
    d.EjecutarSQL(d.qmyAUX, QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)").arg(t.sTabla, t.sNombre, t.sCUIT),
                  {nombre.trimmed(), cuit});
}

int modificarParte(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& nombre, const QString& cuit)
{
    return d.EjecutarSQL(d.qmyAUX,
                         QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ? WHERE %4 = ?")
                             .arg(t.sTabla, t.sNombre, t.sCUIT, t.sID),
                         {nombre, cuit, id});
}

int editarDomicilio(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& domicilio,
                    const QString& localidad)
{
    const QVariant localidadID = localidadPorNombre(d, localidad);
    QString sql = QStringLiteral("UPDATE %1 SET %2 = ?").arg(t.sTabla, columnaDomicilio(t.sTabla));
    QVariantList valores{domicilio};
    if (localidadID.isValid()) {
        sql += QStringLiteral(", %1 = ?").arg(columnaDomicilioLocalidad(t.sTabla));
        valores << localidadID;
    }
    sql += QStringLiteral(" WHERE %1 = ?").arg(t.sID);
    valores << id;
    const int filas = d.EjecutarSQL(d.qmyAUX, sql, valores);
    d.qmyAUX.cerrar();
    return filas;
}

void agregarChofer(Td& d, const DescriptorTabla& t, const QString& nombre, const QString& cuit,
                   const QString& camion, const QString& acoplado)
{
    d.EjecutarSQL(d.qmyAUX,
                  QStringLiteral("INSERT INTO %1 (%2, ChoferCUIT, ChoferCamion, ChoferAcoplado) VALUES (?, ?, ?, ?)")
                      .arg(t.sTabla, t.sNombre),
                  {nombre.trimmed(), cuit, camion.trimmed(), acoplado.trimmed()});
}

int modificarChofer(Td& d, const QVariant& id, const QString& nombre, const QString& cuit, const QString& camion,
                    const QString& acoplado)
{
    return d.EjecutarSQL(d.qmyAUX,
                         QStringLiteral("UPDATE Choferes SET ChoferNombre = ?, ChoferCUIT = ?, ChoferCamion = ?,"
                                        " ChoferAcoplado = ? WHERE ChoferID = ?"),
                         {nombre, cuit, camion.trimmed(), acoplado.trimmed(), id});
}

void agregarNombre(Td& d, const DescriptorTabla& t, const QString& nombre)
{
    d.EjecutarSQL(d.qmyAUX, QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(t.sTabla, t.sNombre),
                  {nombre.trimmed()});
}

int modificarNombre(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& nombre)
{
    return d.EjecutarSQL(d.qmyAUX, QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?").arg(t.sTabla, t.sNombre, t.sID),
                         {nombre, id});
}

bool esProcedencia(const DescriptorTabla& t)
{
    return t.sTabla == QStringLiteral("Procedencias");
}

void agregarLugar(Td& d, const DescriptorTabla& t, const QString& direccion, const QVariant& localidadID,
                  const QString& establecimiento)
{
    if (esProcedencia(t)) {
        d.EjecutarSQL(d.qmyAUX,
                      QStringLiteral("INSERT INTO Procedencias (%1, %2, ProcedenciaEstablecimiento) VALUES (?, ?, ?)")
                          .arg(t.sNombre, t.sLocalidad),
                      {direccion.trimmed(), localidadID, establecimiento.trimmed()});
    } else {
        d.EjecutarSQL(d.qmyAUX, QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?)").arg(t.sTabla, t.sNombre, t.sLocalidad),
                      {direccion.trimmed(), localidadID});
    }
    d.qmyAUX.cerrar();
}

int modificarLugar(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& direccion,
                   const QString& localidad, const QString& establecimiento)
{
    const QVariant localidadID = localidadPorNombre(d, localidad);
    QString sql = QStringLiteral("UPDATE %1 SET %2 = ?").arg(t.sTabla, t.sNombre);
    QVariantList valores{direccion};
    if (localidadID.isValid()) {
        sql += QStringLiteral(", %1 = ?").arg(t.sLocalidad);
        valores << localidadID;
    }
    if (esProcedencia(t)) {
        sql += QStringLiteral(", ProcedenciaEstablecimiento = ?");
        valores << establecimiento.trimmed();
    }
    sql += QStringLiteral(" WHERE %1 = ?").arg(t.sID);
    valores << id;
    const int filas = d.EjecutarSQL(d.qmyAUX, sql, valores);
    d.qmyAUX.cerrar();
    return filas;
}

void agregarLocalidad(Td& d, const DescriptorTabla& t, const QString& nombre, const QVariant& provinciaID)
{
    d.EjecutarSQL(d.qmyAUX, QStringLiteral("INSERT INTO %1 (%2, LocalidadProvinciaID) VALUES (?, ?)").arg(t.sTabla, t.sNombre),
                  {nombre.trimmed(), provinciaID});
    d.qmyAUX.cerrar();
}

int modificarLocalidad(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& nombre,
                       const QVariant& provinciaID)
{
    const int filas = d.EjecutarSQL(
        d.qmyAUX, QStringLiteral("UPDATE %1 SET %2 = ?, LocalidadProvinciaID = ? WHERE %3 = ?").arg(t.sTabla, t.sNombre, t.sID),
        {nombre, provinciaID, id});
    d.qmyAUX.cerrar();
    return filas;
}

QString preguntaEliminarLocalidad(Td& d, const QVariant& id)
{
    for (const auto& [tabla, columna] : {std::pair{QStringLiteral("Procedencias"), QStringLiteral("ProcedenciaLocalidadID")},
                                         std::pair{QStringLiteral("LugaresDestino"), QStringLiteral("LugarDestinoLocalidadID")}}) {
        d.AbrirConsulta(d.qmyAUX, QStringLiteral("SELECT COUNT(*) AS Total FROM %1 WHERE %2 = ?").arg(tabla, columna), {id});
        const int total = d.qmyAUX.valor(0, QStringLiteral("Total")).toInt();
        d.qmyAUX.cerrar();
        if (total > 0)
            return kPreguntaLocalidadEnUso;
    }
    return kPreguntaEliminar;
}

int eliminar(Td& d, const DescriptorTabla& t, const QVariant& id)
{
    const QString clave = t.sTabla == QStringLiteral("Choferes") ? QStringLiteral("ChoferID") : t.sID;
    const int filas = d.EjecutarSQL(d.qmyAUX, QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(t.sTabla, clave), {id});
    d.qmyAUX.cerrar();
    return filas;
}

int editarAdicionalesTitular(Td& d, const QVariant& id, const QString& domicilioReal, const QString& localidadReal,
                             const QString& domicilioLegal, const QString& localidadLegal, const QString& telefono)
{
    const QVariant real = localidadPorNombre(d, localidadReal);
    const QVariant legal = localidadPorNombre(d, localidadLegal);
    QString sql = QStringLiteral("UPDATE Titulares SET TitularDomicilioReal = ?");
    QVariantList valores{domicilioReal};
    if (real.isValid()) {
        sql += QStringLiteral(", TitularDomicilioRealLocalidadID = ?");
        valores << real;
    }
    sql += QStringLiteral(", TitularDomicilioLegal = ?");
    valores << domicilioLegal;
    if (legal.isValid()) {
        sql += QStringLiteral(", TitularDomicilioLegalLocalidadID = ?");
        valores << legal;
    }
    sql += QStringLiteral(", TitularTelefono = ? WHERE TitularID = ?");
    valores << telefono << id;
    const int filas = d.EjecutarSQL(d.qmyAUX, sql, valores);
    d.qmyAUX.cerrar();
    return filas;
}

int eliminarTitular(Td& d, const QVariant& id, const QString& carpetaTrabajo)
{
    QStringList paginas;
    int filas = 0;
    {
        Transaccion transaccion(d);
        // A holder that is already gone (deleted from another window) leaves everything as it is.
        if (d.valorUnico(QStringLiteral("SELECT COUNT(*) FROM Titulares WHERE TitularID = ?"), {id}).toInt() == 0)
            return 0;
        d.AbrirConsulta(d.qmyAUX,
                        QStringLiteral("SELECT ArchivoCPID FROM ArchivosCP WHERE ArchivoCPTitularID = ? ORDER BY ArchivoCPID"),
                        {id});
        QVector<qint64> archivos;
        for (int i = 0; i < d.qmyAUX.filas(); ++i)
            archivos << d.qmyAUX.valor(i, 0).toLongLong();
        for (const qint64 archivo : archivos)
            paginas << ListaArchivos::eliminarFilasArchivo(d, archivo);
        d.EjecutarSQL(d.qmyAUX, QStringLiteral("DELETE FROM CP WHERE CPTitularID = ?"), {id});
        d.EjecutarSQL(d.qmyAUX, QStringLiteral("DELETE FROM ArchivosCP WHERE ArchivoCPTitularID = ?"), {id});
        filas = d.EjecutarSQL(d.qmyAUX, QStringLiteral("DELETE FROM Titulares WHERE TitularID = ?"), {id});
        d.qmyAUX.cerrar();
        transaccion.confirmar();
    }
    // The page files go only once the rows are gone for good.
    ListaArchivos::borrarPaginas(carpetaTrabajo, paginas);
    return filas;
}

} // namespace TablasMaestras
