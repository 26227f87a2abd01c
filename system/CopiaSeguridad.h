#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class Prompts;
class Td;

// Backup of the whole database into one zip file (extension "tolva", one entry "cp.mdb"
// without folder) and its restore. The system window and the command line both use it:
// it talks to the user only through Prompts and reconnects through the callback it is given
// (the main window's Conectar, or a plain connect on the command line).
//
// The restore never puts anything in place of the database before the extracted copy has
// been checked: it is written to a temporary file inside the database folder, opened as a
// database, checked for Tolva's tables, and only then moved over "cp.mdb". Entries with
// folder parts or ".." are never written anywhere.
class CopiaSeguridad {
public:
    // Reconnects the database and reloads what depends on it; false when the program
    // cannot go on (the reason has been shown).
    using Reconectar = std::function<bool()>;
    // Shown at the start of the work (true) and hidden at its end (false).
    using Ocupado = std::function<void(bool)>;

    CopiaSeguridad(Td& d, Prompts& prompts, QString carpetaDatos, Reconectar reconectar);

    void setOcupado(Ocupado ocupado) { ocupado_ = std::move(ocupado); }

    // "Guardar copia de seguridad": without a file, asks for one with the save dialog;
    // with one (the command line), asks before replacing an existing file. True when the
    // backup was written. A failure (a folder that cannot be written, a database that
    // cannot be read) throws TolvaError after the database has been reconnected.
    bool Guardar(const QString& destino = {});

    // "Recuperar copia de seguridad": the two questions and, without a file, the open
    // dialog between them. True when the database was replaced by the copy. An archive
    // that is not a Tolva backup leaves the database untouched and says so.
    bool Recuperar(const QString& archivo = {});

    // Whether the last reconnection failed (the program cannot go on).
    bool conexionPerdida() const { return conexionPerdida_; }

    // The temporary archive in the work folder.
    QString archivoTemporal() const;
    QString archivoBase() const;

    // Writes the zip file of the database file (the database must not be in use by this
    // program). Throws TolvaError on failure; the target is left as it was.
    static void comprimirBase(const QString& base, const QString& zip);
    // Extracts the database entry of a backup into destino and checks it. Returns false
    // (destino removed) when the archive is not a Tolva backup; throws TolvaError when
    // destino cannot be written.
    static bool extraerBase(const QString& zip, const QString& destino);
    // Whether the file opens as a database holding Tolva's tables.
    static bool esBaseTolva(const QString& archivo);
    // The tables that a Tolva database holds.
    static const QStringList& tablasTolva();

private:
    bool guardarEn(const QString& destino);
    bool recuperarDe(const QString& archivo);
    bool reconectar();
    // Runs the work with the database closed, then reconnects and removes the temporary
    // archive on every path; rethrows the work's failure.
    void conBaseCerrada(const std::function<void()>& trabajo, const QString& temporal);

    Td& d_;
    Prompts& prompts_;
    QString carpetaDatos_;
    Reconectar reconectar_;
    Ocupado ocupado_;
    bool conexionPerdida_ = false;
};

extern const QString kCopiaFinalizada;
extern const QString kCopiaRecuperada;
extern const QString kCopiaNoValida;
extern const QString kPreguntaRecuperar;
extern const QString kPreguntaConfirmaRecuperar;
extern const QString kFiltroCopia;
