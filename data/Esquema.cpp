#include "data/Esquema.h"

#include "data/TolvaError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <functional>

namespace {

// Column types. Names compare without regard to case (the connection gives NOCASE
// full Unicode case folding), keys are never reused, booleans start false.
#define CLAVE " INTEGER PRIMARY KEY AUTOINCREMENT"
#define TEXTO(n) " VARCHAR(" #n ") COLLATE NOCASE"
#define TEXTO_LIBRE " TEXT COLLATE NOCASE"
#define ENTERO " INTEGER"
#define REAL " DOUBLE"
#define LOGICO " BOOLEAN NOT NULL DEFAULT 0"
#define FECHA " DATETIME"
#define BINARIO " BLOB"

const char* const kTablas[] = {
    "CREATE TABLE Titulares (TitularID" CLAVE ", TitularNombre" TEXTO(120) ", TitularCUIT" TEXTO(13)
    ", CPdata" TEXTO(50) ", TitularDomicilioReal" TEXTO(100) ", TitularDomicilioRealLocalidadID" ENTERO
    ", TitularDomicilioLegal" TEXTO(100) ", TitularDomicilioLegalLocalidadID" ENTERO
    ", TitularTelefono" TEXTO(100) ")",

    "CREATE TABLE ArchivosCP (ArchivoCPID" CLAVE ", ArchivoCPNombre" TEXTO(255) ", ArchivoCPFecha" FECHA
    ", ArchivoCPTitularID" ENTERO ", ArchivoCPNotas" TEXTO(255) ")",

    "CREATE TABLE CPxArchivo (CPxArchivoID" CLAVE ", CPxArchivoArchivoCPID" ENTERO
    ", CPxArchivoNombre1" TEXTO(50) ", CPxArchivoNombre2" TEXTO(50) ", CPxArchivoNombre3" TEXTO(50)
    ", CPxArchivoNombre4" TEXTO(50) ", CPxArchivoProcesada" LOGICO ", CPxArchivoEstado" ENTERO " DEFAULT -1"
    ", CPxArchivoCP" TEXTO(20) ", CPxArchivoCEE" TEXTO(20) ", CPxArchivoVENC" TEXTO(15)
    ", CPxArchivoObservaciones" TEXTO(200) ", CPxArchivoImgCP" BINARIO ", CPxArchivoImgCEE" BINARIO ")",

    "CREATE INDEX CPxArchivoArchivoCPID ON CPxArchivo (CPxArchivoArchivoCPID)",

    "CREATE TABLE CP (CPID" CLAVE ", CPArchivoID" ENTERO ", CPNumero" TEXTO(20) ", CPTitularID" ENTERO
    ", CPFechaCarga" FECHA ", CPCTG" TEXTO(50) ", CPIntermediarioID" ENTERO ", CPRemitenteID" ENTERO
    ", CPCorredorID" ENTERO ", CPRepresentanteID" ENTERO ", CPDestinatarioID" ENTERO ", CPDestinoID" ENTERO
    ", CPTransportistaID" ENTERO ", CPChoferID" ENTERO ", CPGranoID" ENTERO ", CPTipoID" ENTERO
    ", CPCosecha" TEXTO(9) ", CPContrato" TEXTO(50) ", CPPesadaDestino" LOGICO ", CPKgEstimado" ENTERO
    ", CPCalidad" ENTERO ", CPBruto" ENTERO ", CPTara" ENTERO ", CPNeto" ENTERO ", CPObservaciones" TEXTO_LIBRE
    ", CPProcedenciaID" ENTERO ", CPLugarDestinoID" ENTERO ", CPPagadorFleteID" ENTERO
    ", CPEstablecimiento" TEXTO(50) ", CPCamionID" TEXTO(6) ", CPAcopladoID" TEXTO(6) ", CPKm" ENTERO
    ", CPFletePagado" TEXTO(1) ", CPFletePagar" TEXTO(1) ", CPTarifa" REAL ", CPTarifaReferencia" REAL ")",

    "CREATE INDEX CPArchivoID ON CP (CPArchivoID)",

    "CREATE TABLE Estado (EstadoTitular" TEXTO_LIBRE ", EstadoVer" TEXTO_LIBRE ", EstadoDPI" ENTERO
    ", EstadoOptimizarImpresion" ENTERO ")",

    "CREATE TABLE Intermediarios (IntermediarioID" CLAVE ", IntermediarioNombre" TEXTO(50)
    ", IntermediarioCUIT" TEXTO(13) ")",
    "CREATE TABLE RemitentesComerciales (RemitenteID" CLAVE ", RemitenteNombre" TEXTO(50)
    ", RemitenteCUIT" TEXTO(13) ")",
    "CREATE TABLE Corredores (CorredorID" CLAVE ", CorredorNombre" TEXTO(50) ", CorredorCUIT" TEXTO(13) ")",
    "CREATE TABLE Representantes (RepresentanteID" CLAVE ", RepresentanteNombre" TEXTO(50)
    ", RepresentanteCUIT" TEXTO(13) ")",
    "CREATE TABLE Destinos (DestinoID" CLAVE ", DestinoNombre" TEXTO(50) ", DestinoCUIT" TEXTO(13) ")",
    "CREATE TABLE Destinatarios (DestinatarioID" CLAVE ", DestinatarioNombre" TEXTO(50)
    ", DestinatarioCUIT" TEXTO(13) ", DestinatarioDomicilio" TEXTO(100)
    ", DestinatarioDomicilioLocalidadID" ENTERO ")",
    "CREATE TABLE Transportistas (TransportistaID" CLAVE ", TransportistaNombre" TEXTO(50)
    ", TransportistaCUIT" TEXTO(13) ", TransportistaDomicilio" TEXTO(100)
    ", TransportistaDomicilioLocalidadID" ENTERO ")",

    "CREATE TABLE Choferes (ChoferID" CLAVE ", ChoferNombre" TEXTO(50) ", ChoferCUIT" TEXTO(13)
    ", ChoferCamion" TEXTO(6) ", ChoferAcoplado" TEXTO(6) ")",

    "CREATE TABLE Granos (GranoID" CLAVE ", GranoNombre" TEXTO(50) ")",
    "CREATE TABLE Tipos (TipoID" CLAVE ", TipoNombre" TEXTO(50) ")",
    "CREATE TABLE Pagadores (PagadorID" CLAVE ", PagadorNombre" TEXTO(50) ")",

    "CREATE TABLE Procedencias (ProcedenciaID" CLAVE ", ProcedenciaDireccion" TEXTO(100)
    ", ProcedenciaLocalidadID" ENTERO ", ProcedenciaEstablecimiento" TEXTO(50) ")",
    "CREATE TABLE LugaresDestino (LugarDestinoID" CLAVE ", LugarDestinoNombre" TEXTO(100)
    ", LugarDestinoLocalidadID" ENTERO ")",
    "CREATE TABLE Localidades (LocalidadID" CLAVE ", LocalidadNombre" TEXTO(50)
    ", LocalidadProvinciaID" ENTERO ")",
    "CREATE TABLE Provincias (ProvinciaID" CLAVE ", ProvinciaNombre" TEXTO(50) ")",

    "CREATE TABLE Usuarios (UsuarioID" CLAVE ", UsuarioNombre" TEXTO(50) ", UsuarioApellido" TEXTO(50)
    ", UsuarioLogin" TEXTO(50) ", UsuarioClave" TEXTO(50) ")",

    "CREATE TABLE tBitacora (cTipo" TEXTO_LIBRE ", cTabla" TEXTO_LIBRE ", cIDTabla" ENTERO
    ", cDescripcion" TEXTO_LIBRE ", cFecha" FECHA ", cOperador" ENTERO ")",
};

// The columns that older databases lack; the first one alone decides.
const char* const kColumnasNuevasCPxArchivo[] = {
    "ALTER TABLE CPxArchivo ADD COLUMN CPxArchivoCP" TEXTO(20),
    "ALTER TABLE CPxArchivo ADD COLUMN CPxArchivoCEE" TEXTO(20),
    "ALTER TABLE CPxArchivo ADD COLUMN CPxArchivoVENC" TEXTO(15),
    "ALTER TABLE CPxArchivo ADD COLUMN CPxArchivoObservaciones" TEXTO(200),
    "ALTER TABLE CPxArchivo ADD COLUMN CPxArchivoImgCP" BINARIO,
    "ALTER TABLE CPxArchivo ADD COLUMN CPxArchivoImgCEE" BINARIO,
};
// The batch list counts the blanks of every batch; this index holds all it reads, so the
// rows with their images are never touched for it.
const char* const kIndiceResumen =
    "CREATE INDEX IF NOT EXISTS CPxArchivoResumen ON CPxArchivo (CPxArchivoArchivoCPID, CPxArchivoProcesada,"
    " CPxArchivoEstado, CPxArchivoCP, CPxArchivoVENC)";
const char* const kColumnasResumen[] = {"CPxArchivoArchivoCPID", "CPxArchivoProcesada", "CPxArchivoEstado",
                                        "CPxArchivoCP", "CPxArchivoVENC"};

const char* const kColumnaTarifaReferencia = "ALTER TABLE CP ADD COLUMN CPTarifaReferencia" REAL;

void ejecutar(QSqlDatabase& base, const QString& sql, const QVariantList& valores = {})
{
    QSqlQuery consulta(base);
    if (!consulta.prepare(sql))
        throw TolvaError(QStringLiteral("Error de base de datos: %1").arg(consulta.lastError().text()));
    for (const QVariant& valor : valores)
        consulta.addBindValue(valor);
    if (!consulta.exec())
        throw TolvaError(QStringLiteral("Error de base de datos: %1").arg(consulta.lastError().text()));
}

// Runs the statements in one transaction: all of them or none.
void ejecutarTodo(QSqlDatabase& base, const std::function<void()>& sentencias)
{
    if (!base.transaction())
        throw TolvaError(QStringLiteral("Error de base de datos: %1").arg(base.lastError().text()));
    try {
        sentencias();
    } catch (...) {
        base.rollback();
        throw;
    }
    if (!base.commit()) {
        const QString motivo = base.lastError().text();
        base.rollback();
        throw TolvaError(QStringLiteral("Error de base de datos: %1").arg(motivo));
    }
}

} // namespace

namespace Esquema {

const QStringList& provincias()
{
    static const QStringList lista = {
        "BUENOS AIRES", "CAPITAL FEDERAL", "CATAMARCA", "CHACO", "CHUBUT", "CORDOBA", "CORRIENTES",
        "ENTRE RIOS", "FORMOSA", "JUJUY", "LA PAMPA", "LA RIOJA", "MENDOZA", "MISIONES", "NEUQUEN",
        "RIO NEGRO", "SALTA", "SAN JUAN", "SAN LUIS", "SANTA CRUZ", "SANTA FE", "SANTIAGO DEL ESTERO",
        "TIERRA DEL FUEGO", "TUCUMAN"};
    return lista;
}

void crear(QSqlDatabase& base)
{
    ejecutarTodo(base, [&] {
        for (const char* sentencia : kTablas)
            ejecutar(base, QString::fromLatin1(sentencia));
        for (const QString& provincia : provincias())
            ejecutar(base, QStringLiteral("INSERT INTO Provincias (ProvinciaNombre) VALUES (?)"), {provincia});
    });
}

QStringList columnas(QSqlDatabase& base, const QString& tabla)
{
    const QSqlRecord registro = base.record(tabla);
    QStringList nombres;
    for (int i = 0; i < registro.count(); ++i)
        nombres << registro.fieldName(i);
    return nombres;
}

bool tieneColumna(QSqlDatabase& base, const QString& tabla, const QString& columna)
{
    return columnas(base, tabla).contains(columna, Qt::CaseInsensitive);
}

void actualizar(QSqlDatabase& base)
{
    if (columnas(base, QStringLiteral("CPxArchivo")).isEmpty() || columnas(base, QStringLiteral("CP")).isEmpty())
        throw TolvaError(QStringLiteral("La base de datos no tiene las tablas de Tolva."));
    ejecutarTodo(base, [&] {
        if (!tieneColumna(base, QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoCP"))) {
            for (const char* sentencia : kColumnasNuevasCPxArchivo)
                ejecutar(base, QString::fromLatin1(sentencia));
        }
        if (!tieneColumna(base, QStringLiteral("CP"), QStringLiteral("CPTarifaReferencia")))
            ejecutar(base, QString::fromLatin1(kColumnaTarifaReferencia));
        const QStringList presentes = columnas(base, QStringLiteral("CPxArchivo"));
        const bool completas = std::all_of(std::begin(kColumnasResumen), std::end(kColumnasResumen),
            [&](const char* c) { return presentes.contains(QLatin1String(c), Qt::CaseInsensitive); });
        if (completas)
            ejecutar(base, QString::fromLatin1(kIndiceResumen));
    });
}

} // namespace Esquema
