#include "app/PromptsConsola.h"

#include <QTextStream>

void PromptsConsola::mensaje(const QString&, const QString& texto, Icono)
{
    err_ << texto << Qt::endl;
}

bool PromptsConsola::pregunta(const QString& titulo, const QString& texto, Icono)
{
    const bool si = respuesta_ ? respuesta_(titulo, texto) : false;
    err_ << texto << (si ? " Sí" : " No") << Qt::endl;
    return si;
}

QStringList PromptsConsola::elegirArchivosAbrir(const DialogoArchivo&, bool)
{
    return {};
}

QString PromptsConsola::elegirArchivoGuardar(const DialogoArchivo&)
{
    return {};
}

QString PromptsConsola::elegirCarpeta(const QString&)
{
    return {};
}

void PromptsConsola::abrirConEscritorio(const QString& ruta)
{
    err_ << ruta << Qt::endl;
}
