#include "app/ListaArchivos.h"

#include "data/datamodule.h"

#include <QDir>
#include <QFileInfo>

namespace ListaArchivos {

const QString kTodos = QStringLiteral("Todos");
const QString kConDisponibles = QStringLiteral("Con CP disponibles");
const QString kSinDisponibles = QStringLiteral("Sin CP disponibles");

const QStringList& opcionesVer()
{
    static const QStringList opciones{kTodos, kConDisponibles, kSinDisponibles};
    return opciones;
}

const QVector<ColumnaGrilla>& columnas()
{
    using F = ColumnaGrilla::Formato;
    static const QString banda = QStringLiteral("Anuladas, Vencidas y Extraviadas");
    static const QVector<ColumnaGrilla> lista{
        {QStringLiteral("TitularNombre"), QStringLiteral("Titular"), 219, {}, F::Texto},
        {QStringLiteral("ArchivoCPNombre"), QStringLiteral("Archivo"), 200, {}, F::Texto},
        {QStringLiteral("ArchivoCPFecha"), QStringLiteral("Fecha de importación"), 120, {}, F::Fecha},
        {QStringLiteral("CantidadCP"), QStringLiteral("Cantidad de CP"), 84, {}, F::Texto},
        {QStringLiteral("CBDesde"), QStringLiteral("Desde"), 100, {}, F::Texto},
        {QStringLiteral("CBHasta"), QStringLiteral("Hasta"), 100, {}, F::Texto},
        {QStringLiteral("Vencimiento"), QStringLiteral("Vencimiento"), 70, {}, F::Texto},
        {QStringLiteral("Emitidas"), QStringLiteral("Emitidas"), 84, {}, F::Texto},
        {QStringLiteral("DisponiblesAnuladas"), QStringLiteral("No emitidas"), 90, banda, F::Texto},
        {QStringLiteral("EmitidasAnuladas"), QStringLiteral("Emitidas"), 90, banda, F::Texto},
        {QStringLiteral("Disponibles"), QStringLiteral("Disponibles"), 84, {}, F::Texto},
    };
    return lista;
}

namespace {

// The counts of every batch in one pass over the blanks (read from the covering index
// CPxArchivoResumen, not from the rows with their images). All blanks of a batch carry
// the same expiry, so the smallest is the one of the first blank.
const char* const kConsultaArchivos =
    "SELECT a.*, t.TitularNombre AS TitularNombre,"
    " COALESCE(r.CantidadCP, 0) AS CantidadCP,"
    " COALESCE(r.Emitidas, 0) AS Emitidas,"
    " COALESCE(r.DisponiblesAnuladas, 0) AS DisponiblesAnuladas,"
    " COALESCE(r.EmitidasAnuladas, 0) AS EmitidasAnuladas,"
    " r.CBDesde AS CBDesde, r.CBHasta AS CBHasta, r.Vencimiento AS Vencimiento"
    " FROM ArchivosCP a"
    " LEFT JOIN Titulares t ON a.ArchivoCPTitularID = t.TitularID"
    " LEFT JOIN (SELECT CPxArchivoArchivoCPID AS ArchivoID, COUNT(*) AS CantidadCP,"
    "   SUM(CASE WHEN CPxArchivoProcesada <> 0 THEN 1 ELSE 0 END) AS Emitidas,"
    "   SUM(CASE WHEN CPxArchivoEstado <> -1 AND CPxArchivoProcesada = 0 THEN 1 ELSE 0 END) AS DisponiblesAnuladas,"
    "   SUM(CASE WHEN CPxArchivoEstado <> -1 AND CPxArchivoProcesada <> 0 THEN 1 ELSE 0 END) AS EmitidasAnuladas,"
    "   MIN(CPxArchivoCP COLLATE BINARY) AS CBDesde, MAX(CPxArchivoCP COLLATE BINARY) AS CBHasta,"
    "   MIN(CPxArchivoVENC COLLATE BINARY) AS Vencimiento"
    "   FROM CPxArchivo %1 GROUP BY CPxArchivoArchivoCPID) r ON r.ArchivoID = a.ArchivoCPID";

// With a holder chosen, only the blanks of that holder's batches are counted.
const char* const kSoloDelTitular =
    "WHERE CPxArchivoArchivoCPID IN (SELECT ArchivoCPID FROM ArchivosCP"
    " JOIN Titulares ON ArchivoCPTitularID = TitularID WHERE TitularNombre = ?)";

const char* const kDisponibles =
    "(COALESCE(r.CantidadCP, 0) - COALESCE(r.Emitidas, 0) - COALESCE(r.DisponiblesAnuladas, 0))";

} // namespace

void abrir(Td& d, const QString& titular, const QString& ver)
{
    QVariantList valores;
    QString sql = QString::fromLatin1(kConsultaArchivos).arg(titular == kTodos ? QString() : QString::fromLatin1(kSoloDelTitular));
    if (titular != kTodos)
        valores << titular;
    if (titular == kTodos && ver == kTodos) {
        sql += QStringLiteral(" ORDER BY t.TitularNombre, a.ArchivoCPFecha, a.ArchivoCPID");
    } else {
        QStringList condiciones;
        if (titular != kTodos) {
            condiciones << QStringLiteral("t.TitularNombre = ?");
            valores << titular;
        }
        if (ver == kConDisponibles)
            condiciones << QString::fromLatin1(kDisponibles) + QStringLiteral(" > 0");
        else if (ver == kSinDisponibles)
            condiciones << QString::fromLatin1(kDisponibles) + QStringLiteral(" = 0");
        if (!condiciones.isEmpty())
            sql += QStringLiteral(" WHERE ") + condiciones.join(QStringLiteral(" AND "));
        sql += QStringLiteral(" ORDER BY a.ArchivoCPFecha, a.ArchivoCPID");
    }
    d.AbrirConsulta(d.qmyArchivosCP, sql, valores);
}

QStringList nombresTitulares(Td& d)
{
    d.AbrirConsulta(d.qmyAUX, QStringLiteral("SELECT TitularNombre FROM Titulares ORDER BY TitularNombre, TitularID"));
    QStringList nombres;
    for (int i = 0; i < d.qmyAUX.filas(); ++i)
        nombres << d.qmyAUX.valor(i, 0).toString();
    return nombres;
}

qint64 titularPorNombre(Td& d, const QString& titular)
{
    if (titular == kTodos)
        return -1;
    const QVariant id = d.valorUnico(
        QStringLiteral("SELECT TitularID FROM Titulares WHERE TitularNombre = ? ORDER BY TitularID LIMIT 1"), {titular});
    return id.isValid() ? id.toLongLong() : 0;
}

QStringList eliminarFilasArchivo(Td& d, qint64 archivoID)
{
    Transaccion transaccion(d);
    d.AbrirConsulta(d.qmyAux2,
                    QStringLiteral("SELECT CPxArchivoNombre1, CPxArchivoNombre2, CPxArchivoNombre3, CPxArchivoNombre4"
                                   " FROM CPxArchivo WHERE CPxArchivoArchivoCPID = ?"),
                    {archivoID});
    QStringList paginas;
    for (int i = 0; i < d.qmyAux2.filas(); ++i)
        for (int c = 0; c < 4; ++c)
            if (const QString nombre = d.qmyAux2.valor(i, c).toString(); !nombre.isEmpty())
                paginas << nombre;
    d.EjecutarSQL(d.qmyAux2,
                  QStringLiteral("DELETE FROM CP WHERE CPArchivoID IN"
                                 " (SELECT CPxArchivoID FROM CPxArchivo WHERE CPxArchivoArchivoCPID = ?)"),
                  {archivoID});
    d.EjecutarSQL(d.qmyAux2, QStringLiteral("DELETE FROM CPxArchivo WHERE CPxArchivoArchivoCPID = ?"), {archivoID});
    d.EjecutarSQL(d.qmyAux2, QStringLiteral("DELETE FROM ArchivosCP WHERE ArchivoCPID = ?"), {archivoID});
    transaccion.confirmar();
    return paginas;
}

void borrarPaginas(const QString& carpetaTrabajo, const QStringList& nombres)
{
    const QDir carpeta(carpetaTrabajo);
    for (const QString& nombre : nombres) {
        const QString limpio = QFileInfo(nombre).fileName();
        if (limpio != nombre || limpio == QStringLiteral("..") || limpio == QStringLiteral("."))
            continue;
        QFile::remove(carpeta.filePath(limpio));
    }
}

void eliminarArchivo(Td& d, qint64 archivoID, const QString& carpetaTrabajo)
{
    // The page files go only once the rows are gone for good.
    borrarPaginas(carpetaTrabajo, eliminarFilasArchivo(d, archivoID));
}

} // namespace ListaArchivos
