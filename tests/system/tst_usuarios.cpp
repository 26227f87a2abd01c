#include "data/Grilla.h"
#include "data/datamodule.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"
#include "system/UUsuarios.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>

namespace {

struct Fila {
    QString nombre, apellido, usuario, clave;
};

} // namespace

class TstUsuarios : public QObject {
    Q_OBJECT

    std::unique_ptr<EntornoPrueba> e;
    std::unique_ptr<PromptsGuion> prompts;
    std::unique_ptr<TFUsuarios> ventana;

    qint64 agregar(const QString& nombre, const QString& apellido, const QString& usuario, const QString& clave)
    {
        return e->d().Insertar(QStringLiteral("Usuarios"), {{QStringLiteral("UsuarioNombre"), nombre},
                                                            {QStringLiteral("UsuarioApellido"), apellido},
                                                            {QStringLiteral("UsuarioLogin"), usuario},
                                                            {QStringLiteral("UsuarioClave"), clave}});
    }

    QVector<Fila> filas()
    {
        QVector<Fila> lista;
        Td& d = e->d();
        d.AbrirConsulta(d.qmyAUX, QStringLiteral("SELECT UsuarioNombre, UsuarioApellido, UsuarioLogin, UsuarioClave"
                                                 " FROM Usuarios ORDER BY UsuarioID"));
        for (int i = 0; i < d.qmyAUX.filas(); ++i)
            lista.push_back({d.qmyAUX.valor(i, 0).toString(), d.qmyAUX.valor(i, 1).toString(),
                             d.qmyAUX.valor(i, 2).toString(), d.qmyAUX.valor(i, 3).toString()});
        return lista;
    }

    void escribirEdits(const QString& nombre, const QString& apellido, const QString& usuario, const QString& clave1,
                       const QString& clave2)
    {
        ventana->edtNOMBRE->setText(nombre);
        ventana->edtAPELLIDO->setText(apellido);
        ventana->edtUSUARIO->setText(usuario);
        ventana->edtPASS1->setText(clave1);
        ventana->edtPASS2->setText(clave2);
    }

    QStringList edits() const
    {
        return {ventana->edtNOMBRE->text(), ventana->edtAPELLIDO->text(), ventana->edtUSUARIO->text(),
                ventana->edtPASS1->text(), ventana->edtPASS2->text()};
    }

    // Selects the grid row that shows the given user name.
    void seleccionar(const QString& usuario)
    {
        ventana->grilla()->seleccionarPorValor(QStringLiteral("Usuario"), usuario);
        QCOMPARE(e->d().qmyUSUARIOS.valor(ventana->grilla()->filaActual(), QStringLiteral("Usuario")).toString(),
                 usuario);
    }

    bool estadoVacio() const
    {
        return edits() == QStringList(5) && ventana->botALTA->isEnabled() && !ventana->botBAJA->isEnabled()
            && !ventana->botMODIF->isEnabled();
    }

private slots:
    void init()
    {
        e = std::make_unique<EntornoPrueba>();
        prompts = std::make_unique<PromptsGuion>();
        agregar(QStringLiteral("Juan"), QStringLiteral("Pérez"), QStringLiteral("jperez"), QStringLiteral("uno"));
        agregar(QStringLiteral("Ana"), QStringLiteral("Benítez"), QStringLiteral("aalvarez"), QStringLiteral("dos"));
        agregar(QStringLiteral("Oculto"), QStringLiteral("Sin Login"), QString(), QStringLiteral("x"));
        ventana = std::make_unique<TFUsuarios>(e->d(), *prompts);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
    }
    void cleanup()
    {
        ventana.reset();
        e.reset();
    }

    void ventanaAlAbrir()
    {
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Administración de usuarios"));
        QCOMPARE(ventana->size(), QSize(695, 346));
        QVERIFY(estadoVacio());
        QCOMPARE(ventana->edtPASS1->echoMode(), QLineEdit::Password);
        QCOMPARE(ventana->edtPASS2->echoMode(), QLineEdit::Password);
        for (QLineEdit* clave : {ventana->edtPASS1, ventana->edtPASS2}) {
            clave->setText(QStringLiteral("añ b"));
            QCOMPARE(clave->displayText(), QStringLiteral("****"));
            clave->clear();
        }
        // Rows without a user name are not listed; the order is by surname.
        const Consulta& q = e->d().qmyUSUARIOS;
        QCOMPARE(q.filas(), 2);
        QCOMPARE(q.valor(0, QStringLiteral("Apellido")).toString(), QStringLiteral("Benítez"));
        QCOMPARE(q.valor(1, QStringLiteral("Apellido")).toString(), QStringLiteral("Pérez"));
        QCOMPARE(ventana->gridUSUARIOS->model()->columnCount(), 3);
        QCOMPARE(ventana->gridUSUARIOS->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Usuario"));
        QCOMPARE(ventana->gridUSUARIOS->columnWidth(0), 140);
        QCOMPARE(ventana->gridUSUARIOS->columnWidth(1), 140);
    }

    // Every control where it belongs; each edit's label stands left of it, inside the
    // window, and covers no edit (a covered part of an edit would not take the mouse).
    void disposicion_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("texto");   // the label of an edit, the caption of a button
        QTest::addColumn<QRect>("lugar");
        QTest::newRow("edtNOMBRE") << "edtNOMBRE" << "Nombre :" << QRect(74, 8, 240, 21);
        QTest::newRow("edtAPELLIDO") << "edtAPELLIDO" << "Apellido :" << QRect(74, 38, 240, 21);
        QTest::newRow("edtUSUARIO") << "edtUSUARIO" << "Usuario :" << QRect(74, 68, 240, 21);
        QTest::newRow("edtPASS1") << "edtPASS1" << "Contraseña :" << QRect(431, 8, 226, 21);
        QTest::newRow("edtPASS2") << "edtPASS2" << "Repita contraseña :" << QRect(431, 38, 226, 21);
        QTest::newRow("botALTA") << "botALTA" << "Alta" << QRect(25, 112, 150, 25);
        QTest::newRow("botBAJA") << "botBAJA" << "Baja" << QRect(267, 112, 150, 25);
        QTest::newRow("botMODIF") << "botMODIF" << "Modificación" << QRect(507, 112, 150, 25);
        QTest::newRow("gridUSUARIOS") << "gridUSUARIOS" << "" << QRect(8, 152, 679, 186);
    }
    void disposicion()
    {
        QFETCH(QString, control);
        QFETCH(QString, texto);
        QFETCH(QRect, lugar);
        const QHash<QString, QWidget*> controles{
            {"edtNOMBRE", ventana->edtNOMBRE}, {"edtAPELLIDO", ventana->edtAPELLIDO}, {"edtUSUARIO", ventana->edtUSUARIO},
            {"edtPASS1", ventana->edtPASS1},   {"edtPASS2", ventana->edtPASS2},       {"botALTA", ventana->botALTA},
            {"botBAJA", ventana->botBAJA},     {"botMODIF", ventana->botMODIF},       {"gridUSUARIOS", ventana->gridUSUARIOS}};
        QWidget* widget = controles.value(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), lugar);
        if (auto* boton = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(boton->text(), texto);
            return;
        }
        if (texto.isEmpty())
            return;
        QLabel* etiqueta = nullptr;
        for (QLabel* l : ventana->findChildren<QLabel*>())
            if (l->text() == texto)
                etiqueta = l;
        QVERIFY2(etiqueta, qPrintable(texto));
        const QRect r = etiqueta->geometry();
        QVERIFY(ventana->rect().contains(r));
        QVERIFY(r.right() < lugar.left());
        QVERIFY(r.top() <= lugar.center().y() && lugar.center().y() <= r.bottom());
        for (QLineEdit* edit : ventana->findChildren<QLineEdit*>())
            QVERIFY2(!r.intersects(edit->geometry()), qPrintable(edit->objectName() + texto));
    }

    // "Alta": the checks in their order, each with its message, and what the edits keep.
    void alta_data()
    {
        QTest::addColumn<QStringList>("entrada");     // first name, surname, user name, password, repeated
        QTest::addColumn<QList<bool>>("respuestas");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<bool>("agregado");
        QTest::addColumn<bool>("vacia");              // the window back to its empty state

        const QString pregunta = kPreguntaAltaUsuario;
        QTest::newRow("contraseñas distintas antes que vacíos")
            << QStringList{"", "", "", "abc", "abd"} << QList<bool>{} << QStringList{kMensajeClavesDistintas} << false
            << false;
        QTest::newRow("falta la contraseña") << QStringList{"Luis", "Gómez", "lgomez", "", ""} << QList<bool>{}
                                             << QStringList{kMensajeDatosRequeridos} << false << false;
        QTest::newRow("falta el apellido") << QStringList{"Luis", "", "lgomez", "c", "c"} << QList<bool>{}
                                           << QStringList{kMensajeDatosRequeridos} << false << false;
        QTest::newRow("falta el nombre") << QStringList{"", "Gómez", "lgomez", "c", "c"} << QList<bool>{}
                                         << QStringList{kMensajeDatosRequeridos} << false << false;
        QTest::newRow("falta el usuario") << QStringList{"Luis", "Gómez", "", "c", "c"} << QList<bool>{}
                                          << QStringList{kMensajeDatosRequeridos} << false << false;
        QTest::newRow("usuario existente, otras mayúsculas")
            << QStringList{"Otro", "Nombre", "JPEREZ", "c", "c"} << QList<bool>{} << QStringList{kMensajeUsuarioExiste}
            << false << false;
        QTest::newRow("nombre y apellido existentes")
            << QStringList{"Juan", "Pérez", "juan2", "c", "c"} << QList<bool>{} << QStringList{kMensajeNombreExiste}
            << false << true;
        QTest::newRow("respuesta No") << QStringList{"Luis", "Gómez", "lgomez", "c", "c"} << QList<bool>{false}
                                      << QStringList{pregunta} << false << false;
        QTest::newRow("comillas, apóstrofos, punto y coma, blancos")
            << QStringList{" Luis \"Lucho\" ", "O'Gómez; DROP TABLE Usuarios", " lgómez ", "a'b\"c;d ", "a'b\"c;d "}
            << QList<bool>{true} << QStringList{pregunta} << true << true;
    }
    void alta()
    {
        QFETCH(QStringList, entrada);
        QFETCH(QList<bool>, respuestas);
        QFETCH(QStringList, textos);
        QFETCH(bool, agregado);
        QFETCH(bool, vacia);
        const QVector<Fila> antes = filas();
        escribirEdits(entrada[0], entrada[1], entrada[2], entrada[3], entrada[4]);
        prompts->respuestas = respuestas;
        ventana->botALTAClick();
        QCOMPARE(prompts->textos(), textos);
        for (const PromptsGuion::Registro& r : prompts->registros) {
            QCOMPARE(r.titulo, QStringLiteral("Atención"));
            QCOMPARE(r.icono, Prompts::Icono::Informacion);
        }
        QCOMPARE(prompts->sinRespuesta, 0);
        const QVector<Fila> despues = filas();
        QCOMPARE(despues.size(), antes.size() + (agregado ? 1 : 0));
        if (agregado) {
            const Fila& nueva = despues.last();
            QCOMPARE(nueva.nombre, entrada[0]);
            QCOMPARE(nueva.apellido, entrada[1]);
            QCOMPARE(nueva.usuario, entrada[2]);
            QCOMPARE(nueva.clave, entrada[3]);
            QCOMPARE(e->d().qmyUSUARIOS.filas(), 3);
        }
        QCOMPARE(estadoVacio(), vacia);
        if (!vacia)
            QCOMPARE(edits(), entrada);
        // The list is the usual one again after the name check.
        QCOMPARE(e->d().qmyUSUARIOS.filas(), agregado ? 3 : 2);
    }

    // "Modificación" acts on the current row at the moment it is pressed.
    void modificarFilaActual()
    {
        seleccionar(QStringLiteral("jperez"));
        ventana->gridUSUARIOSDblClick();
        QCOMPARE(edits(), (QStringList{"Juan", "Pérez", "jperez", "uno", "uno"}));
        QVERIFY(ventana->botMODIF->isEnabled() && ventana->botBAJA->isEnabled() && !ventana->botALTA->isEnabled());

        seleccionar(QStringLiteral("aalvarez"));
        ventana->gridUSUARIOSCellClick();
        ventana->edtUSUARIO->setText(QStringLiteral(" nuevo \"login\" "));
        prompts->respuestas = {true};
        ventana->botMODIFClick();
        QCOMPARE(prompts->textos(), QStringList{kPreguntaModificacionUsuario});
        const QVector<Fila> despues = filas();
        QCOMPARE(despues[0].usuario, QStringLiteral("jperez"));
        QCOMPARE(despues[1].nombre, QStringLiteral("Juan"));   // the second row took the edits
        QCOMPARE(despues[1].apellido, QStringLiteral("Pérez"));
        QCOMPARE(despues[1].usuario, QStringLiteral(" nuevo \"login\" "));
        QVERIFY(estadoVacio());
    }

    void modificarControles_data()
    {
        QTest::addColumn<QStringList>("entrada");
        QTest::addColumn<QList<bool>>("respuestas");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QStringList>("editsDespues");   // empty list: the empty state
        QTest::newRow("contraseñas distintas vacían las dos")
            << QStringList{"", "Pérez", "jperez", "a", "b"} << QList<bool>{} << QStringList{kMensajeClavesDistintas}
            << QStringList{"", "Pérez", "jperez", "", ""};
        QTest::newRow("falta el nombre") << QStringList{"", "Pérez", "jperez", "a", "a"} << QList<bool>{}
                                         << QStringList{kMensajeDatosRequeridos}
                                         << QStringList{"", "Pérez", "jperez", "a", "a"};
        QTest::newRow("respuesta No") << QStringList{"J", "Pérez", "jperez", "a", "a"} << QList<bool>{false}
                                      << QStringList{kPreguntaModificacionUsuario} << QStringList{};
    }
    void modificarControles()
    {
        QFETCH(QStringList, entrada);
        QFETCH(QList<bool>, respuestas);
        QFETCH(QStringList, textos);
        QFETCH(QStringList, editsDespues);
        seleccionar(QStringLiteral("jperez"));
        ventana->gridUSUARIOSDblClick();
        escribirEdits(entrada[0], entrada[1], entrada[2], entrada[3], entrada[4]);
        const QVector<Fila> antes = filas();
        prompts->respuestas = respuestas;
        ventana->botMODIFClick();
        QCOMPARE(prompts->textos(), textos);
        QCOMPARE(filas().size(), antes.size());
        QCOMPARE(filas()[0].clave, QStringLiteral("uno"));
        if (editsDespues.isEmpty())
            QVERIFY(estadoVacio());
        else
            QCOMPARE(edits(), editsDespues);
    }

    void baja()
    {
        seleccionar(QStringLiteral("aalvarez"));
        ventana->gridUSUARIOSCellClick();
        QVERIFY(ventana->botBAJA->isEnabled());
        prompts->respuestas = {false};
        ventana->botBAJAClick();
        QCOMPARE(filas().size(), 3);
        prompts->respuestas = {true};
        ventana->botBAJAClick();
        QCOMPARE(prompts->textos(), (QStringList{kPreguntaBajaUsuario, kPreguntaBajaUsuario}));
        QCOMPARE(filas().size(), 2);
        QCOMPARE(filas()[1].usuario, QString());   // the hidden row stays
        QCOMPARE(e->d().qmyUSUARIOS.filas(), 1);
        QVERIFY(estadoVacio());
    }

    // A row that another window deleted meanwhile: said clearly, nothing else changes.
    void filaBorradaMientras()
    {
        seleccionar(QStringLiteral("jperez"));
        ventana->gridUSUARIOSDblClick();
        e->d().ejecutar(QStringLiteral("DELETE FROM Usuarios WHERE UsuarioLogin = 'jperez'"));
        prompts->respuestas = {true};
        ventana->botMODIFClick();
        QCOMPARE(prompts->textos(), (QStringList{kPreguntaModificacionUsuario, kMensajeUsuarioNoExiste}));
        QCOMPARE(filas().size(), 2);
        QCOMPARE(e->d().qmyUSUARIOS.filas(), 1);

        prompts->registros.clear();
        seleccionar(QStringLiteral("aalvarez"));
        e->d().ejecutar(QStringLiteral("DELETE FROM Usuarios WHERE UsuarioLogin = 'aalvarez'"));
        ventana->gridUSUARIOSCellClick();
        prompts->respuestas = {true};
        ventana->botBAJAClick();
        QCOMPARE(prompts->textos(), (QStringList{kPreguntaBajaUsuario, kMensajeUsuarioNoExiste}));
        QCOMPARE(filas().size(), 1);
    }

    // Escape anywhere in the window returns to the empty state and does not close it.
    void escape()
    {
        seleccionar(QStringLiteral("jperez"));
        ventana->gridUSUARIOSDblClick();
        QVERIFY(!estadoVacio());
        QTest::keyClick(ventana->edtPASS2, Qt::Key_Escape);
        QVERIFY(estadoVacio());
        QVERIFY(ventana->isVisible());
        ventana->edtNOMBRE->setText(QStringLiteral("algo"));
        QTest::keyClick(ventana->gridUSUARIOS, Qt::Key_Escape);
        QVERIFY(estadoVacio());
        QVERIFY(ventana->isVisible());
    }
};

QTEST_MAIN(TstUsuarios)
#include "tst_usuarios.moc"
