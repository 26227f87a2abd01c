#include "system/UUsuarios.h"

#include "data/Grilla.h"
#include "data/Prompts.h"
#include "data/datamodule.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

const QString kMensajeClavesDistintas = QStringLiteral("Las contraseñas no coinciden. Por favor, intente de nuevo");
const QString kMensajeDatosRequeridos = QStringLiteral("Por favor, complete todos los datos requeridos");
const QString kMensajeUsuarioExiste = QStringLiteral("El usuario ya existe.");
const QString kMensajeNombreExiste = QStringLiteral("Ya exite un usuario con ese nombre y apellido.");
const QString kMensajeUsuarioNoExiste = QStringLiteral("El usuario seleccionado ya no existe.");
const QString kPreguntaAltaUsuario = QStringLiteral("¿Confirma el alta del registro?");
const QString kPreguntaModificacionUsuario = QStringLiteral("¿Confirma la modificación del registro?");
const QString kPreguntaBajaUsuario = QStringLiteral("¿Confirma la baja del registro?");

namespace {

const QString kAtencion = QStringLiteral("Atención");

// The users query has four lines; the third one selects the rows and is the one that
// "Alta" replaces for a moment.
const QString kCondicionLista = QStringLiteral("WHERE UsuarioLogin <> ''");
const QString kCondicionNombre = QStringLiteral("WHERE UsuarioApellido = ? AND UsuarioNombre = ?");

QString sqlUsuarios(const QString& condicion)
{
    return QStringLiteral("SELECT UsuarioID, UsuarioNombre AS Nombre, UsuarioApellido AS Apellido,"
                          " UsuarioLogin AS Usuario, UsuarioClave AS Clave\n"
                          "FROM Usuarios\n")
        + condicion + QStringLiteral("\nORDER BY UsuarioApellido");
}

void mensaje(Prompts& prompts, const QString& texto)
{
    prompts.mensaje(kAtencion, texto, Prompts::Icono::Informacion);
}

bool pregunta(Prompts& prompts, const QString& texto)
{
    return prompts.pregunta(kAtencion, texto, Prompts::Icono::Informacion);
}

// The checks that "Alta" and "Modificación" share, in their order.
Usuarios::Resultado verificar(Prompts& prompts, const DatosUsuario& datos)
{
    if (datos.clave != datos.claveRepetida) {
        mensaje(prompts, kMensajeClavesDistintas);
        return Usuarios::Resultado::ClavesDistintas;
    }
    for (const QString* valor : {&datos.clave, &datos.apellido, &datos.nombre, &datos.usuario}) {
        if (valor->isEmpty()) {
            mensaje(prompts, kMensajeDatosRequeridos);
            return Usuarios::Resultado::Incompletos;
        }
    }
    return Usuarios::Resultado::Hecho;
}

} // namespace

namespace Usuarios {

void abrir(Td& d)
{
    d.AbrirConsulta(d.qmyUSUARIOS, sqlUsuarios(kCondicionLista));
}

Resultado alta(Td& d, Prompts& prompts, const DatosUsuario& datos)
{
    if (const Resultado r = verificar(prompts, datos); r != Resultado::Hecho)
        return r;
    // User names compare as the database compares names: without regard to case.
    if (d.valorUnico(QStringLiteral("SELECT COUNT(*) FROM Usuarios WHERE UsuarioLogin = ?"), {datos.usuario}).toInt()
        > 0) {
        mensaje(prompts, kMensajeUsuarioExiste);
        return Resultado::UsuarioExiste;
    }
    d.AbrirConsulta(d.qmyUSUARIOS, sqlUsuarios(kCondicionNombre), {datos.apellido, datos.nombre});
    const bool repetido = d.qmyUSUARIOS.filas() > 0;
    if (repetido)
        mensaje(prompts, kMensajeNombreExiste);   // the grid lists the matching rows meanwhile
    abrir(d);
    if (repetido)
        return Resultado::NombreExiste;
    if (!pregunta(prompts, kPreguntaAltaUsuario))
        return Resultado::Cancelado;
    d.EjecutarSQL(d.qmyAUX,
                  QStringLiteral("INSERT INTO Usuarios (UsuarioNombre, UsuarioApellido, UsuarioLogin, UsuarioClave)"
                                 " VALUES (?, ?, ?, ?)"),
                  {datos.nombre, datos.apellido, datos.usuario, datos.clave});
    d.Refrescar(d.qmyUSUARIOS);
    return Resultado::Hecho;
}

Resultado modificar(Td& d, Prompts& prompts, qint64 usuarioID, const DatosUsuario& datos)
{
    if (const Resultado r = verificar(prompts, datos); r != Resultado::Hecho)
        return r;
    if (!pregunta(prompts, kPreguntaModificacionUsuario))
        return Resultado::Cancelado;
    const int cambiadas = d.EjecutarSQL(
        d.qmyAUX,
        QStringLiteral("UPDATE Usuarios SET UsuarioNombre = ?, UsuarioApellido = ?, UsuarioLogin = ?, UsuarioClave = ?"
                       " WHERE UsuarioID = ?"),
        {datos.nombre, datos.apellido, datos.usuario, datos.clave, usuarioID});
    d.Refrescar(d.qmyUSUARIOS);
    if (cambiadas == 0) {
        mensaje(prompts, kMensajeUsuarioNoExiste);
        return Resultado::NoExiste;
    }
    return Resultado::Hecho;
}

Resultado baja(Td& d, Prompts& prompts, qint64 usuarioID)
{
    if (!pregunta(prompts, kPreguntaBajaUsuario))
        return Resultado::Cancelado;
    const int borradas =
        d.EjecutarSQL(d.qmyAUX, QStringLiteral("DELETE FROM Usuarios WHERE UsuarioID = ?"), {usuarioID});
    d.Refrescar(d.qmyUSUARIOS);
    if (borradas == 0) {
        mensaje(prompts, kMensajeUsuarioNoExiste);
        return Resultado::NoExiste;
    }
    return Resultado::Hecho;
}

} // namespace Usuarios

TFUsuarios::TFUsuarios(Td& d, Prompts& prompts, QWidget* padre)
    : QDialog(padre), d_(d), prompts_(prompts)
{
    setWindowTitle(QStringLiteral("Administración de usuarios"));
    setFixedSize(695, 346);

    // Each label ends just left of its edit and starts right of whatever is to its left
    // (the window's edge or the first column of edits), so it never covers an edit.
    auto etiqueta = [this](const QString& texto, QLineEdit* edit, int izquierda) {
        auto* label = new QLabel(texto, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const QRect lugar = edit->geometry();
        label->setGeometry(izquierda, lugar.y(), lugar.x() - 4 - izquierda, lugar.height());
        label->setBuddy(edit);
    };
    auto edit = [this](int x, int y, int ancho) {
        auto* e = new QLineEdit(this);
        e->setGeometry(x, y, ancho, 21);
        return e;
    };
    edtNOMBRE = edit(74, 8, 240);
    edtAPELLIDO = edit(74, 38, 240);
    edtUSUARIO = edit(74, 68, 240);
    edtPASS1 = edit(431, 8, 226);
    edtPASS2 = edit(431, 38, 226);
    // The passwords show "*" for each character, whatever the style's own mask is.
    for (QLineEdit* clave : {edtPASS1, edtPASS2}) {
        clave->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
        clave->setEchoMode(QLineEdit::Password);
    }
    etiqueta(QStringLiteral("Nombre :"), edtNOMBRE, 4);
    etiqueta(QStringLiteral("Apellido :"), edtAPELLIDO, 4);
    etiqueta(QStringLiteral("Usuario :"), edtUSUARIO, 4);
    const int columna2 = edtNOMBRE->geometry().right() + 5;
    etiqueta(QStringLiteral("Contraseña :"), edtPASS1, columna2);
    etiqueta(QStringLiteral("Repita contraseña :"), edtPASS2, columna2);

    auto boton = [this](const QString& texto, int x) {
        auto* b = new QPushButton(texto, this);
        b->setGeometry(x, 112, 150, 25);
        b->setAutoDefault(false);
        return b;
    };
    botALTA = boton(QStringLiteral("Alta"), 25);
    botBAJA = boton(QStringLiteral("Baja"), 267);
    botMODIF = boton(QStringLiteral("Modificación"), 507);

    gridUSUARIOS = new QTableView(this);
    gridUSUARIOS->setGeometry(8, 152, 679, 186);
    auto columna = [](const QString& campo, int ancho) {
        ColumnaGrilla c;
        c.campo = campo;
        c.titulo = campo;
        c.ancho = ancho;
        return c;
    };
    grilla_ = new Grilla(gridUSUARIOS, &d_.qmyUSUARIOS,
                         {columna(QStringLiteral("Nombre"), 140), columna(QStringLiteral("Apellido"), 140),
                          columna(QStringLiteral("Usuario"), 200)});

    setTabOrder(gridUSUARIOS, edtNOMBRE);
    setTabOrder(edtNOMBRE, edtAPELLIDO);
    setTabOrder(edtAPELLIDO, edtUSUARIO);
    setTabOrder(edtUSUARIO, edtPASS1);
    setTabOrder(edtPASS1, edtPASS2);
    setTabOrder(edtPASS2, botALTA);
    setTabOrder(botALTA, botBAJA);
    setTabOrder(botBAJA, botMODIF);

    // The window sees every key before its controls (Escape empties the edits).
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);

    connect(botALTA, &QPushButton::clicked, this, &TFUsuarios::botALTAClick);
    connect(botBAJA, &QPushButton::clicked, this, &TFUsuarios::botBAJAClick);
    connect(botMODIF, &QPushButton::clicked, this, &TFUsuarios::botMODIFClick);
    connect(gridUSUARIOS, &QTableView::clicked, this, &TFUsuarios::gridUSUARIOSCellClick);
    connect(gridUSUARIOS, &QTableView::doubleClicked, this, &TFUsuarios::gridUSUARIOSDblClick);
}

void TFUsuarios::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!mostrada_) {
        mostrada_ = true;
        FormShow();
    }
}

void TFUsuarios::FormShow()
{
    Usuarios::abrir(d_);
    borraCampos();
}

void TFUsuarios::borraCampos()
{
    for (QLineEdit* e : {edtNOMBRE, edtAPELLIDO, edtUSUARIO, edtPASS1, edtPASS2})
        e->clear();
    edtNOMBRE->setFocus();
    botALTA->setEnabled(true);
    botBAJA->setEnabled(false);
    botMODIF->setEnabled(false);
}

bool TFUsuarios::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        borraCampos();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFUsuarios::keyPressEvent(QKeyEvent* evento)
{
    // Escape returns to the empty state; it does not close the window.
    if (evento->key() == Qt::Key_Escape) {
        borraCampos();
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

DatosUsuario TFUsuarios::datos() const
{
    return {edtNOMBRE->text(), edtAPELLIDO->text(), edtUSUARIO->text(), edtPASS1->text(), edtPASS2->text()};
}

qint64 TFUsuarios::usuarioActual() const
{
    const int fila = grilla_->filaActual();
    if (fila < 0 || fila >= d_.qmyUSUARIOS.filas())
        return -1;
    return d_.qmyUSUARIOS.valor(fila, QStringLiteral("UsuarioID")).toLongLong();
}

void TFUsuarios::botALTAClick()
{
    using R = Usuarios::Resultado;
    switch (Usuarios::alta(d_, prompts_, datos())) {
    case R::Hecho:
        borraCampos();
        break;
    case R::UsuarioExiste:
        edtUSUARIO->setFocus();
        break;
    case R::NombreExiste:
        borraCampos();
        edtAPELLIDO->setFocus();
        break;
    default:
        break;   // the edits keep what was typed
    }
}

void TFUsuarios::botMODIFClick()
{
    const qint64 usuario = usuarioActual();
    if (usuario < 0)
        return;
    using R = Usuarios::Resultado;
    switch (Usuarios::modificar(d_, prompts_, usuario, datos())) {
    case R::ClavesDistintas:
        edtPASS1->clear();
        edtPASS2->clear();
        edtPASS1->setFocus();
        break;
    case R::Incompletos:
        break;
    default:
        borraCampos();
        break;
    }
}

void TFUsuarios::botBAJAClick()
{
    const qint64 usuario = usuarioActual();
    if (usuario < 0)
        return;
    const Usuarios::Resultado r = Usuarios::baja(d_, prompts_, usuario);
    if (r != Usuarios::Resultado::Cancelado)
        borraCampos();
}

void TFUsuarios::gridUSUARIOSCellClick()
{
    if (usuarioActual() >= 0)
        botBAJA->setEnabled(true);
}

void TFUsuarios::gridUSUARIOSDblClick()
{
    const int fila = grilla_->filaActual();
    if (fila < 0 || fila >= d_.qmyUSUARIOS.filas())
        return;
    botMODIF->setEnabled(true);
    botBAJA->setEnabled(true);
    botALTA->setEnabled(false);
    const Consulta& q = d_.qmyUSUARIOS;
    edtAPELLIDO->setText(q.valor(fila, QStringLiteral("Apellido")).toString());
    edtNOMBRE->setText(q.valor(fila, QStringLiteral("Nombre")).toString());
    edtUSUARIO->setText(q.valor(fila, QStringLiteral("Usuario")).toString());
    edtPASS1->setText(q.valor(fila, QStringLiteral("Clave")).toString());
    edtPASS2->setText(q.valor(fila, QStringLiteral("Clave")).toString());
}

void TFUsuarios::gridUSUARIOSTitleClick(int columna)
{
    grilla_->OrdenarGrilla(columna);
}
