#include "import/ImportarVentana.h"

#include "app/UMain.h"
#include "data/Estado.h"
#include "import/ImportarCP.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QWidget>

namespace {

// Swallows the user's input to the main window while the import runs; dialogs opened
// by the import (its questions) still get theirs.
class BloqueoEntrada : public QObject {
public:
    explicit BloqueoEntrada(QWidget* ventana) : ventana_(ventana)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~BloqueoEntrada() override
    {
        // Input queued during the import is delivered here, and dropped.
        QCoreApplication::processEvents();
        QCoreApplication::instance()->removeEventFilter(this);
    }

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        switch (evento->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride: {
            auto* widget = qobject_cast<QWidget*>(objeto);
            return widget && widget->window() == ventana_;
        }
        default:
            return false;
        }
    }

private:
    QWidget* ventana_;
};

class VistaVentana : public VistaImportar {
public:
    explicit VistaVentana(TFMain& v) : v_(v) {}
    ~VistaVentana() override { terminar(); }

    qint64 titularActual() override { return v_.TitularActual; }
    QString filtroTitular() override { return Estado::leer(v_.datos()).titular; }

    void seleccionarTitular(const QString& nombre) override
    {
        QComboBox* combo = v_.cmbTitulares;
        int indice = combo->findText(nombre, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (indice < 0) {
            v_.ActualizaTitulares();
            indice = combo->findText(nombre, Qt::MatchExactly | Qt::MatchCaseSensitive);
        }
        // The change of the filter rebuilds the list (ActualizarArchivos); when it does
        // not change, rebuild it here.
        if (indice >= 0 && indice != combo->currentIndex())
            combo->setCurrentIndex(indice);
        else
            v_.ActualizarArchivos();
    }

    void faltaTitular() override
    {
        v_.cmbTitulares->setFocus();
        v_.cmbTitulares->showPopup();
    }

    void estado(const QString& texto) override
    {
        v_.MostrarEstado(texto);
        v_.stStatus->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    void progreso(int blanco, int blancos, int archivo, int archivos) override
    {
        if (!barra_) {
            barra_ = new QProgressBar;
            barra_->setMaximumWidth(360);
            barra_->setTextVisible(true);
            v_.stStatus->addPermanentWidget(barra_);
        }
        barra_->setRange(0, std::max(blancos, 1));
        barra_->setValue(blanco);
        barra_->setFormat(blancos > 0
                              ? QStringLiteral("Carta de Porte %1 de %2 - archivo %3 de %4")
                                    .arg(blanco).arg(blancos).arg(archivo).arg(archivos)
                              : QStringLiteral("Archivo %1 de %2").arg(archivo).arg(archivos));
        barra_->show();
        barra_->repaint();
    }

    void refrescarArchivos() override { v_.RefrescarArchivos(); }

    void terminar() override
    {
        if (barra_) {
            v_.stStatus->removeWidget(barra_);
            delete barra_;
            barra_ = nullptr;
        }
    }

private:
    TFMain& v_;
    QProgressBar* barra_ = nullptr;
};

} // namespace

bool importarDesdeVentana(TFMain& ventana)
{
    BloqueoEntrada bloqueo(&ventana);
    VistaVentana vista(ventana);
    ImportarCP importar(ventana.datos(), ventana.prompts(), vista, ventana.CarpetaDatos);
    return importar.ejecutar();
}
