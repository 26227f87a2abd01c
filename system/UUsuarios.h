#pragma once
#include <QDialog>
#include <QString>

class Grilla;
class Prompts;
class QLineEdit;
class QPushButton;
class QTableView;
class Td;

// What the users window works with: the five edits as typed.
struct DatosUsuario {
    QString nombre;
    QString apellido;
    QString usuario;
    QString clave;
    QString claveRepetida;
};

// The user accounts (table Usuarios), below the window: checks, questions and statements.
// Every value is stored exactly as typed.
namespace Usuarios {

enum class Resultado {
    Hecho,
    ClavesDistintas,     // the two passwords differ
    Incompletos,         // a required value is empty
    UsuarioExiste,       // "Alta": the user name is taken
    NombreExiste,        // "Alta": the first name and surname are taken
    Cancelado,           // the question was answered No
    NoExiste,            // the row was deleted meanwhile
};

// The users query of the window (qmyUSUARIOS): rows with a user name, by surname.
void abrir(Td& d);
Resultado alta(Td& d, Prompts& prompts, const DatosUsuario& datos);
Resultado modificar(Td& d, Prompts& prompts, qint64 usuarioID, const DatosUsuario& datos);
Resultado baja(Td& d, Prompts& prompts, qint64 usuarioID);

} // namespace Usuarios

// "Administración de usuarios".
class TFUsuarios : public QDialog {
    Q_OBJECT
public:
    TFUsuarios(Td& d, Prompts& prompts, QWidget* padre = nullptr);

    QLineEdit* edtNOMBRE;
    QLineEdit* edtAPELLIDO;
    QLineEdit* edtUSUARIO;
    QLineEdit* edtPASS1;
    QLineEdit* edtPASS2;
    QPushButton* botALTA;
    QPushButton* botBAJA;
    QPushButton* botMODIF;
    QTableView* gridUSUARIOS;

    void FormShow();
    void botALTAClick();
    void botBAJAClick();
    void botMODIFClick();
    void gridUSUARIOSCellClick();
    void gridUSUARIOSDblClick();
    void gridUSUARIOSTitleClick(int columna);
    // Back to the empty state: edits empty, focus in the first name, only "Alta" enabled.
    void borraCampos();

    Grilla* grilla() const { return grilla_; }
    // The UsuarioID of the grid's current row; -1 when there is none.
    qint64 usuarioActual() const;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    DatosUsuario datos() const;

    Td& d_;
    Prompts& prompts_;
    Grilla* grilla_;
    bool mostrada_ = false;
};

extern const QString kMensajeClavesDistintas;
extern const QString kMensajeDatosRequeridos;
extern const QString kMensajeUsuarioExiste;
extern const QString kMensajeNombreExiste;
extern const QString kMensajeUsuarioNoExiste;
extern const QString kPreguntaAltaUsuario;
extern const QString kPreguntaModificacionUsuario;
extern const QString kPreguntaBajaUsuario;
