#include "support/EntornoPrueba.h"

#include "data/Carpetas.h"

#include <QDir>

EntornoPrueba::EntornoPrueba()
    : appDataAnterior_(qgetenv("APPDATA"))
{
    qputenv("APPDATA", temporal_.path().toLocal8Bit());
    QDir().mkpath(carpetaTrabajo());
    d_ = std::make_unique<Td>();
    conectar();
}

EntornoPrueba::~EntornoPrueba()
{
    d_.reset();
    qputenv("APPDATA", appDataAnterior_);
}

QString EntornoPrueba::carpetaDatos() const
{
    return Carpetas::carpetaDatos();
}

QString EntornoPrueba::archivoBase() const
{
    return carpetaDatos() + QStringLiteral("ADODB/cp.mdb");
}

QString EntornoPrueba::carpetaTrabajo() const
{
    return Carpetas::carpetaTrabajo(carpetaDatos());
}

void EntornoPrueba::conectar()
{
    d_->conectar(carpetaDatos());
}

qint64 EntornoPrueba::agregarTitular(const QString& nombre, const QString& cuit, const QString& cpdata)
{
    return d_->Insertar(QStringLiteral("Titulares"), {{QStringLiteral("TitularNombre"), nombre},
                                                      {QStringLiteral("TitularCUIT"), cuit},
                                                      {QStringLiteral("CPdata"), cpdata}});
}

qint64 EntornoPrueba::agregarArchivo(qint64 titularID, const QString& nombre, const QDate& fecha)
{
    return d_->Insertar(QStringLiteral("ArchivosCP"), {{QStringLiteral("ArchivoCPNombre"), nombre},
                                                       {QStringLiteral("ArchivoCPFecha"), fecha},
                                                       {QStringLiteral("ArchivoCPTitularID"), titularID}});
}

qint64 EntornoPrueba::agregarBlanco(qint64 archivoID, const QString& numero, bool procesada, int estado,
                                    const QString& vencimiento)
{
    return d_->Insertar(QStringLiteral("CPxArchivo"), {{QStringLiteral("CPxArchivoArchivoCPID"), archivoID},
                                                       {QStringLiteral("CPxArchivoProcesada"), procesada},
                                                       {QStringLiteral("CPxArchivoEstado"), estado},
                                                       {QStringLiteral("CPxArchivoCP"), numero},
                                                       {QStringLiteral("CPxArchivoVENC"), vencimiento}});
}

qint64 EntornoPrueba::agregarCarta(qint64 blancoID, qint64 titularID, const QString& numero)
{
    return d_->Insertar(QStringLiteral("CP"), {{QStringLiteral("CPArchivoID"), blancoID},
                                               {QStringLiteral("CPTitularID"), titularID},
                                               {QStringLiteral("CPNumero"), numero}});
}

int EntornoPrueba::contar(const QString& tabla, const QString& condicion, const QVariantList& valores)
{
    QString sql = QStringLiteral("SELECT COUNT(*) FROM ") + tabla;
    if (!condicion.isEmpty())
        sql += QStringLiteral(" WHERE ") + condicion;
    return d_->valorUnico(sql, valores).toInt();
}

QString carpetaFixtures()
{
    return QStringLiteral(TOLVA_FIXTURES);
}
