#pragma once
#include "data/Prompts.h"

#include <QList>
#include <QStringList>
#include <QVector>

// Prompts of the tests: records every message and question (caption, icon, exact text)
// and answers from queues that the test fills beforehand.
class PromptsGuion : public Prompts {
public:
    struct Registro {
        QString titulo;
        QString texto;
        Icono icono;
        bool pregunta;
    };

    void mensaje(const QString& titulo, const QString& texto, Icono icono) override;
    bool pregunta(const QString& titulo, const QString& texto, Icono icono) override;
    QStringList elegirArchivosAbrir(const DialogoArchivo& dialogo, bool varios) override;
    QString elegirArchivoGuardar(const DialogoArchivo& dialogo) override;
    QString elegirCarpeta(const QString& titulo) override;
    void abrirConEscritorio(const QString& ruta) override;

    QStringList textos() const;          // the texts of every message and question, in order
    QString ultimoTexto() const;

    QVector<Registro> registros;
    QList<bool> respuestas;              // answers to the questions, in order
    QList<QStringList> archivosAbrir;    // answers to the open-file dialogs
    QStringList archivosGuardar;         // answers to the save-file dialogs
    QStringList carpetas;                // answers to the folder dialogs
    QStringList abiertos;                // what was opened with the desktop
    QVector<DialogoArchivo> dialogos;    // the file dialogs shown
    int sinRespuesta = 0;                // questions asked with the queue empty (answered No)
};
