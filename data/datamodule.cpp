#include "data/datamodule.h"

#include "data/Esquema.h"
#include "data/Prompts.h"
#include "data/TolvaError.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringConverter>
#include <QTextStream>
#include <QUuid>

#include <sqlite3.h>

const QString kMensajeErrorConexion = QStringLiteral(
    "Hay problemas para conectarse a la base de datos, por favor verifique la instalación");

namespace {

// How long a statement waits for another program that holds the database locked.
constexpr int kEsperaBloqueoMs = 15000;

QString errorBase(const QSqlError& error)
{
    return QStringLiteral("Error de base de datos: %1").arg(error.text().trimmed());
}

// Text equality and order that ignore letter case, accented capitals included
// (á = Á, ñ = Ñ), while accents still count (a ≠ á).
int compararSinMayusculas(void*, int largoA, const void* a, int largoB, const void* b)
{
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    const int comun = std::min(largoA, largoB);
    int i = 0;
    for (; i < comun && pa[i] < 0x80 && pb[i] < 0x80; ++i) {
        const int ca = std::tolower(pa[i]);
        const int cb = std::tolower(pb[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i == comun && (i == largoA || pa[i] < 0x80) && (i == largoB || pb[i] < 0x80))
        return largoA == largoB ? 0 : (largoA < largoB ? -1 : 1);
    const QString ta = QString::fromUtf8(reinterpret_cast<const char*>(pa + i), largoA - i).toCaseFolded();
    const QString tb = QString::fromUtf8(reinterpret_cast<const char*>(pb + i), largoB - i).toCaseFolded();
    const int r = ta.compare(tb);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

sqlite3* manejadorSqlite(QSqlDatabase& base)
{
    const QVariant manejador = base.driver()->handle();
    if (manejador.isValid() && qstrcmp(manejador.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(manejador.data());
    return nullptr;
}

} // namespace

Td::Td(QObject* parent)
    : QObject(parent),
      nombreConexion_(QStringLiteral("adoCP-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    qmyArchivosCP.setCalculados({QStringLiteral("Disponibles"), QStringLiteral("TotalAnuladas")},
                                [this](const Consulta& c, Consulta::Fila& f) { qmyArchivosCPOLDCalcFields(c, f); });
}

Td::~Td()
{
    desconectar();
}

bool Td::conectado() const
{
    return adoCP_.isValid() && adoCP_.isOpen();
}

bool Td::ConectarBase(const QString& carpetaDatos, Prompts& prompts)
{
    try {
        conectar(carpetaDatos);
        return true;
    } catch (const TolvaError& error) {
        motivoFalla_ = error.texto();
        prompts.mensaje(QStringLiteral("Error"), kMensajeErrorConexion, Prompts::Icono::Error);
        return false;
    }
}

void Td::conectar(const QString& carpetaDatos)
{
    const QString archivo = QDir(carpetaDatos).filePath(QStringLiteral("ADODB/cp.mdb"));
    if (conectado() && archivo == archivoBase_) {
        ActualizarEsquema();
        return;
    }
    desconectar();
    carpetaDatos_ = carpetaDatos;
    archivoBase_ = archivo;
    const bool crear = !QFileInfo::exists(archivo);
    if (crear && !QDir().mkpath(QFileInfo(archivo).absolutePath()))
        throw TolvaError(QStringLiteral("No se pudo crear la carpeta %1.").arg(QFileInfo(archivo).absolutePath()));
    try {
        abrirArchivo(archivo, crear);
    } catch (...) {
        desconectar();
        if (crear)
            QFile::remove(archivo);
        throw;
    }
}

void Td::abrirArchivo(const QString& archivo, bool crear)
{
    adoCP_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombreConexion_);
    adoCP_.setDatabaseName(archivo);
    adoCP_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kEsperaBloqueoMs));
    if (!adoCP_.open())
        throw TolvaError(errorBase(adoCP_.lastError()));
    registrarComparacionSinMayusculas();

    // A file that is not a database only shows it on the first read.
    valorUnico(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
    if (sqlite3* h = manejadorSqlite(adoCP_); h && sqlite3_db_readonly(h, "main") == 1)
        throw TolvaError(QStringLiteral("No se puede escribir en la base de datos %1.").arg(archivo));
    if (crear)
        Esquema::crear(adoCP_);
    ActualizarEsquema();
}

void Td::registrarComparacionSinMayusculas()
{
    sqlite3* h = manejadorSqlite(adoCP_);
    if (!h)
        return;
    sqlite3_create_collation(h, "NOCASE", SQLITE_UTF8, nullptr, compararSinMayusculas);
}

void Td::desconectar()
{
    for (Consulta* c : {&tmyTitulares, &tmyEstado, &tmyBlancos, &qmyArchivosCP, &qmyAUX, &qmyAux2, &qmyDatos,
                        &qmyTabla, &qmyCargaCombo, &qmyReportes, &qmyVerCP, &qmyUSUARIOS, &qmyCartas,
                        &qmyBlancos, &qmyCopia})
        c->cerrar();
    if (adoCP_.isValid()) {
        adoCP_.close();
        adoCP_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(nombreConexion_);
    }
    transacciones_ = 0;
}

void Td::ActualizarEsquema()
{
    Esquema::actualizar(adoCP_);
}

QSqlQuery Td::ejecutarConsulta(const QString& sql, const QVariantList& valores)
{
    if (!conectado())
        throw TolvaError(QStringLiteral("No hay conexión con la base de datos."));
    QSqlQuery consulta(adoCP_);
    consulta.setForwardOnly(true);
    if (!consulta.prepare(sql))
        throw TolvaError(errorBase(consulta.lastError()));
    for (const QVariant& valor : valores)
        consulta.addBindValue(valor);
    if (!consulta.exec())
        throw TolvaError(errorBase(consulta.lastError()));
    return consulta;
}

void Td::AbrirConsulta(Consulta& consulta, const QString& sql, const QVariantList& valores)
{
    consulta.cerrar();
    consulta.preparar(sql, valores);
    QSqlQuery q = ejecutarConsulta(sql, valores);
    consulta.cargar(q);
}

int Td::EjecutarSQL(Consulta& consulta, const QString& sql, const QVariantList& valores)
{
    consulta.cerrar();
    consulta.preparar(sql, valores);
    return ejecutarConsulta(sql, valores).numRowsAffected();
}

void Td::Refrescar(Consulta& consulta)
{
    QSqlQuery q = ejecutarConsulta(consulta.sql(), consulta.valores());
    consulta.cargar(q);
}

int Td::ejecutar(const QString& sql, const QVariantList& valores)
{
    return ejecutarConsulta(sql, valores).numRowsAffected();
}

QVariant Td::valorUnico(const QString& sql, const QVariantList& valores)
{
    QSqlQuery q = ejecutarConsulta(sql, valores);
    return q.next() ? q.value(0) : QVariant();
}

qint64 Td::Insertar(const QString& tabla, const Valores& valores)
{
    QStringList columnas;
    QStringList marcas;
    QVariantList datos;
    for (const auto& [columna, valor] : valores) {
        columnas << columna;
        marcas << QStringLiteral("?");
        datos << valor;
    }
    const QString sql = columnas.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tabla)
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(tabla, columnas.join(','), marcas.join(','));
    return ejecutarConsulta(sql, datos).lastInsertId().toLongLong();
}

void Td::empezarTransaccion()
{
    if (transacciones_++ == 0) {
        try {
            ejecutar(QStringLiteral("BEGIN IMMEDIATE"));
        } catch (...) {
            transacciones_ = 0;
            throw;
        }
    }
}

void Td::confirmarTransaccion()
{
    if (transacciones_ <= 0 || --transacciones_ > 0)
        return;
    try {
        ejecutar(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(adoCP_).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

void Td::deshacerTransaccion()
{
    if (transacciones_ <= 0 || --transacciones_ > 0)
        return;
    QSqlQuery(adoCP_).exec(QStringLiteral("ROLLBACK"));
}

Transaccion::~Transaccion()
{
    if (!terminada_)
        d_.deshacerTransaccion();
}

void Transaccion::confirmar()
{
    terminada_ = true;
    d_.confirmarTransaccion();
}

void Td::GuardaError(const QString& comando, const QString& salida)
{
    QFile archivo(QDir(carpetaDatos_).filePath(QStringLiteral("error.log")));
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        throw TolvaError(QStringLiteral("No se pudo escribir el registro de errores %1: %2")
                             .arg(archivo.fileName(), archivo.errorString()));
    const QLocale local = QLocale::system();
    const QDateTime ahora = QDateTime::currentDateTime();
    QTextStream flujo(&archivo);
    flujo.setEncoding(QStringConverter::System);
    flujo << "Fecha: " << local.toString(ahora.date(), QLocale::ShortFormat)
          << " Hora: " << local.toString(ahora.time(), QLocale::LongFormat) << '\n'
          << "Comando   : " << comando << '\n'
          << "Resultado : " << salida << '\n';
    flujo.flush();
    if (flujo.status() != QTextStream::Ok || archivo.error() != QFileDevice::NoError)
        throw TolvaError(QStringLiteral("No se pudo escribir el registro de errores %1: %2")
                             .arg(archivo.fileName(), archivo.errorString()));
}

bool Td::esCUIT(const QString& texto)
{
    static constexpr int kPesos[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    if (texto.size() < 11)
        return false;
    int suma = 0;
    for (int i = 0; i < 11; ++i) {
        if (!texto.at(i).isDigit() || texto.at(i).unicode() > '9')
            return false;
        if (i < 10)
            suma += kPesos[i] * texto.at(i).digitValue();
    }
    const int resto = suma % 11;
    const int esperado = resto == 0 ? 0 : (resto == 1 ? 9 : 11 - resto);
    return texto.at(10).digitValue() == esperado;
}

QString Td::GetShortName(const QString& ruta)
{
    const QFileInfo info(ruta);
    return info.exists() ? QDir::toNativeSeparators(info.absoluteFilePath()) : QString();
}

void Td::qmyArchivosCPOLDCalcFields(const Consulta& consulta, Consulta::Fila& fila) const
{
    auto entero = [&](const char* campo) {
        const int i = consulta.indiceCampo(QLatin1String(campo));
        return i >= 0 ? fila.at(i).toLongLong() : 0;
    };
    const qint64 cantidad = entero("CantidadCP");
    const qint64 emitidas = entero("Emitidas");
    const qint64 disponiblesAnuladas = entero("DisponiblesAnuladas");
    const qint64 emitidasAnuladas = entero("EmitidasAnuladas");
    fila[consulta.indiceCampo(QStringLiteral("Disponibles"))] = cantidad - emitidas - disponiblesAnuladas;
    fila[consulta.indiceCampo(QStringLiteral("TotalAnuladas"))] = emitidasAnuladas + disponiblesAnuladas;
}
