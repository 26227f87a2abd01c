// Imports a generated file of N blanks (40 unless given) and prints the wall time per
// blank, the summed time of the external tools and the ratio of the two. The tools are
// the floor: the program's own work (reading outputs, decoding, writing rows) is what
// the ratio shows above 1.
//
//   bench_importar [BLANCOS] [--repeticiones R] [--fixtures CARPETA]

#include "data/Carpetas.h"
#include "data/Prompts.h"
#include "data/datamodule.h"
#include "import/ImportarCP.h"
#include "import/zbar.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

class PromptsBench : public Prompts {
public:
    void mensaje(const QString&, const QString& texto, Icono icono) override
    {
        if (icono != Icono::Informacion)
            QTextStream(stderr) << texto << Qt::endl;
    }
    bool pregunta(const QString&, const QString&, Icono) override { return true; }
    QStringList elegirArchivosAbrir(const DialogoArchivo&, bool) override { return {}; }
    QString elegirArchivoGuardar(const DialogoArchivo&) override { return {}; }
    QString elegirCarpeta(const QString&) override { return {}; }
    void abrirConEscritorio(const QString&) override {}
};

class VistaBench : public VistaImportar {
public:
    explicit VistaBench(qint64 titular) : titular_(titular) {}
    qint64 titularActual() override { return titular_; }
    QString filtroTitular() override { return QStringLiteral("AGROPECUARIA DE PRUEBA S.A."); }
    void seleccionarTitular(const QString&) override {}

private:
    qint64 titular_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList args = app.arguments();
    int blancos = 40;
    int repeticiones = 3;
    QString fixtures = QStringLiteral(TOLVA_FIXTURES);
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QStringLiteral("--repeticiones") && i + 1 < args.size())
            repeticiones = std::max(1, args.at(++i).toInt());
        else if (args.at(i) == QStringLiteral("--fixtures") && i + 1 < args.size())
            fixtures = args.at(++i);
        else
            blancos = std::max(1, args.at(i).toInt());
    }

    QTemporaryDir temporal;
    qputenv("APPDATA", temporal.path().toLocal8Bit());
    const QString pdf = temporal.filePath(QStringLiteral("lote_%1.pdf").arg(blancos));
    QProcess generador;
    generador.start(QStringLiteral("python3"),
                    {fixtures + QStringLiteral("/make_blanks.py"), pdf, QStringLiteral("--cuit"), QStringLiteral("30712345671"),
                     QStringLiteral("--name"), QStringLiteral("AGROPECUARIA DE PRUEBA S.A."), QStringLiteral("--expiry"),
                     QStringLiteral("31/12/2012"), QStringLiteral("--blanks"), QString::number(blancos),
                     QStringLiteral("--first-number"), QStringLiteral("553000100000"), QStringLiteral("--first-cee"),
                     QStringLiteral("71234567100000")});
    if (!generador.waitForFinished(-1) || generador.exitCode() != 0) {
        QTextStream(stderr) << "make_blanks.py falló: " << generador.readAllStandardError() << Qt::endl;
        return 2;
    }

    zbar::cargar();
    const QString datos = Carpetas::carpetaDatos();
    QDir().mkpath(Carpetas::carpetaTrabajo(datos));
    Td d;
    d.conectar(datos);
    const qint64 titular = d.Insertar(QStringLiteral("Titulares"),
                                      {{QStringLiteral("TitularNombre"), QStringLiteral("AGROPECUARIA DE PRUEBA S.A.")},
                                       {QStringLiteral("TitularCUIT"), QStringLiteral("30-71234567-1")}});
    PromptsBench prompts;
    VistaBench vista(titular);

    out << QStringLiteral("Importación de %1 blancos (%2 páginas), %3 repeticiones\n").arg(blancos).arg(4 * blancos).arg(repeticiones);
    out << "rep  pared_total_ms  pared_por_blanco_ms  herramientas_ms  herramientas_por_blanco_ms  llamadas  cociente\n";
    double mejorCociente = 1e9;
    double sumaPared = 0;
    double sumaHerr = 0;
    for (int r = 1; r <= repeticiones; ++r) {
        ImportarCP importacion(d, prompts, vista, datos);
        if (!importacion.verificarHerramientas())
            return 2;
        QElapsedTimer reloj;
        reloj.start();
        const bool ok = importacion.importar({pdf});
        const double pared = reloj.nsecsElapsed() / 1e6;
        if (!ok)
            return 1;
        const double herramientas = importacion.nanosegundosHerramientas() / 1e6;
        const double cociente = pared / herramientas;
        mejorCociente = std::min(mejorCociente, cociente);
        sumaPared += pared;
        sumaHerr += herramientas;
        out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7\n")
                   .arg(r)
                   .arg(pared, 0, 'f', 1)
                   .arg(pared / blancos, 0, 'f', 2)
                   .arg(herramientas, 0, 'f', 1)
                   .arg(herramientas / blancos, 0, 'f', 2)
                   .arg(importacion.llamadasHerramientas())
                   .arg(cociente, 0, 'f', 3);
        out.flush();
    }
    out << QStringLiteral("media: pared por blanco %1 ms, herramientas por blanco %2 ms, cociente %3 (mejor %4)\n")
               .arg(sumaPared / repeticiones / blancos, 0, 'f', 2)
               .arg(sumaHerr / repeticiones / blancos, 0, 'f', 2)
               .arg(sumaPared / sumaHerr, 0, 'f', 3)
               .arg(mejorCociente, 0, 'f', 3);
    return 0;
}
