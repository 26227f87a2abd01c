#include "masterdata/UTipoCP.h"

#include "data/Prompts.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TFTipoCP::TFTipoCP(Prompts& prompts, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prompts_(prompts)
{
    setWindowTitle(QStringLiteral("Tipo de Carta de Porte"));
    setFixedSize(700, 376);

    auto* pregunta = new QLabel(QStringLiteral("¿Sus cartas de porte tienen el titular de doble altura?"));
    QFont grande = pregunta->font();
    grande.setPointSize(14);
    grande.setBold(true);
    pregunta->setFont(grande);
    pregunta->setAlignment(Qt::AlignCenter);

    auto* explicacion = new QLabel(
        QStringLiteral("Cuando la Razón Social del Titular de las Cartas de Porte es muy larga los PDF vienen con ese "
                       "espacio en doble altura.\nConteste Sí cuando se aplica a su caso."));
    explicacion->setAlignment(Qt::AlignCenter);
    explicacion->setWordWrap(true);

    auto* imagenNormal = new QLabel;
    imagenNormal->setPixmap(QPixmap(QStringLiteral(":/images/titular_normal.png")));
    imagenNormal->setAlignment(Qt::AlignCenter);
    auto* imagenDoble = new QLabel;
    imagenDoble->setPixmap(QPixmap(QStringLiteral(":/images/titular_doble_altura.png")));
    imagenDoble->setAlignment(Qt::AlignCenter);

    butNo = new QPushButton(QStringLiteral("No"));
    butSi = new QPushButton(QStringLiteral("Sí"));
    for (QPushButton* boton : {butNo, butSi}) {
        boton->setMinimumHeight(40);
        QFont f = boton->font();
        f.setPointSize(13);
        f.setBold(true);
        boton->setFont(f);
        boton->setAutoDefault(false);
    }
    connect(butNo, &QPushButton::clicked, this, [this] { responder(QDialog::Rejected); });
    connect(butSi, &QPushButton::clicked, this, [this] { responder(QDialog::Accepted); });

    auto* imagenes = new QHBoxLayout;
    imagenes->addWidget(imagenNormal);
    imagenes->addWidget(imagenDoble);
    auto* botones = new QHBoxLayout;
    botones->addWidget(butNo);
    botones->addWidget(butSi);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(pregunta);
    todo->addWidget(explicacion);
    todo->addLayout(imagenes, 1);
    todo->addLayout(botones);
}

void TFTipoCP::responder(int respuesta)
{
    respuesta_ = respuesta;
    done(respuesta);
}

void TFTipoCP::reject()
{
    // Escape and the close box do not answer the question.
    if (respuesta_ < 0) {
        prompts_.mensaje(QStringLiteral("Atención"), QStringLiteral("Por favor conteste Sí o No"),
                         Prompts::Icono::Informacion);
        return;
    }
    QDialog::reject();
}

void TFTipoCP::closeEvent(QCloseEvent* evento)
{
    if (respuesta_ < 0) {
        evento->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(evento);
}
