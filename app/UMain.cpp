#include "app/UMain.h"

#include "app/ListaArchivos.h"
#include "data/Carpetas.h"
#include "data/CursorEspera.h"
#include "data/Cuit.h"
#include "data/Estado.h"
#include "data/Grilla.h"
#include "data/Prompts.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"
#include "import/ImportarVentana.h"
#include "masterdata/AltaTitular.h"
#include "masterdata/UNuevoTitular.h"
#include "masterdata/UTipoCP.h"
#include "system/USistema.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStringConverter>
#include <QTableView>
#include <QTextStream>
#include <QVBoxLayout>

const QString kPreguntaEliminarArchivo = QStringLiteral(
    "¿Confirma la eliminación del registro? Se eliminarán todos los datos relacionados, esta operación no se puede "
    "deshacer.");
const QString kMensajeSinTitular = QStringLiteral(
    "Para usar Tolva debe ingresar los datos de la empresa titular de las Cartas de Porte. El programa se cerrará.");

TFMain::TFMain(Td& d, Prompts& prompts, QWidget* padre)
    : QMainWindow(padre), d_(d), prompts_(prompts)
{
    construirVentana();
}

void TFMain::construirVentana()
{
    setWindowTitle(QStringLiteral("Tolva 3 - Administrador de Cartas de Porte 3.2.0"));
    resize(1280, 720);

    butImportar = new QPushButton(QStringLiteral("Importar Cartas de Porte"));
    butEmitir = new QPushButton(QStringLiteral("Emitir Carta de Porte"));
    butCorregir = new QPushButton(QStringLiteral("Corregir Carta de Porte"));
    butReportes = new QPushButton(QStringLiteral("Reportes"));
    butSistema = new QPushButton(QStringLiteral("Sistema"));
    // Their functions come with the editor and the report browser.
    for (QPushButton* boton : {butEmitir, butCorregir, butReportes})
        boton->setEnabled(false);
    auto* botones = new QHBoxLayout;
    for (QPushButton* boton : {butImportar, butEmitir, butCorregir, butReportes, butSistema}) {
        boton->setMinimumSize(170, 34);
        botones->addWidget(boton);
    }
    botones->addStretch();

    lblTitulo = new QLabel(QStringLiteral(" Archivos de Cartas de Porte"));
    QFont negrita = lblTitulo->font();
    negrita.setBold(true);
    negrita.setPointSize(negrita.pointSize() + 2);
    lblTitulo->setFont(negrita);

    cmbTitulares = new QComboBox;
    cmbTitulares->setMinimumWidth(260);
    cmbVer = new QComboBox;
    cmbVer->addItems(ListaArchivos::opcionesVer());
    cmbVer->setMinimumWidth(160);
    butEliminar = new QPushButton(QStringLiteral("Eliminar archivo"));
    butVer = new QPushButton(QStringLiteral("Ver Cartas del archivo"));
    auto* filtros = new QHBoxLayout;
    filtros->addWidget(new QLabel(QStringLiteral("Titular")));
    filtros->addWidget(cmbTitulares);
    filtros->addSpacing(12);
    filtros->addWidget(new QLabel(QStringLiteral("Ver archivos")));
    filtros->addWidget(cmbVer);
    filtros->addStretch();
    filtros->addWidget(butEliminar);
    filtros->addWidget(butVer);

    dbgArchivos = new QTableView;
    grillaArchivos_ = new Grilla(dbgArchivos, &d_.qmyArchivosCP, ListaArchivos::columnas());
    grillaArchivos_->modelo()->setColorTexto([this](int fila) {
        const QVariant disponibles = d_.qmyArchivosCP.valor(fila, QStringLiteral("Disponibles"));
        return disponibles.toLongLong() > 0 ? QColor(0, 0, 0xFF) : QColor();
    });

    auto* central = new QWidget;
    auto* todo = new QVBoxLayout(central);
    todo->addLayout(botones);
    todo->addWidget(lblTitulo);
    todo->addLayout(filtros);
    todo->addWidget(dbgArchivos, 1);
    setCentralWidget(central);

    stStatus = new QStatusBar;
    lblEstado = new QLabel;
    stStatus->addWidget(lblEstado, 1);
    setStatusBar(stStatus);

    connect(cmbTitulares, &QComboBox::currentIndexChanged, this, &TFMain::cmbTitularesChange);
    connect(cmbVer, &QComboBox::currentIndexChanged, this, &TFMain::cmbTitularesChange);
    connect(butImportar, &QPushButton::clicked, this, &TFMain::butImportarClick);
    connect(butEliminar, &QPushButton::clicked, this, &TFMain::butEliminarClick);
    connect(butSistema, &QPushButton::clicked, this, [this] { butSistemaClick(); });
    // The batch stays remembered while the connection is closed (backup, restore), when
    // the grid has no selection for a moment.
    connect(dbgArchivos->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (const qint64 id = archivoSeleccionado(); id >= 0)
            ultimoArchivo_ = id;
    });
    actualizarBotones();
}

bool TFMain::FormShow()
{
    CarpetaDatos = Carpetas::carpetaDatos();
    setWindowTitle(QStringLiteral("Tolva 3 - Administrador de Cartas de Porte 3.2.0"));
    return Conectar();
}

QString TFMain::CarpetaTrabajo() const
{
    return Carpetas::carpetaTrabajo(CarpetaDatos);
}

bool TFMain::Conectar()
{
    QDir().mkpath(CarpetaTrabajo());
    if (!d_.ConectarBase(CarpetaDatos, prompts_))
        return false;
    const Configuracion estado = Estado::leer(d_);
    d_.AbrirConsulta(d_.tmyTitulares, QStringLiteral("SELECT * FROM Titulares"));
    if (d_.tmyTitulares.filas() == 0) {
        AgregarTitular();
        d_.Refrescar(d_.tmyTitulares);
        if (d_.tmyTitulares.filas() == 0) {
            prompts_.mensaje(QStringLiteral("Atención"), kMensajeSinTitular, Prompts::Icono::Informacion);
            return false;
        }
    }
    ActualizaTitulares();
    {
        const QSignalBlocker bloqueo(cmbVer);
        const int indice = ListaArchivos::opcionesVer().indexOf(estado.ver);
        cmbVer->setCurrentIndex(indice < 0 ? 0 : indice);
    }
    ActualizarArchivos();
    return true;
}

void TFMain::ActualizaTitulares()
{
    const QSignalBlocker bloqueo(cmbTitulares);
    cmbTitulares->clear();
    cmbTitulares->addItem(ListaArchivos::kTodos);
    cmbTitulares->addItems(ListaArchivos::nombresTitulares(d_));
    const int indice = cmbTitulares->findText(Estado::leer(d_).titular, Qt::MatchExactly | Qt::MatchCaseSensitive);
    cmbTitulares->setCurrentIndex(indice >= 0 ? indice : (cmbTitulares->count() > 1 ? 1 : -1));
    cmbTitulares->setMaxVisibleItems(std::min(cmbTitulares->count(), 20));
}

qint64 TFMain::archivoSeleccionado() const
{
    const int fila = grillaArchivos_->filaActual();
    return fila < 0 ? -1 : d_.qmyArchivosCP.valor(fila, QStringLiteral("ArchivoCPID")).toLongLong();
}

qint64 TFMain::archivoARecordar() const
{
    const qint64 seleccionado = archivoSeleccionado();
    return seleccionado >= 0 ? seleccionado : ultimoArchivo_;
}

void TFMain::ActualizarArchivos()
{
    const qint64 recordado = archivoARecordar();
    const QString titular = cmbTitulares->currentText();
    const QString ver = cmbVer->currentText();
    ListaArchivos::abrir(d_, titular, ver);
    actualizarBotones();
    const Configuracion estado = Estado::leer(d_);
    if (!estado.existe || estado.titular != titular || estado.ver != ver)
        Estado::escribir(d_, {{QStringLiteral("EstadoTitular"), titular}, {QStringLiteral("EstadoVer"), ver}});
    TitularActual = ListaArchivos::titularPorNombre(d_, titular);
    grillaArchivos_->seleccionarPorValor(QStringLiteral("ArchivoCPID"), recordado >= 0 ? QVariant(recordado) : QVariant());
}

void TFMain::RefrescarArchivos()
{
    const qint64 recordado = archivoARecordar();
    d_.Refrescar(d_.qmyArchivosCP);
    actualizarBotones();
    grillaArchivos_->seleccionarPorValor(QStringLiteral("ArchivoCPID"), recordado >= 0 ? QVariant(recordado) : QVariant());
}

void TFMain::actualizarBotones()
{
    const bool hayArchivos = d_.qmyArchivosCP.filas() > 0;
    butEliminar->setEnabled(hayArchivos);
    // The blanks window of a batch comes with its own feature.
    butVer->setEnabled(false);
}

void TFMain::cmbTitularesChange()
{
    CursorEspera espera;
    ActualizarArchivos();
}

void TFMain::butImportarClick()
{
    importarDesdeVentana(*this);
}

void TFMain::butEliminarClick()
{
    const qint64 archivo = archivoSeleccionado();
    if (d_.qmyArchivosCP.filas() == 0 || archivo < 0)
        return;
    if (!prompts_.pregunta(QStringLiteral("Atención"), kPreguntaEliminarArchivo, Prompts::Icono::Advertencia))
        return;
    CursorEspera espera;
    ListaArchivos::eliminarArchivo(d_, archivo, CarpetaTrabajo());
    ActualizarArchivos();
}

void TFMain::butSistemaClick()
{
    butSistemaClick(QGuiApplication::keyboardModifiers());
}

void TFMain::butSistemaClick(Qt::KeyboardModifiers teclas)
{
    if (teclas & Qt::ControlModifier) {
        prompts_.abrirConEscritorio(Carpetas::carpetaPrograma());
        prompts_.abrirConEscritorio(CarpetaDatos);
        return;
    }
    TFSistema sistema(*this, this);
    sistema.butAcerca->setText(QStringLiteral("Acerca de Tolva"));
    sistema.exec();
}

void TFMain::AgregarTitular()
{
    TFNuevoTitular nuevo(prompts_, this);
    if (nuevo.exec() != QDialog::Accepted)
        return;
    TFTipoCP tipo(prompts_, this);
    tipo.exec();
    AltaTitular::guardar(d_, nuevo.edtRazonSocial->text(), nuevo.edtCUIT->text(), tipo.dobleAltura());
    ActualizaTitulares();
}

QString TFMain::ElegirCarpeta(const QString& titulo, int)
{
    return prompts_.elegirCarpeta(titulo);
}

QString TFMain::SeleccionarServidor()
{
    const QString carpeta = ElegirCarpeta(QStringLiteral("Seleccione la carpeta del servidor"), 2);
    if (carpeta.isEmpty())
        return {};
    if (!prompts_.pregunta(QStringLiteral("Atención"),
                           QStringLiteral("¿Confirma el cambio de conexión al servidor \r") + carpeta + QStringLiteral("?"),
                           Prompts::Icono::Pregunta))
        return {};
    QFile archivo(QDir(CarpetaDatos).filePath(QStringLiteral("lan.txt")));
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw TolvaError(QStringLiteral("No se pudo escribir %1: %2").arg(archivo.fileName(), archivo.errorString()));
    QTextStream flujo(&archivo);
    flujo.setEncoding(QStringConverter::System);
    flujo << QDir::toNativeSeparators(carpeta) << "\r\n";
    flujo.flush();
    if (archivo.error() != QFileDevice::NoError)
        throw TolvaError(QStringLiteral("No se pudo escribir %1: %2").arg(archivo.fileName(), archivo.errorString()));
    return carpeta;
}

bool TFMain::VerificaCUIT(const QString& texto)
{
    return Cuit::VerificaCUIT(texto, prompts_);
}

void TFMain::MostrarEstado(const QString& texto)
{
    lblEstado->setText(texto);
}

QString TFMain::textoEstado() const
{
    return lblEstado->text();
}
