#pragma once
#include <QDialog>

#include <memory>

class CopiaSeguridad;
class QComboBox;
class QGroupBox;
class QProgressBar;
class QPushButton;
class TFMain;

// "Sistema": adding a holder, the master-data tables, the print quality, the backup and
// its restore, and the about message.
class TFSistema : public QDialog {
    Q_OBJECT
public:
    explicit TFSistema(TFMain& principal, QWidget* padre = nullptr);
    ~TFSistema() override;

    QPushButton* butRegistrar;
    QPushButton* Button1;
    QGroupBox* grpTablas;
    QComboBox* cmbTablas;
    QPushButton* Button5;
    QGroupBox* grpCalidad;
    QComboBox* cmbDPI;
    QPushButton* botUSUARIOS;
    QPushButton* butServidor;
    QPushButton* butGuardar;
    QPushButton* butRecuperar;
    QPushButton* butAcerca;
    QPushButton* Button4;
    QProgressBar* AbMeter2;

    void FormShow();
    void cmbDPIChange();
    void butRegistrarClick();
    void Button1Click();
    void Button5Click();
    void butGuardarClick();
    void butRecuperarClick();
    void butAcercaClick();
    void butServidorClick();
    void botUSUARIOSClick();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void mostrarProgreso(bool visible);
    void trasCopia();

    TFMain& principal_;
    std::unique_ptr<CopiaSeguridad> copia_;
    bool mostrada_ = false;
};

extern const QString kAcercaDeTolva;
