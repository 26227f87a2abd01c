#include "app/AplicacionTolva.h"
#include "app/Cli.h"
#include "app/PromptsVentanas.h"
#include "app/UMain.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"
#include "import/zbar.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QTextStream>

#include <cstdio>

namespace {

QStringList argumentosDe(int argc, char** argv)
{
    QStringList lista;
    for (int i = 0; i < argc; ++i)
        lista << QString::fromLocal8Bit(argv[i]);
    return lista;
}

bool hayPantalla()
{
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

int ventanas(int argc, char** argv)
{
    AplicacionTolva app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tolva 3"));
    // Qt's own dialogs (files, folders) speak Spanish too.
    QTranslator traduccionQt;
    if (traduccionQt.load(QLocale(QLocale::Spanish, QLocale::Argentina), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduccionQt);
    // The windows' fixed sizes and positions are made for this type.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    PromptsVentanas prompts;
    app.setPrompts(&prompts);
    // The barcode library is loaded before any window exists; without it the program ends.
    try {
        zbar::cargar();
    } catch (const TolvaError& error) {
        prompts.mensaje(QStringLiteral("Error"), error.texto(), Prompts::Icono::Error);
        return 1;
    }
    Td d;
    TFMain FMain(d, prompts);
    prompts.setVentana(&FMain);
    try {
        if (!FMain.FormShow())
            return 1;
    } catch (const TolvaError& error) {
        AplicacionTolva::mostrarError(prompts, error.texto());
        return 1;
    }
    FMain.showMaximized();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList argumentos = argumentosDe(argc, argv);
    if (Cli::pideOrden(argumentos)) {
        QCoreApplication app(argc, argv);
        // Every order runs with the barcode library loaded; the help does not need it.
        const QString primero = argumentos.at(1);
        const bool ayuda = primero == QStringLiteral("--help") || primero == QStringLiteral("-h")
            || primero == QStringLiteral("ayuda") || argumentos.contains(QStringLiteral("--help"));
        if (!ayuda) {
            try {
                zbar::cargar();
            } catch (const TolvaError& error) {
                QTextStream(stderr) << error.texto() << Qt::endl;
                return 1;
            }
        }
        return Cli::ejecutar(argumentos);
    }
    if (!hayPantalla()) {
        QTextStream err(stderr);
        err << "No hay una pantalla disponible para abrir las ventanas de Tolva; sin ventanas se pueden usar estas "
               "órdenes:\n\n"
            << Cli::ayuda();
        err.flush();
        return 1;
    }
    return ventanas(argc, argv);
}
