#pragma once
#include <QMainWindow>

class Grilla;
class Prompts;
class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableView;
class Td;

// The main window: the list of imported batches with its two filters, and the buttons
// that start every other function.
class TFMain : public QMainWindow {
    Q_OBJECT
public:
    TFMain(Td& d, Prompts& prompts, QWidget* padre = nullptr);

    // Fixes the data folder and connects (the show step of the window). False when the
    // program has to end (the reason has been shown).
    bool FormShow();
    bool Conectar();
    void ActualizaTitulares();
    void ActualizarArchivos();
    // Re-runs the batch query as it stands, keeping the selected batch.
    void RefrescarArchivos();
    void AgregarTitular();
    QString SeleccionarServidor();
    QString ElegirCarpeta(const QString& titulo, int flags);
    bool VerificaCUIT(const QString& texto);

    // The ArchivoCPID of the selected batch; -1 when none is selected.
    qint64 archivoSeleccionado() const;
    QString CarpetaTrabajo() const;
    void MostrarEstado(const QString& texto);
    QString textoEstado() const;

    Td& datos() { return d_; }
    Prompts& prompts() { return prompts_; }
    Grilla* grillaArchivos() const { return grillaArchivos_; }

    QString CarpetaDatos;
    qint64 TitularActual = -1;

    QPushButton* butImportar;
    QPushButton* butEmitir;
    QPushButton* butCorregir;
    QPushButton* butReportes;
    QPushButton* butSistema;
    QLabel* lblTitulo;
    QComboBox* cmbTitulares;
    QComboBox* cmbVer;
    QPushButton* butEliminar;
    QPushButton* butVer;
    QTableView* dbgArchivos;
    QStatusBar* stStatus;
    QLabel* lblEstado;

    void cmbTitularesChange();
    void butImportarClick();
    void butEliminarClick();
    void butSistemaClick();
    // With Control held, the program and data folders open instead of the system window.
    void butSistemaClick(Qt::KeyboardModifiers teclas);

private:
    void construirVentana();
    void actualizarBotones();
    qint64 archivoARecordar() const;

    Td& d_;
    Prompts& prompts_;
    Grilla* grillaArchivos_ = nullptr;
    qint64 ultimoArchivo_ = -1;
};

extern const QString kPreguntaEliminarArchivo;
extern const QString kMensajeSinTitular;
