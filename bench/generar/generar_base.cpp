// Writes a synthetic database into $APPDATA/Tolva (or the folder given), for benchmarks
// and screenshots: generar_base [--chica] [CARPETA_DATOS]
#include "generar/BaseSintetica.h"

#include "data/Carpetas.h"
#include "data/datamodule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList argumentos = app.arguments().mid(1);
    TamanoBase tamano;
    if (argumentos.removeAll(QStringLiteral("--chica")) > 0)
        tamano = {2, 6, 60, 20};
    const QString carpeta = argumentos.isEmpty() ? Carpetas::carpetaDatos() : argumentos.first() + QStringLiteral("/");
    QTextStream out(stdout);
    QElapsedTimer reloj;
    reloj.start();
    Td d;
    d.conectar(carpeta);
    out << generarBaseSintetica(d, tamano) << " en " << carpeta << "ADODB/cp.mdb (" << reloj.elapsed() << " ms)\n";
    return 0;
}
