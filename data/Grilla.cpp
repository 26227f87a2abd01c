#include "data/Grilla.h"

#include "data/Consulta.h"

#include <QApplication>
#include <QDate>
#include <QItemSelectionModel>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace {
const QColor kColorTitulos(0x80, 0x80, 0xFF);
const QColor kColorColumnaFija(0xE0, 0xE0, 0xE0);
const QColor kColorFilasImpares(0xF0, 0xFB, 0xFF);
constexpr int kAltoFila = 17;
constexpr int kAltoTitulo = 24;
constexpr int kAltoBanda = 18;
constexpr int kPuntosLetra = 8;

QString comoFecha(const QVariant& valor)
{
    if (valor.isNull())
        return {};
    QDate fecha = valor.toDate();
    if (!fecha.isValid())
        fecha = QDate::fromString(valor.toString().left(10), Qt::ISODate);
    return fecha.isValid() ? fecha.toString(QStringLiteral("dd/MM/yyyy")) : valor.toString();
}
} // namespace

ModeloGrilla::ModeloGrilla(Consulta* consulta, QVector<ColumnaGrilla> columnas, QObject* parent)
    : QAbstractTableModel(parent), consulta_(consulta), columnas_(std::move(columnas))
{
    recalcularIndices();
    connect(consulta_, &Consulta::antesDeCambiar, this, [this] { beginResetModel(); });
    connect(consulta_, &Consulta::cambiada, this, [this] {
        recalcularIndices();
        endResetModel();
    });
}

void ModeloGrilla::recalcularIndices()
{
    indices_.clear();
    for (const ColumnaGrilla& columna : columnas_)
        indices_ << consulta_->indiceCampo(columna.campo);
}

int ModeloGrilla::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : consulta_->filas();
}

int ModeloGrilla::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(columnas_.size());
}

bool ModeloGrilla::esCalculada(int columna) const
{
    return columna >= 0 && columna < indices_.size() && consulta_->esCalculado(indices_.at(columna));
}

QString ModeloGrilla::texto(int fila, int columna) const
{
    const QVariant valor = consulta_->valor(fila, indices_.value(columna, -1));
    if (columnas_.at(columna).formato == ColumnaGrilla::Formato::Fecha)
        return comoFecha(valor);
    return valor.toString();
}

QVariant ModeloGrilla::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid())
        return {};
    switch (rol) {
    case Qt::DisplayRole:
        return texto(indice.row(), indice.column());
    case RolOrden:
        return consulta_->valor(indice.row(), indices_.value(indice.column(), -1));
    case Qt::ForegroundRole:
        if (colorTexto_) {
            const QColor color = colorTexto_(indice.row());
            if (color.isValid())
                return color;
        }
        return {};
    default:
        return {};
    }
}

QVariant ModeloGrilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || seccion < 0 || seccion >= columnas_.size())
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    if (rol == Qt::DisplayRole)
        return columnas_.at(seccion).titulo;
    if (rol == RolBanda)
        return columnas_.at(seccion).banda;
    return {};
}

EncabezadoConBandas::EncabezadoConBandas(QWidget* padre)
    : QHeaderView(Qt::Horizontal, padre)
{
    setSectionsClickable(true);
    setHighlightSections(false);
}

bool EncabezadoConBandas::hayBandas() const
{
    if (!model())
        return false;
    for (int i = 0; i < count(); ++i)
        if (!model()->headerData(i, Qt::Horizontal, ModeloGrilla::RolBanda).toString().isEmpty())
            return true;
    return false;
}

QSize EncabezadoConBandas::sizeHint() const
{
    QSize tamano = QHeaderView::sizeHint();
    tamano.setHeight(kAltoTitulo + (hayBandas() ? kAltoBanda : 0));
    return tamano;
}

QRect EncabezadoConBandas::rectBanda(int seccion) const
{
    const QString banda = model()->headerData(seccion, Qt::Horizontal, ModeloGrilla::RolBanda).toString();
    int primera = seccion;
    int ultima = seccion;
    while (primera > 0 && model()->headerData(primera - 1, Qt::Horizontal, ModeloGrilla::RolBanda).toString() == banda)
        --primera;
    while (ultima + 1 < count() && model()->headerData(ultima + 1, Qt::Horizontal, ModeloGrilla::RolBanda).toString() == banda)
        ++ultima;
    const int izquierda = sectionViewportPosition(primera);
    const int derecha = sectionViewportPosition(ultima) + sectionSize(ultima);
    return QRect(izquierda, 0, derecha - izquierda, kAltoBanda);
}

void EncabezadoConBandas::paintSection(QPainter* pintor, const QRect& rect, int seccion) const
{
    if (!rect.isValid())
        return;
    pintor->save();
    pintor->setClipRect(rect);
    pintor->fillRect(rect, kColorTitulos);
    pintor->setPen(palette().color(QPalette::Dark));
    pintor->drawRect(rect.adjusted(0, 0, -1, -1));

    QRect areaTitulo = rect;
    if (hayBandas()) {
        const QString banda = model()->headerData(seccion, Qt::Horizontal, ModeloGrilla::RolBanda).toString();
        if (!banda.isEmpty()) {
            const QRect area = rectBanda(seccion);
            pintor->drawLine(rect.left(), kAltoBanda, rect.right(), kAltoBanda);
            pintor->setPen(Qt::black);
            pintor->drawText(area, Qt::AlignCenter | Qt::TextWordWrap, banda);
            areaTitulo.setTop(kAltoBanda);
        }
    }
    pintor->setPen(Qt::black);
    const QString titulo = model()->headerData(seccion, Qt::Horizontal, Qt::DisplayRole).toString();
    QRect areaTexto = areaTitulo.adjusted(3, 1, -3, -1);
    if (isSortIndicatorShown() && sortIndicatorSection() == seccion) {
        const int x = areaTitulo.right() - 10;
        const int y = areaTitulo.center().y();
        QPolygon flecha;
        if (sortIndicatorOrder() == Qt::AscendingOrder)
            flecha << QPoint(x, y + 3) << QPoint(x + 6, y + 3) << QPoint(x + 3, y - 3);
        else
            flecha << QPoint(x, y - 3) << QPoint(x + 6, y - 3) << QPoint(x + 3, y + 3);
        pintor->setBrush(Qt::black);
        pintor->drawPolygon(flecha);
        areaTexto.setRight(x - 2);
    }
    pintor->drawText(areaTexto, Qt::AlignCenter | Qt::TextWordWrap, titulo);
    pintor->restore();
}

Grilla::Grilla(QTableView* vista, Consulta* consulta, QVector<ColumnaGrilla> columnas)
    : QObject(vista), vista_(vista)
{
    modelo_ = new ModeloGrilla(consulta, std::move(columnas), this);
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(modelo_);
    proxy_->setSortRole(ModeloGrilla::RolOrden);
    proxy_->setSortCaseSensitivity(Qt::CaseInsensitive);
    proxy_->setSortLocaleAware(true);
    proxy_->setDynamicSortFilter(false);

    auto* encabezado = new EncabezadoConBandas(vista_);
    vista_->setHorizontalHeader(encabezado);
    vista_->setModel(proxy_);
    vista_->setSortingEnabled(false);
    vista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista_->setSelectionMode(QAbstractItemView::SingleSelection);
    vista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista_->setWordWrap(false);
    // The widths of the columns are given for the small type of the grids.
    QFont letra(QStringLiteral("Arial"), kPuntosLetra);
    vista_->setFont(letra);
    encabezado->setFont(letra);
    vista_->setAlternatingRowColors(true);

    QPalette paleta = vista_->palette();
    paleta.setColor(QPalette::AlternateBase, paleta.color(QPalette::Window));
    paleta.setColor(QPalette::Base, kColorFilasImpares);
    vista_->setPalette(paleta);

    vista_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vista_->verticalHeader()->setMinimumSectionSize(kAltoFila);
    vista_->verticalHeader()->setDefaultSectionSize(kAltoFila);
    vista_->verticalHeader()->setFixedWidth(12);
    vista_->verticalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; border: 1px solid #A0A0A0; color: transparent; }")
            .arg(kColorColumnaFija.name()));
    encabezado->setFixedHeight(encabezado->sizeHint().height());
    for (int i = 0; i < modelo_->columnCount(); ++i)
        vista_->setColumnWidth(i, modelo_->columnas().at(i).ancho);

    connect(encabezado, &QHeaderView::sectionClicked, this, [this](int columna) { OrdenarGrilla(columna); });
    // A rebuilt dataset drops the sort: the rows come back in the query's order.
    connect(modelo_, &QAbstractItemModel::modelReset, this, [this, encabezado] {
        proxy_->sort(-1);
        encabezado->setSortIndicatorShown(false);
    });
}

bool Grilla::OrdenarGrilla(int columna)
{
    if (modelo_->esCalculada(columna) || columna < 0 || columna >= modelo_->columnCount()) {
        QApplication::beep();
        return false;
    }
    const int actual = filaActual();
    QHeaderView* encabezado = vista_->horizontalHeader();
    const bool descendente = encabezado->isSortIndicatorShown() && encabezado->sortIndicatorSection() == columna
        && encabezado->sortIndicatorOrder() == Qt::DescendingOrder;
    const Qt::SortOrder orden = descendente ? Qt::AscendingOrder : Qt::DescendingOrder;
    encabezado->setSortIndicatorShown(true);
    encabezado->setSortIndicator(columna, orden);
    proxy_->sort(columna, orden);
    if (actual >= 0)
        seleccionarFila(actual);
    return true;
}

int Grilla::filaActual() const
{
    const QModelIndex actual = vista_->selectionModel() ? vista_->selectionModel()->currentIndex() : QModelIndex();
    if (!actual.isValid())
        return -1;
    return proxy_->mapToSource(actual).row();
}

void Grilla::seleccionarFila(int filaConsulta)
{
    if (modelo_->rowCount() == 0)
        return;
    if (filaConsulta < 0 || filaConsulta >= modelo_->rowCount())
        filaConsulta = proxy_->mapToSource(proxy_->index(0, 0)).row();
    const QModelIndex indice = proxy_->mapFromSource(modelo_->index(filaConsulta, 0));
    vista_->selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    vista_->scrollTo(indice);
}

void Grilla::seleccionarPorValor(const QString& campo, const QVariant& valor)
{
    Consulta* consulta = modelo_->consulta();
    const int columna = consulta->indiceCampo(campo);
    for (int i = 0; columna >= 0 && valor.isValid() && i < consulta->filas(); ++i) {
        if (consulta->valor(i, columna) == valor) {
            seleccionarFila(i);
            return;
        }
    }
    seleccionarFila(-1);
}
