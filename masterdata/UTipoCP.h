#pragma once
#include <QDialog>

class Prompts;
class QPushButton;

// The layout question of the new-holder step: does the holder field of the holder's
// waybills come in double height? It closes only with "Sí" or "No".
class TFTipoCP : public QDialog {
    Q_OBJECT
public:
    TFTipoCP(Prompts& prompts, QWidget* padre = nullptr);

    QPushButton* butNo;
    QPushButton* butSi;

    // True when the answer was "Sí".
    bool dobleAltura() const { return respuesta_ == QDialog::Accepted; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void responder(int respuesta);
    Prompts& prompts_;
    int respuesta_ = -1;
};
