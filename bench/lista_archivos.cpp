// Times the batch list of the main window on a synthetic database (50 holders, 2,000
// batches, 100,000 blanks, 60,000 waybills) for every filter combination, and the time
// from start to a shown main window on that database.
#include "generar/BaseSintetica.h"

#include "app/ListaArchivos.h"
#include "app/UMain.h"
#include "data/Carpetas.h"
#include "data/Estado.h"
#include "data/Prompts.h"
#include "data/datamodule.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

class PromptsMudos : public Prompts {
public:
    void mensaje(const QString&, const QString& texto, Icono) override { qWarning("%s", qPrintable(texto)); }
    bool pregunta(const QString&, const QString&, Icono) override { return false; }
    QStringList elegirArchivosAbrir(const DialogoArchivo&, bool) override { return {}; }
    QString elegirArchivoGuardar(const DialogoArchivo&) override { return {}; }
    QString elegirCarpeta(const QString&) override { return {}; }
    void abrirConEscritorio(const QString&) override {}
};

double mediana(QVector<double> valores)
{
    std::sort(valores.begin(), valores.end());
    return valores.at(valores.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir temporal;
    qputenv("APPDATA", temporal.path().toLocal8Bit());
    const QString carpeta = Carpetas::carpetaDatos();
    {
        QElapsedTimer reloj;
        reloj.start();
        Td d;
        d.conectar(carpeta);
        out << "Base: " << generarBaseSintetica(d, TamanoBase{}) << " (" << reloj.elapsed() / 1000.0 << " s)\n";
    }

    constexpr int kVueltas = 15;
    PromptsMudos prompts;
    // From nothing to a shown main window, with the holder filter the last run left.
    auto medirInicio = [&](const QString& titular) {
        {
            Td d;
            d.conectar(carpeta);
            Estado::escribir(d, {{QStringLiteral("EstadoTitular"), titular}, {QStringLiteral("EstadoVer"), ListaArchivos::kTodos}});
        }
        QVector<double> inicios;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer reloj;
            reloj.start();
            Td d;
            TFMain ventana(d, prompts);
            if (!ventana.FormShow())
                return;
            ventana.show();
            QApplication::processEvents();
            inicios << reloj.nsecsElapsed() / 1e6;
        }
        out << QStringLiteral("Inicio hasta la ventana principal mostrada, Titular \"%1\": %2 ms (mediana de %3)\n")
                   .arg(titular)
                   .arg(mediana(inicios), 0, 'f', 1)
                   .arg(inicios.size());
    };
    medirInicio(ListaArchivos::kTodos);
    medirInicio(QStringLiteral("TITULAR 001 S.A."));

    Td d;
    TFMain ventana(d, prompts);
    ventana.FormShow();
    ventana.show();
    const QString titular = ventana.cmbTitulares->itemText(1);
    out << "ActualizarArchivos (mediana de " << kVueltas << " vueltas):\n";
    for (const QString& filtroTitular : {ListaArchivos::kTodos, titular}) {
        for (int v = 0; v < ListaArchivos::opcionesVer().size(); ++v) {
            ventana.cmbTitulares->blockSignals(true);
            ventana.cmbVer->blockSignals(true);
            ventana.cmbTitulares->setCurrentText(filtroTitular);
            ventana.cmbVer->setCurrentIndex(v);
            ventana.cmbTitulares->blockSignals(false);
            ventana.cmbVer->blockSignals(false);
            QVector<double> tiempos;
            for (int i = 0; i < kVueltas; ++i) {
                QElapsedTimer reloj;
                reloj.start();
                ventana.ActualizarArchivos();
                tiempos << reloj.nsecsElapsed() / 1e6;
            }
            out << QStringLiteral("  Titular \"%1\", Ver \"%2\": %3 ms, %4 archivos\n")
                       .arg(filtroTitular, ListaArchivos::opcionesVer().at(v))
                       .arg(mediana(tiempos), 0, 'f', 1)
                       .arg(d.qmyArchivosCP.filas());
        }
    }
    return 0;
}
