#pragma once
#include "data/Prompts.h"

#include <QString>
#include <QStringList>

class QImage;
class Td;
struct ResultadoComando;

// What the import needs from the place that runs it (the main window, the command line,
// a test): the holder filter, the status bar and the batch list.
class VistaImportar {
public:
    virtual ~VistaImportar() = default;
    // The current holder (TitularActual): -1 for "Todos".
    virtual qint64 titularActual() = 0;
    // The holder name of the holder filter as stored in the settings row.
    virtual QString filtroTitular() = 0;
    // Selects the holder in the holder filter and rebuilds the batch list, which makes
    // it the current holder.
    virtual void seleccionarTitular(const QString& nombre) = 0;
    // No holder selected: send the user to the holder filter.
    virtual void faltaTitular() {}
    virtual void estado(const QString& texto) { (void)texto; }
    // Blank `blanco` of `blancos` of file `archivo` of `archivos` (all counted from 1).
    virtual void progreso(int blanco, int blancos, int archivo, int archivos)
    {
        (void)blanco, (void)blancos, (void)archivo, (void)archivos;
    }
    // Re-runs the batch query as it stands.
    virtual void refrescarArchivos() {}
    // The import ended (normally or not): the progress display goes away.
    virtual void terminar() {}
};

// Where the external tools are; empty when not found.
struct HerramientasImportar {
    QString pdfinfo;
    QString pdftotext;
    QString pdfimages;
    QString convert;
    // Looks in the program folder, then on PATH.
    static HerramientasImportar buscar();
};

// "Importar Cartas de Porte": takes the authority's PDF files of waybill blanks apart
// with pdfinfo, pdftotext, pdfimages and convert, checks each file, reads the barcodes
// of every blank's first page and stores per file one batch (ArchivosCP) and per blank
// one row of CPxArchivo, each file in one transaction.
class ImportarCP {
public:
    ImportarCP(Td& d, Prompts& prompts, VistaImportar& vista, const QString& carpetaDatos);

    // The file dialog of the import (several files may be chosen).
    static Prompts::DialogoArchivo openCP();

    void setHerramientas(const HerramientasImportar& herramientas);

    // The whole import as the button runs it: holder check, tools check, file dialog,
    // confirmation, then importar(). True when every chosen file was imported.
    bool ejecutar();
    // No holder selected: the message, and false.
    bool verificarTitular();
    // A missing tool, or a convert that is not ImageMagick: the message, and false.
    bool verificarHerramientas();
    // The import of the given files, in order; stops at the first file refused or
    // failed. True when every file was imported (then the final message is shown).
    bool importar(const QStringList& archivos);

    // Figures of the last import.
    int archivosImportados() const { return archivosImportados_; }
    qint64 nanosegundosHerramientas() const { return nanosHerramientas_; }
    int llamadasHerramientas() const { return llamadasHerramientas_; }

private:
    bool importarArchivo(const QString& archivo, int indice, int total);
    ResultadoComando correr(const QString& programa, const QStringList& argumentos, const QString& carpeta,
                            const QString& archivoSalida = {});
    void extraerPagina(const QString& archivo, int pagina);
    // Crops barcode picture `numero` of the extracted page into "000.png" or "001.png".
    void convertirCodigo(int numero);
    // Loads that picture, brings it to dark bars on a light ground, decodes it; returns
    // the first text and the PNG bytes to store.
    QString leerCodigo(int numero, QByteArray& png);
    void prepararCarpetaTrabajo();
    void vaciarCarpetaTrabajo();
    // The clean-up after every import; returns the text of a failure, empty when none.
    QString limpieza();
    void avisar(const QString& texto, Prompts::Icono icono);

    Td& d_;
    Prompts& prompts_;
    VistaImportar& vista_;
    QString carpetaDatos_;
    QString trabajo_;
    HerramientasImportar herramientas_;
    bool herramientasDadas_ = false;
    bool herramientasVerificadas_ = false;
    int archivosImportados_ = 0;
    qint64 nanosHerramientas_ = 0;
    int llamadasHerramientas_ = 0;
    int pagina_ = 0;
};

// Brings a barcode picture that shows light bars on a dark ground (its quiet zone, the
// leftmost columns, is dark) back to dark bars on a light ground. True when it inverted.
bool normalizarCodigo(QImage& imagen);

// The messages of the import.
extern const QString kImportarSinTitular;
extern const QString kImportarModificado;
extern const QString kImportarPaginas;
extern const QString kImportarSinTitularCUIT;
extern const QString kImportarOtroTitular;
extern const QString kImportarViejoModelo;
extern const QString kImportarDuplicado;
extern const QString kImportarVariasConfirma;
extern const QString kImportarVariasFinalizada;
