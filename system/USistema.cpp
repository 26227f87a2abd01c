#include "system/USistema.h"

#include "app/UMain.h"
#include "data/Estado.h"
#include "data/Prompts.h"
#include "data/datamodule.h"
#include "masterdata/AdministrarTablas.h"
#include "system/CopiaSeguridad.h"
#include "system/UUsuarios.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

const QString kAcercaDeTolva = QStringLiteral("Tolva 3 - Administrador de Cartas de Porte\nVersión 3.2.0");

TFSistema::TFSistema(TFMain& principal, QWidget* padre)
    : QDialog(padre), principal_(principal)
{
    setWindowTitle(QStringLiteral("Sistema"));
    setFixedSize(416, 261);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);

    grpTablas = new QGroupBox(QStringLiteral(" Tablas "), this);
    grpTablas->setGeometry(10, 42, 394, 56);
    grpCalidad = new QGroupBox(QStringLiteral("Calidad de impresión"), this);
    grpCalidad->setGeometry(10, 106, 199, 56);

    auto boton = [this](const QString& texto, int x, int y) {
        auto* b = new QPushButton(texto, this);
        b->setGeometry(x, y, 169, 25);
        b->setAutoDefault(false);
        return b;
    };
    butRegistrar = boton(QStringLiteral("Registrar nuevo Titular"), 24, 8);
    Button1 = boton(QStringLiteral("Administrar titulares"), 224, 8);

    cmbTablas = new QComboBox(this);
    cmbTablas->setGeometry(24, 64, 169, 23);
    for (const DescriptorTabla& tabla : descriptoresTablas())
        cmbTablas->addItem(tabla.titulo);
    cmbTablas->setMaxVisibleItems(std::max(1, cmbTablas->count()));
    cmbTablas->setCurrentIndex(cmbTablas->count() > 0 ? 0 : -1);
    Button5 = boton(QStringLiteral("Administrar tabla"), 224, 62);

    cmbDPI = new QComboBox(this);
    cmbDPI->setGeometry(24, 128, 169, 23);
    cmbDPI->addItems({QStringLiteral("300 dpi"), QStringLiteral("600 dpi")});
    botUSUARIOS = boton(QStringLiteral("Administrar usuarios"), 224, 126);
    botUSUARIOS->hide();

    butServidor = boton(QStringLiteral("Seleccionar servidor"), 24, 171);
    butServidor->hide();
    butGuardar = boton(QStringLiteral("Guardar copia de seguridad"), 24, 173);
    butRecuperar = boton(QStringLiteral("Recuperar copia de seguridad"), 224, 173);
    butAcerca = boton(QStringLiteral("Acerca de Tolva"), 24, 210);
    Button4 = boton(QStringLiteral("Salir"), 224, 210);

    // A busy sign while the backup or the restore runs.
    AbMeter2 = new QProgressBar(this);
    AbMeter2->setGeometry(0, 261 - 16, 416, 16);
    AbMeter2->setRange(0, 0);
    AbMeter2->setTextVisible(false);
    AbMeter2->hide();

    copia_ = std::make_unique<CopiaSeguridad>(principal_.datos(), principal_.prompts(), principal_.CarpetaDatos,
                                              [this] { return principal_.Conectar(); });
    copia_->setOcupado([this](bool visible) { mostrarProgreso(visible); });

    connect(cmbDPI, &QComboBox::currentIndexChanged, this, &TFSistema::cmbDPIChange);
    connect(butRegistrar, &QPushButton::clicked, this, &TFSistema::butRegistrarClick);
    connect(Button1, &QPushButton::clicked, this, &TFSistema::Button1Click);
    connect(Button5, &QPushButton::clicked, this, &TFSistema::Button5Click);
    connect(butGuardar, &QPushButton::clicked, this, &TFSistema::butGuardarClick);
    connect(butRecuperar, &QPushButton::clicked, this, &TFSistema::butRecuperarClick);
    connect(butAcerca, &QPushButton::clicked, this, &TFSistema::butAcercaClick);
    connect(butServidor, &QPushButton::clicked, this, &TFSistema::butServidorClick);
    connect(botUSUARIOS, &QPushButton::clicked, this, &TFSistema::botUSUARIOSClick);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

TFSistema::~TFSistema() = default;

void TFSistema::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!mostrada_) {
        mostrada_ = true;
        FormShow();
    }
}

void TFSistema::FormShow()
{
    const QSignalBlocker bloqueo(cmbDPI);
    const int dpi = Estado::leer(principal_.datos()).dpi;
    cmbDPI->setCurrentIndex(dpi == 1 ? 1 : 0);
}

void TFSistema::cmbDPIChange()
{
    if (cmbDPI->currentIndex() < 0)
        return;
    Estado::escribir(principal_.datos(), {{QStringLiteral("EstadoDPI"), cmbDPI->currentIndex()}});
}

void TFSistema::butRegistrarClick()
{
    principal_.AgregarTitular();
}

void TFSistema::Button1Click()
{
    AdministrarTitulares(principal_, this);
}

void TFSistema::Button5Click()
{
    AdministrarTabla(cmbTablas->currentIndex(), principal_, this);
}

void TFSistema::mostrarProgreso(bool visible)
{
    AbMeter2->setVisible(visible);
    if (visible)
        repaint();
}

// A database that cannot be reopened after a backup or a restore ends the program, as at
// start-up (the reason has been shown).
void TFSistema::trasCopia()
{
    if (!copia_->conexionPerdida())
        return;
    reject();
    QCoreApplication::exit(1);
}

void TFSistema::butGuardarClick()
{
    try {
        copia_->Guardar();
    } catch (...) {
        trasCopia();
        throw;
    }
    trasCopia();
}

void TFSistema::butRecuperarClick()
{
    try {
        copia_->Recuperar();
    } catch (...) {
        trasCopia();
        throw;
    }
    trasCopia();
}

void TFSistema::butAcercaClick()
{
    principal_.prompts().mensaje(QStringLiteral("Acerca de Tolva"), kAcercaDeTolva, Prompts::Icono::Informacion);
}

void TFSistema::butServidorClick()
{
    if (principal_.SeleccionarServidor().isEmpty())
        return;
    const bool conectada = principal_.Conectar();
    accept();
    if (!conectada)
        QCoreApplication::exit(1);
}

void TFSistema::botUSUARIOSClick()
{
    TFUsuarios usuarios(principal_.datos(), principal_.prompts(), this);
    usuarios.exec();
}
