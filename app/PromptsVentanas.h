#pragma once
#include "data/Prompts.h"

class QWidget;

// Prompts of the GUI: modal message boxes, file dialogs and the desktop.
class PromptsVentanas : public Prompts {
public:
    void setVentana(QWidget* ventana) { ventana_ = ventana; }

    void mensaje(const QString& titulo, const QString& texto, Icono icono) override;
    bool pregunta(const QString& titulo, const QString& texto, Icono icono) override;
    QStringList elegirArchivosAbrir(const DialogoArchivo& dialogo, bool varios) override;
    QString elegirArchivoGuardar(const DialogoArchivo& dialogo) override;
    QString elegirCarpeta(const QString& titulo) override;
    void abrirConEscritorio(const QString& ruta) override;

private:
    QWidget* padre() const;
    QWidget* ventana_ = nullptr;
};
