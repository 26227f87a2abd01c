// Backup and restore of a large database, timed against the Info-ZIP tools doing the same
// work on the same file in the same run ("zip -q" for the backup, "unzip -q" for the restore).
//
//   bench_copia_seguridad [--rondas N] [--chica] [CARPETA_DATOS]
//
// Without a folder, a synthetic database (about 100,000 blanks with their barcode pictures)
// is generated in a temporary folder; a folder that already holds ADODB/cp.mdb is used as it
// is. Needs the zip and unzip programs (Debian packages "zip" and "unzip":
// apt-get install --no-install-recommends zip unzip).
#include "generar/BaseSintetica.h"

#include "data/Prompts.h"
#include "data/datamodule.h"
#include "system/CopiaSeguridad.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

// Answers Yes to every question and keeps the messages for the end of the round.
class PromptsBanco : public Prompts {
public:
    void mensaje(const QString&, const QString& texto, Icono) override { mensajes << texto; }
    bool pregunta(const QString&, const QString&, Icono) override { return true; }
    QStringList elegirArchivosAbrir(const DialogoArchivo&, bool) override { return {}; }
    QString elegirArchivoGuardar(const DialogoArchivo&) override { return {}; }
    QString elegirCarpeta(const QString&) override { return {}; }
    void abrirConEscritorio(const QString&) override {}
    QStringList mensajes;
};

double segundos(const QElapsedTimer& reloj)
{
    return double(reloj.nsecsElapsed()) / 1e9;
}

double correr(const QString& programa, const QStringList& argumentos, const QString& carpeta)
{
    QProcess proceso;
    proceso.setWorkingDirectory(carpeta);
    proceso.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer reloj;
    reloj.start();
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(-1) || proceso.exitCode() != 0) {
        QTextStream(stderr) << programa << " falló: " << proceso.readAll() << Qt::endl;
        std::exit(1);
    }
    return segundos(reloj);
}

QString mb(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" MB");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList argumentos = app.arguments().mid(1);
    int rondas = 3;
    if (const int i = argumentos.indexOf(QStringLiteral("--rondas")); i >= 0 && i + 1 < argumentos.size()) {
        rondas = std::max(1, argumentos.at(i + 1).toInt());
        argumentos.remove(i, 2);
    }
    TamanoBase tamano;
    if (argumentos.removeAll(QStringLiteral("--chica")) > 0)
        tamano = {2, 60, 3000, 1000};

    const QString zip = QStandardPaths::findExecutable(QStringLiteral("zip"));
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (zip.isEmpty() || unzip.isEmpty()) {
        out << "Faltan los programas zip y unzip: apt-get install --no-install-recommends zip unzip\n";
        return 1;
    }

    QTemporaryDir temporal;
    const QString carpeta = argumentos.isEmpty() ? temporal.path() + QStringLiteral("/Tolva/")
                                                 : QDir(argumentos.first()).absolutePath() + QStringLiteral("/");
    const QString base = carpeta + QStringLiteral("ADODB/cp.mdb");
    QDir().mkpath(carpeta + QStringLiteral("CPAUX"));

    Td d;
    const bool generar = !QFileInfo::exists(base);
    d.conectar(carpeta);
    if (generar) {
        QElapsedTimer reloj;
        reloj.start();
        out << "Base sintética: " << generarBaseSintetica(d, tamano) << " (" << segundos(reloj) << " s)\n";
    }
    out << "Base de datos: " << base << ", " << mb(QFileInfo(base).size()) << "\n";
    out.flush();

    PromptsBanco prompts;
    CopiaSeguridad copia(d, prompts, carpeta, [&] {
        d.conectar(carpeta);
        return true;
    });
    QTemporaryDir trabajo;
    const QString copiaTolva = trabajo.filePath(QStringLiteral("copia.tolva"));
    const QString copiaZip = trabajo.filePath(QStringLiteral("copia.zip"));
    const QString extraida = trabajo.filePath(QStringLiteral("extraida"));
    QDir().mkpath(extraida);

    double mejorGuardar = 1e9, mejorZip = 1e9, mejorRecuperar = 1e9, mejorUnzip = 1e9;
    out << "ronda  guardar(s)  zip -q(s)  razón   recuperar(s)  unzip -q(s)  razón\n";
    for (int ronda = 1; ronda <= rondas; ++ronda) {
        QFile::remove(copiaTolva);
        QFile::remove(copiaZip);
        prompts.mensajes.clear();

        QElapsedTimer reloj;
        reloj.start();
        if (!copia.Guardar(copiaTolva)) {
            out << "La copia de seguridad no se hizo: " << prompts.mensajes.join(' ') << "\n";
            return 1;
        }
        const double guardar = segundos(reloj);

        d.desconectar();   // zip reads the same closed file
        const double conZip = correr(zip, {QStringLiteral("-q"), copiaZip, QStringLiteral("cp.mdb")},
                                     carpeta + QStringLiteral("ADODB"));
        d.conectar(carpeta);

        reloj.restart();
        if (!copia.Recuperar(copiaTolva)) {
            out << "La recuperación no se hizo: " << prompts.mensajes.join(' ') << "\n";
            return 1;
        }
        const double recuperar = segundos(reloj);

        const double conUnzip = correr(unzip, {QStringLiteral("-q"), QStringLiteral("-o"), copiaZip,
                                               QStringLiteral("-d"), extraida},
                                       trabajo.path());

        out << QStringLiteral("%1  %2  %3  %4   %5  %6  %7\n")
                   .arg(ronda, 5)
                   .arg(guardar, 10, 'f', 3)
                   .arg(conZip, 9, 'f', 3)
                   .arg(guardar / conZip, 5, 'f', 2)
                   .arg(recuperar, 12, 'f', 3)
                   .arg(conUnzip, 11, 'f', 3)
                   .arg(recuperar / conUnzip, 5, 'f', 2);
        out.flush();
        mejorGuardar = std::min(mejorGuardar, guardar);
        mejorZip = std::min(mejorZip, conZip);
        mejorRecuperar = std::min(mejorRecuperar, recuperar);
        mejorUnzip = std::min(mejorUnzip, conUnzip);
    }
    out << "Tamaños: copia.tolva " << mb(QFileInfo(copiaTolva).size()) << ", zip " << mb(QFileInfo(copiaZip).size())
        << "\n";
    out << QStringLiteral("Mejores tiempos: copia de seguridad %1 s / zip -q %2 s = %3; recuperación %4 s / unzip -q %5 s = %6\n")
               .arg(mejorGuardar, 0, 'f', 3)
               .arg(mejorZip, 0, 'f', 3)
               .arg(mejorGuardar / mejorZip, 0, 'f', 2)
               .arg(mejorRecuperar, 0, 'f', 3)
               .arg(mejorUnzip, 0, 'f', 3)
               .arg(mejorRecuperar / mejorUnzip, 0, 'f', 2);
    return 0;
}
