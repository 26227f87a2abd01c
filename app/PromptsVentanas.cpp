#include "app/PromptsVentanas.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {
QMessageBox::Icon icono(Prompts::Icono i)
{
    switch (i) {
    case Prompts::Icono::Informacion: return QMessageBox::Information;
    case Prompts::Icono::Advertencia: return QMessageBox::Warning;
    case Prompts::Icono::Pregunta: return QMessageBox::Question;
    case Prompts::Icono::Error: return QMessageBox::Critical;
    case Prompts::Icono::Ninguno: break;
    }
    return QMessageBox::NoIcon;
}

// A folder that does not exist would be taken by the dialog as a file name.
QString carpetaExistente(const QString& carpeta)
{
    return !carpeta.isEmpty() && QFileInfo(carpeta).isDir() ? carpeta : QDir::homePath();
}

} // namespace

QWidget* PromptsVentanas::padre() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return ventana_;
}

void PromptsVentanas::mensaje(const QString& titulo, const QString& texto, Icono i)
{
    QMessageBox caja(icono(i), titulo, texto, QMessageBox::Ok, padre());
    caja.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    caja.exec();
}

bool PromptsVentanas::pregunta(const QString& titulo, const QString& texto, Icono i)
{
    QMessageBox caja(icono(i), titulo, texto, QMessageBox::Yes | QMessageBox::No, padre());
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("No"));
    caja.setDefaultButton(QMessageBox::Yes);
    return caja.exec() == QMessageBox::Yes;
}

QStringList PromptsVentanas::elegirArchivosAbrir(const DialogoArchivo& dialogo, bool varios)
{
    QFileDialog selector(padre(), dialogo.titulo, carpetaExistente(dialogo.carpetaInicial), dialogo.filtro);
    selector.setAcceptMode(QFileDialog::AcceptOpen);
    selector.setFileMode(varios ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    selector.setDefaultSuffix(dialogo.extension);
    if (!dialogo.nombreInicial.isEmpty())
        selector.selectFile(dialogo.nombreInicial);
    return selector.exec() == QDialog::Accepted ? selector.selectedFiles() : QStringList();
}

QString PromptsVentanas::elegirArchivoGuardar(const DialogoArchivo& dialogo)
{
    QFileDialog selector(padre(), dialogo.titulo, carpetaExistente(dialogo.carpetaInicial), dialogo.filtro);
    selector.setAcceptMode(QFileDialog::AcceptSave);
    selector.setFileMode(QFileDialog::AnyFile);
    selector.setDefaultSuffix(dialogo.extension);
    if (!dialogo.nombreInicial.isEmpty())
        selector.selectFile(dialogo.nombreInicial);
    if (selector.exec() != QDialog::Accepted || selector.selectedFiles().isEmpty())
        return {};
    return selector.selectedFiles().constFirst();
}

QString PromptsVentanas::elegirCarpeta(const QString& titulo)
{
    return QFileDialog::getExistingDirectory(padre(), titulo, QString(), QFileDialog::ShowDirsOnly);
}

void PromptsVentanas::abrirConEscritorio(const QString& ruta)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}
