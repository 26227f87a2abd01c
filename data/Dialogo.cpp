#include "data/Dialogo.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void disponerDialogo(QDialog* dialogo, QLayout* campos, QPushButton* aceptar, QPushButton* cancelar)
{
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    auto* todo = new QVBoxLayout(dialogo);
    todo->addLayout(campos);
    todo->addStretch();
    todo->addLayout(botones);
}
