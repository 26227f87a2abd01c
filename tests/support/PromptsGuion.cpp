#include "support/PromptsGuion.h"

void PromptsGuion::mensaje(const QString& titulo, const QString& texto, Icono icono)
{
    registros.push_back({titulo, texto, icono, false});
}

bool PromptsGuion::pregunta(const QString& titulo, const QString& texto, Icono icono)
{
    registros.push_back({titulo, texto, icono, true});
    if (respuestas.isEmpty()) {
        ++sinRespuesta;
        return false;
    }
    return respuestas.takeFirst();
}

QStringList PromptsGuion::elegirArchivosAbrir(const DialogoArchivo& dialogo, bool)
{
    dialogos.push_back(dialogo);
    return archivosAbrir.isEmpty() ? QStringList() : archivosAbrir.takeFirst();
}

QString PromptsGuion::elegirArchivoGuardar(const DialogoArchivo& dialogo)
{
    dialogos.push_back(dialogo);
    return archivosGuardar.isEmpty() ? QString() : archivosGuardar.takeFirst();
}

QString PromptsGuion::elegirCarpeta(const QString&)
{
    return carpetas.isEmpty() ? QString() : carpetas.takeFirst();
}

void PromptsGuion::abrirConEscritorio(const QString& ruta)
{
    abiertos << ruta;
}

QStringList PromptsGuion::textos() const
{
    QStringList lista;
    for (const Registro& r : registros)
        lista << r.texto;
    return lista;
}

QString PromptsGuion::ultimoTexto() const
{
    return registros.isEmpty() ? QString() : registros.constLast().texto;
}
