#include "system/CopiaSeguridad.h"

#include "data/Carpetas.h"
#include "data/CursorEspera.h"
#include "data/Esquema.h"
#include "data/Prompts.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <sqlite3.h>
#include <zip.h>

#include <cstdio>
#include <exception>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

const QString kCopiaFinalizada = QStringLiteral("Copia de seguridad finalizada.");
const QString kCopiaRecuperada = QStringLiteral("Copia de seguridad recuperada.");
const QString kCopiaNoValida = QStringLiteral("El archivo seleccionado no es una copia de seguridad válida de Tolva.");
const QString kPreguntaRecuperar = QStringLiteral(
    "IMPORTANTE: la recuperación de la copia de seguridad reemplazará todos los datos actuales, ¿desea continuar?");
const QString kPreguntaConfirmaRecuperar = QStringLiteral(
    "¿Confirma la recuperación del archivo seleccionado? Todos los datos actuales serán reemplazados");
const QString kFiltroCopia = QStringLiteral("Copia de seguridad Tolva (*.tolva)");

namespace {

const QString kAtencion = QStringLiteral("Atención");
// The one entry of a backup: the database file under its own name, without folder.
const char* const kEntrada = "cp.mdb";
constexpr qint64 kBloque = 1 << 20;

QString textoZip(int codigo)
{
    zip_error_t error;
    zip_error_init_with_code(&error, codigo);
    const QString texto = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return texto;
}

struct CerrarZip {
    void operator()(zip_t* archivo) const { zip_discard(archivo); }
};
struct CerrarEntrada {
    void operator()(zip_file_t* entrada) const { zip_fclose(entrada); }
};

// Holds a read lock on the database file for its lifetime. Taking it first rolls back
// a transaction that a crashed program left in a journal, and while it is held no other
// program can write into the file: what is read meanwhile is one consistent database.
class LecturaConsistente {
public:
    explicit LecturaConsistente(const QString& archivo)
    {
        const int abierta = sqlite3_open_v2(QFile::encodeName(archivo).constData(), &base_,
                                            SQLITE_OPEN_READWRITE, nullptr);
        if (abierta == SQLITE_OK) {
            sqlite3_busy_timeout(base_, 15000);
            if (sqlite3_exec(base_, "BEGIN; SELECT COUNT(*) FROM sqlite_master;", nullptr, nullptr, nullptr)
                == SQLITE_OK)
                return;
        }
        const QString motivo = base_ ? QString::fromUtf8(sqlite3_errmsg(base_)) : QString();
        sqlite3_close(base_);
        throw TolvaError(QStringLiteral("No se pudo leer la base de datos %1: %2").arg(archivo, motivo));
    }
    ~LecturaConsistente()
    {
        sqlite3_exec(base_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(base_);
    }
    LecturaConsistente(const LecturaConsistente&) = delete;
    LecturaConsistente& operator=(const LecturaConsistente&) = delete;

private:
    sqlite3* base_ = nullptr;
};

// Copies a file over another one in a single step: the target is either the old file or
// the complete new one, never a part.
void copiarSobre(const QString& origen, const QString& destino)
{
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly))
        throw TolvaError(QStringLiteral("No se pudo leer el archivo %1: %2").arg(origen, entrada.errorString()));
    QSaveFile salida(destino);
    if (!salida.open(QIODevice::WriteOnly))
        throw TolvaError(QStringLiteral("No se pudo guardar la copia de seguridad en %1: %2")
                             .arg(destino, salida.errorString()));
    QByteArray bloque;
    while (!entrada.atEnd()) {
        bloque = entrada.read(kBloque);
        if (bloque.isEmpty() && entrada.error() != QFile::NoError)
            break;
        if (salida.write(bloque) != bloque.size())
            break;
    }
    if (entrada.error() != QFile::NoError) {
        salida.cancelWriting();
        throw TolvaError(QStringLiteral("No se pudo leer el archivo %1: %2").arg(origen, entrada.errorString()));
    }
    if (salida.error() != QFile::NoError || !salida.commit())
        throw TolvaError(QStringLiteral("No se pudo guardar la copia de seguridad en %1: %2")
                             .arg(destino, salida.errorString()));
}

// Puts a copy of the chosen file in the place of the temporary archive.
void copiarReemplazando(const QString& origen, const QString& destino)
{
    QFile::remove(destino);
    QFile entrada(origen);
    if (!entrada.copy(destino))
        throw TolvaError(QStringLiteral("No se pudo leer el archivo %1: %2").arg(origen, entrada.errorString()));
}

// Moves the checked copy over the database file in one step. Journal files of the old
// database go first: left beside the new file they would be played back into it.
void reemplazarBase(const QString& nueva, const QString& base)
{
    for (const char* sufijo : {"-journal", "-wal", "-shm"}) {
        const QString resto = base + QLatin1String(sufijo);
        if (QFileInfo::exists(resto) && !QFile::remove(resto))
            throw TolvaError(QStringLiteral("No se pudo borrar el archivo %1.").arg(resto));
    }
#ifdef Q_OS_WIN
    const bool hecho = MoveFileExW(reinterpret_cast<LPCWSTR>(nueva.utf16()), reinterpret_cast<LPCWSTR>(base.utf16()),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    const bool hecho = std::rename(QFile::encodeName(nueva).constData(), QFile::encodeName(base).constData()) == 0;
#endif
    if (!hecho)
        throw TolvaError(QStringLiteral("No se pudo reemplazar la base de datos %1.").arg(base));
}

bool mismoArchivo(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

CopiaSeguridad::CopiaSeguridad(Td& d, Prompts& prompts, QString carpetaDatos, Reconectar reconectar)
    : d_(d), prompts_(prompts), carpetaDatos_(std::move(carpetaDatos)), reconectar_(std::move(reconectar))
{
}

QString CopiaSeguridad::archivoTemporal() const
{
    return Carpetas::carpetaTrabajo(carpetaDatos_) + QStringLiteral("tmp.zip");
}

QString CopiaSeguridad::archivoBase() const
{
    return QDir(carpetaDatos_).filePath(QStringLiteral("ADODB/cp.mdb"));
}

const QStringList& CopiaSeguridad::tablasTolva()
{
    static const QStringList tablas = [] {
        QStringList lista;
        const QString conexion = QStringLiteral("tablas-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        {
            QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
            base.setDatabaseName(QStringLiteral(":memory:"));
            if (base.open()) {
                Esquema::crear(base);
                QSqlQuery consulta(base);
                consulta.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"
                                             " AND name NOT LIKE 'sqlite%' ORDER BY name"));
                while (consulta.next())
                    lista << consulta.value(0).toString();
            }
            base.close();
        }
        QSqlDatabase::removeDatabase(conexion);
        // No operation of the program reads or writes this one.
        lista.removeAll(QStringLiteral("tBitacora"));
        return lista;
    }();
    return tablas;
}

bool CopiaSeguridad::esBaseTolva(const QString& archivo)
{
    const QStringList& requeridas = tablasTolva();
    if (requeridas.isEmpty())
        return false;
    bool valida = false;
    const QString conexion = QStringLiteral("copia-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
        base.setDatabaseName(archivo);
        base.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (base.open()) {
            QSet<QString> presentes;
            {
                // A file that is not a database fails on this first read.
                QSqlQuery consulta(base);
                if (consulta.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
                    while (consulta.next())
                        presentes.insert(consulta.value(0).toString().toLower());
                }
            }
            valida = !presentes.isEmpty();
            for (const QString& tabla : requeridas)
                valida = valida && presentes.contains(tabla.toLower());
            valida = valida && !Esquema::columnas(base, QStringLiteral("CPxArchivo")).isEmpty();
        }
        base.close();
    }
    QSqlDatabase::removeDatabase(conexion);
    return valida;
}

void CopiaSeguridad::comprimirBase(const QString& base, const QString& zip)
{
    const LecturaConsistente lectura(base);
    QFile::remove(zip);
    int codigo = 0;
    std::unique_ptr<zip_t, CerrarZip> archivo(
        zip_open(QFile::encodeName(zip).constData(), ZIP_CREATE | ZIP_TRUNCATE, &codigo));
    if (!archivo)
        throw TolvaError(QStringLiteral("No se pudo crear el archivo %1: %2").arg(zip, textoZip(codigo)));
    zip_source_t* fuente = zip_source_file(archivo.get(), QFile::encodeName(base).constData(), 0, 0);
    if (!fuente)
        throw TolvaError(QStringLiteral("No se pudo leer la base de datos %1: %2")
                             .arg(base, QString::fromLocal8Bit(zip_strerror(archivo.get()))));
    const zip_int64_t indice = zip_file_add(archivo.get(), kEntrada, fuente, ZIP_FL_OVERWRITE);
    if (indice < 0) {
        zip_source_free(fuente);
        throw TolvaError(QStringLiteral("No se pudo crear el archivo %1: %2")
                             .arg(zip, QString::fromLocal8Bit(zip_strerror(archivo.get()))));
    }
    // Deflate at the usual level: the database pages compress well, its pictures do not.
    zip_set_file_compression(archivo.get(), zip_uint64_t(indice), ZIP_CM_DEFLATE, 6);
    if (zip_close(archivo.get()) != 0) {
        const QString motivo = QString::fromLocal8Bit(zip_strerror(archivo.get()));
        QFile::remove(zip);
        throw TolvaError(QStringLiteral("No se pudo crear el archivo %1: %2").arg(zip, motivo));
    }
    archivo.release();
}

bool CopiaSeguridad::extraerBase(const QString& zip, const QString& destino)
{
    QFile::remove(destino);
    int codigo = 0;
    std::unique_ptr<zip_t, CerrarZip> archivo(zip_open(QFile::encodeName(zip).constData(), ZIP_RDONLY, &codigo));
    if (!archivo)
        return false;

    // Only an entry named like the database file, without any folder part, is the
    // database; names are never used as paths.
    zip_int64_t indice = -1;
    const zip_int64_t entradas = zip_get_num_entries(archivo.get(), 0);
    for (zip_int64_t i = 0; i < entradas && indice < 0; ++i) {
        const char* nombre = zip_get_name(archivo.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (nombre && QString::fromUtf8(nombre).compare(QLatin1String(kEntrada), Qt::CaseInsensitive) == 0)
            indice = i;
    }
    if (indice < 0)
        return false;
    std::unique_ptr<zip_file_t, CerrarEntrada> entrada(zip_fopen_index(archivo.get(), zip_uint64_t(indice), 0));
    if (!entrada)
        return false;

    QFile salida(destino);
    if (!salida.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw TolvaError(QStringLiteral("No se pudo escribir el archivo %1: %2").arg(destino, salida.errorString()));
    QByteArray bloque(kBloque, Qt::Uninitialized);
    bool leida = true;
    for (;;) {
        const zip_int64_t leidos = zip_fread(entrada.get(), bloque.data(), zip_uint64_t(bloque.size()));
        if (leidos < 0) {
            leida = false;
            break;
        }
        if (leidos == 0)
            break;
        if (salida.write(bloque.constData(), leidos) != leidos) {
            const QString motivo = salida.errorString();
            salida.close();
            QFile::remove(destino);
            throw TolvaError(QStringLiteral("No se pudo escribir el archivo %1: %2").arg(destino, motivo));
        }
    }
    // Closing the entry reports a checksum that does not match.
    if (zip_fclose(entrada.release()) != 0)
        leida = false;
    salida.close();
    if (salida.error() != QFile::NoError) {
        const QString motivo = salida.errorString();
        QFile::remove(destino);
        throw TolvaError(QStringLiteral("No se pudo escribir el archivo %1: %2").arg(destino, motivo));
    }
    if (!leida || !esBaseTolva(destino)) {
        QFile::remove(destino);
        return false;
    }
    return true;
}

bool CopiaSeguridad::reconectar()
{
    conexionPerdida_ = !reconectar_ || !reconectar_();
    return !conexionPerdida_;
}

bool CopiaSeguridad::Guardar(const QString& destinoDado)
{
    QString destino = destinoDado;
    if (destino.isEmpty()) {
        Prompts::DialogoArchivo dialogo;
        dialogo.titulo = QStringLiteral("Guardar copia de seguridad");
        dialogo.filtro = kFiltroCopia;
        dialogo.extension = QStringLiteral("tolva");
        dialogo.nombreInicial = QStringLiteral("Copia de seguridad Tolva");
        destino = prompts_.elegirArchivoGuardar(dialogo);
        if (destino.isEmpty())
            return false;
    } else if (QFileInfo::exists(destino)) {
        if (!prompts_.pregunta(kAtencion,
                               QStringLiteral("El archivo %1 ya existe. ¿Desea reemplazarlo?").arg(destino),
                               Prompts::Icono::Pregunta))
            return false;
    }
    if (mismoArchivo(destino, archivoBase()) || mismoArchivo(destino, archivoTemporal()))
        throw TolvaError(QStringLiteral("La copia de seguridad no puede guardarse en el archivo %1.").arg(destino));
    return guardarEn(destino);
}

void CopiaSeguridad::conBaseCerrada(const std::function<void()>& trabajo, const QString& temporal)
{
    std::exception_ptr fallo;
    if (ocupado_)
        ocupado_(true);
    {
        CursorEspera espera;
        d_.desconectar();
        try {
            trabajo();
        } catch (...) {
            fallo = std::current_exception();
        }
        if (ocupado_)
            ocupado_(false);
        // The database comes back whatever happened; a failure of the work is the one reported.
        try {
            reconectar();
        } catch (...) {
            if (!fallo)
                fallo = std::current_exception();
        }
    }
    QFile::remove(temporal);
    if (fallo)
        std::rethrow_exception(fallo);
}

bool CopiaSeguridad::guardarEn(const QString& destino)
{
    const QString temporal = archivoTemporal();
    QDir().mkpath(QFileInfo(temporal).absolutePath());
    conBaseCerrada([&] {
        comprimirBase(archivoBase(), temporal);
        copiarSobre(temporal, destino);
    }, temporal);
    if (conexionPerdida_)
        return false;
    prompts_.mensaje(kAtencion, kCopiaFinalizada, Prompts::Icono::Informacion);
    return true;
}

bool CopiaSeguridad::Recuperar(const QString& archivoDado)
{
    if (!prompts_.pregunta(kAtencion, kPreguntaRecuperar, Prompts::Icono::Advertencia))
        return false;
    QString archivo = archivoDado;
    if (archivo.isEmpty()) {
        Prompts::DialogoArchivo dialogo;
        dialogo.titulo = QStringLiteral("Recuperar copia de seguridad");
        dialogo.filtro = kFiltroCopia;
        dialogo.extension = QStringLiteral("tolva");
        const QStringList elegidos = prompts_.elegirArchivosAbrir(dialogo, false);
        if (elegidos.isEmpty() || elegidos.first().isEmpty())
            return false;
        archivo = elegidos.first();
    }
    if (!prompts_.pregunta(kAtencion, kPreguntaConfirmaRecuperar, Prompts::Icono::Pregunta))
        return false;
    return recuperarDe(archivo);
}

bool CopiaSeguridad::recuperarDe(const QString& archivo)
{
    const QString temporal = archivoTemporal();
    const QString base = archivoBase();
    const QString extraida = base + QStringLiteral(".recuperada");
    bool valida = false;
    conBaseCerrada([&] {
        const auto quitarExtraida = qScopeGuard([&] { QFile::remove(extraida); });
        QDir().mkpath(QFileInfo(temporal).absolutePath());
        QDir().mkpath(QFileInfo(base).absolutePath());
        if (!mismoArchivo(archivo, temporal))
            copiarReemplazando(archivo, temporal);
        valida = extraerBase(temporal, extraida);
        if (valida)
            reemplazarBase(extraida, base);
    }, temporal);
    if (conexionPerdida_)
        return false;
    if (!valida) {
        prompts_.mensaje(kAtencion, kCopiaNoValida, Prompts::Icono::Advertencia);
        return false;
    }
    prompts_.mensaje(kAtencion, kCopiaRecuperada, Prompts::Icono::Informacion);
    return true;
}
