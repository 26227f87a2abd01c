#pragma once
#include <QString>
#include <QStringList>

// The one way the behaviour talks to the user: message boxes, Yes/No questions,
// file and folder choices and opening a file or folder with the desktop.
// The GUI shows real dialogs, the tests answer from a script, the command line
// answers from its flags and prints messages on stderr.
class Prompts {
public:
    enum class Icono { Ninguno, Informacion, Advertencia, Pregunta, Error };

    struct DialogoArchivo {
        QString titulo;
        QString filtro;           // "Descripción (*.ext)"
        QString extension;        // default extension, without the dot
        QString carpetaInicial;
        QString nombreInicial;
    };

    virtual ~Prompts() = default;

    // A message box with an OK button.
    virtual void mensaje(const QString& titulo, const QString& texto, Icono icono) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool pregunta(const QString& titulo, const QString& texto, Icono icono = Icono::Pregunta) = 0;
    // Files to open; empty when cancelled.
    virtual QStringList elegirArchivosAbrir(const DialogoArchivo& dialogo, bool varios) = 0;
    // File to write; empty when cancelled.
    virtual QString elegirArchivoGuardar(const DialogoArchivo& dialogo) = 0;
    // A folder; empty when cancelled.
    virtual QString elegirCarpeta(const QString& titulo) = 0;
    // Opens a file or a folder with the desktop's program for it.
    virtual void abrirConEscritorio(const QString& ruta) = 0;
};
