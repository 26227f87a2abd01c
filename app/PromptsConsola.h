#pragma once
#include "data/Prompts.h"

#include <functional>

class QTextStream;

// Prompts of the command line: messages on stderr, questions answered by the order's
// flags (No unless the order says otherwise), no file dialogs.
class PromptsConsola : public Prompts {
public:
    using Respuesta = std::function<bool(const QString& titulo, const QString& texto)>;

    explicit PromptsConsola(QTextStream& err) : err_(err) {}
    void setRespuesta(Respuesta respuesta) { respuesta_ = std::move(respuesta); }

    void mensaje(const QString& titulo, const QString& texto, Icono icono) override;
    bool pregunta(const QString& titulo, const QString& texto, Icono icono) override;
    QStringList elegirArchivosAbrir(const DialogoArchivo& dialogo, bool varios) override;
    QString elegirArchivoGuardar(const DialogoArchivo& dialogo) override;
    QString elegirCarpeta(const QString& titulo) override;
    void abrirConEscritorio(const QString& ruta) override;

private:
    QTextStream& err_;
    Respuesta respuesta_;
};
