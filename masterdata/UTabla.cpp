#include "masterdata/UTabla.h"

#include "app/UMain.h"
#include "data/Prompts.h"
#include "data/datamodule.h"
#include "masterdata/TablasMaestras.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

const QString kTituloAtencion = QStringLiteral("Atención");

TFTabla::TFTabla(TFMain& principal, QWidget* padre)
    : QDialog(padre), principal_(principal), d_(principal.datos()), prompts_(principal.prompts())
{
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    Panel1 = new QWidget;
    Panel1->setFixedHeight(49);
    butModificar = new QPushButton(QStringLiteral("Modificar"));
    butAgregar = new QPushButton(QStringLiteral("Agregar"));
    butEliminar = new QPushButton(QStringLiteral("Eliminar"));
    auto* botones = new QHBoxLayout(Panel1);
    botones->addWidget(butModificar);
    botones->addWidget(butAgregar);
    botones->addWidget(butEliminar);
    botones->addStretch();
    SMDBGrid1 = new QTableView;
    SMDBGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SMDBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->setSpacing(0);
    todo->addWidget(Panel1);
    todo->addWidget(SMDBGrid1, 1);

    connect(butModificar, &QPushButton::clicked, this, [this] { butModificarClick(); });
    connect(butAgregar, &QPushButton::clicked, this, [this] { butAgregarClick(); });
    connect(butEliminar, &QPushButton::clicked, this, [this] { butEliminarClick(); });
}

void TFTabla::prepararGrilla(const QVector<ColumnaGrilla>& columnas, const QSize& tamano)
{
    grilla_ = new Grilla(SMDBGrid1, &d_.qmyTabla, columnas);
    resize(tamano);
}

void TFTabla::SMDBGrid1TitleClick(int columna)
{
    grilla_->OrdenarGrilla(columna);
}

void TFTabla::abrirGrilla()
{
    d_.AbrirConsulta(d_.qmyTabla, descriptor.sql);
    grilla_->seleccionarFila(-1);
}

int TFTabla::filaActual() const
{
    if (d_.qmyTabla.filas() == 0)
        return -1;
    return grilla_->filaActual();
}

QVariant TFTabla::valorActual(const QString& campo) const
{
    const int fila = filaActual();
    return fila < 0 ? QVariant() : d_.qmyTabla.valor(fila, campo);
}

void TFTabla::reejecutar()
{
    d_.Refrescar(d_.qmyTabla);
    grilla_->seleccionarFila(-1);
}

void TFTabla::reabrir()
{
    const QString sql = d_.qmyTabla.sql();
    const QVariantList valores = d_.qmyTabla.valores();
    d_.qmyTabla.cerrar();
    d_.AbrirConsulta(d_.qmyTabla, sql, valores);
    grilla_->seleccionarFila(-1);
}

bool TFTabla::avisarSiNoExiste(int filas)
{
    if (filas > 0)
        return false;
    prompts_.mensaje(kTituloAtencion, TablasMaestras::kRegistroInexistente, Prompts::Icono::Informacion);
    reabrir();
    return true;
}

void TFTabla::butEliminarClick()
{
    if (filaActual() < 0)
        return;
    const QVariant id = valorActual(campoClave());
    if (!prompts_.pregunta(kTituloAtencion, TablasMaestras::kPreguntaEliminar, Prompts::Icono::Advertencia))
        return;
    if (avisarSiNoExiste(TablasMaestras::eliminar(d_, descriptor, id)))
        return;
    reabrir();
}
