#include "app/AplicacionTolva.h"
#include "app/ListaArchivos.h"
#include "app/UMain.h"
#include "data/Carpetas.h"
#include "data/Estado.h"
#include "data/Grilla.h"
#include "masterdata/UNuevoTitular.h"
#include "masterdata/UTipoCP.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// Two holders with batches whose counts cover every case of the list.
struct Lotes {
    qint64 agro = 0, perez = 0;
    qint64 agroViejo = 0;     // 3 blanks: 1 emitted, 1 annulled not emitted, 1 available
    qint64 agroUsado = 0;     // 2 blanks: emitted, emitted and annulled
    qint64 agroAnulado = 0;   // 2 blanks, both annulled, never emitted
    qint64 perezNuevo = 0;    // 2 blanks available
};

Lotes cargarLotes(EntornoPrueba& e)
{
    Lotes l;
    l.agro = e.agregarTitular(QStringLiteral("AGRO \"Ñandú\"; S.A."));
    l.perez = e.agregarTitular(QStringLiteral("PEREZ JUAN"), QStringLiteral("20-28456788-9"));
    l.perezNuevo = e.agregarArchivo(l.perez, QStringLiteral("perez.pdf"), QDate(2026, 3, 1));
    l.agroUsado = e.agregarArchivo(l.agro, QStringLiteral("usado.pdf"), QDate(2026, 2, 1));
    l.agroViejo = e.agregarArchivo(l.agro, QStringLiteral("viejo.pdf"), QDate(2026, 1, 1));
    l.agroAnulado = e.agregarArchivo(l.agro, QStringLiteral("anulado.pdf"), QDate(2026, 4, 1));
    e.agregarBlanco(l.agroViejo, QStringLiteral("553000000012"), true);
    e.agregarBlanco(l.agroViejo, QStringLiteral("553000000010"), false, 0);
    e.agregarBlanco(l.agroViejo, QStringLiteral("553000000011"));
    e.agregarBlanco(l.agroUsado, QStringLiteral("553000000020"), true);
    e.agregarBlanco(l.agroUsado, QStringLiteral("553000000021"), true, 2);
    e.agregarBlanco(l.agroAnulado, QStringLiteral("553000000030"), false, 1);
    e.agregarBlanco(l.agroAnulado, QStringLiteral("553000000031"), false, 0);
    e.agregarBlanco(l.perezNuevo, QStringLiteral("553000000040"));
    e.agregarBlanco(l.perezNuevo, QStringLiteral("553000000041"));
    return l;
}

} // namespace

class TstMain : public QObject {
    Q_OBJECT

    QStringList columna(TFMain& v, const QString& campo)
    {
        const Grilla* g = v.grillaArchivos();
        QStringList lista;
        const int col = [&] {
            for (int i = 0; i < g->modelo()->columnCount(); ++i)
                if (g->modelo()->columnas().at(i).campo == campo)
                    return i;
            return -1;
        }();
        for (int fila = 0; fila < g->proxy()->rowCount(); ++fila)
            lista << g->proxy()->index(fila, col).data().toString();
        return lista;
    }

    void elegir(QComboBox* combo, const QString& texto)
    {
        const int i = combo->findText(texto);
        QVERIFY2(i >= 0, qPrintable(texto));
        combo->setCurrentIndex(i);
    }

private slots:
    void ventana_titulosYColumnas()
    {
        EntornoPrueba e;
        cargarLotes(e);
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        QCOMPARE(v.windowTitle(), QStringLiteral("Tolva 3 - Administrador de Cartas de Porte 3.2.0"));
        QCOMPARE(v.lblTitulo->text(), QStringLiteral(" Archivos de Cartas de Porte"));
        QStringList titulos;
        QList<int> anchos;
        for (int i = 0; i < v.grillaArchivos()->modelo()->columnCount(); ++i) {
            titulos << v.grillaArchivos()->modelo()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
            anchos << v.dbgArchivos->columnWidth(i);
        }
        QCOMPARE(titulos, (QStringList{"Titular", "Archivo", "Fecha de importación", "Cantidad de CP", "Desde", "Hasta",
                                       "Vencimiento", "Emitidas", "No emitidas", "Emitidas", "Disponibles"}));
        QCOMPARE(anchos, (QList<int>{219, 200, 120, 84, 100, 100, 70, 84, 90, 90, 84}));
        QCOMPARE(v.grillaArchivos()->modelo()->headerData(8, Qt::Horizontal, ModeloGrilla::RolBanda).toString(),
                 QStringLiteral("Anuladas, Vencidas y Extraviadas"));
        QCOMPARE(v.cmbVer->count(), 3);
        QVERIFY(prompts.registros.isEmpty());
    }

    // With no settings row: the first holder is chosen, "Todos" for the view, and the
    // first rebuild writes the settings row.
    void inicio_sinEstadoEligeElPrimerTitularYGuarda()
    {
        EntornoPrueba e;
        const Lotes l = cargarLotes(e);
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        QStringList items;
        for (int i = 0; i < v.cmbTitulares->count(); ++i)
            items << v.cmbTitulares->itemText(i);
        QCOMPARE(items, (QStringList{"Todos", "AGRO \"Ñandú\"; S.A.", "PEREZ JUAN"}));
        QCOMPARE(v.cmbTitulares->currentText(), QStringLiteral("AGRO \"Ñandú\"; S.A."));
        QCOMPARE(v.cmbVer->currentText(), QStringLiteral("Todos"));
        QCOMPARE(v.TitularActual, l.agro);
        const Configuracion c = Estado::leer(e.d());
        QVERIFY(c.existe);
        QCOMPARE(c.titular, QStringLiteral("AGRO \"Ñandú\"; S.A."));
        QCOMPARE(c.ver, QStringLiteral("Todos"));
        QCOMPARE(e.contar(QStringLiteral("Estado")), 1);
    }

    void inicio_restauraFiltros_data()
    {
        QTest::addColumn<QString>("titular");
        QTest::addColumn<QString>("ver");
        QTest::addColumn<QString>("titularMostrado");
        QTest::addColumn<QString>("verMostrado");
        QTest::newRow("guardados") << "PEREZ JUAN" << "Sin CP disponibles" << "PEREZ JUAN" << "Sin CP disponibles";
        QTest::newRow("Todos") << "Todos" << "Con CP disponibles" << "Todos" << "Con CP disponibles";
        QTest::newRow("ver desconocido") << "PEREZ JUAN" << "Algunos" << "PEREZ JUAN" << "Todos";
        QTest::newRow("titular borrado") << "OTRO" << "Todos" << "AGRO \"Ñandú\"; S.A." << "Todos";
    }
    void inicio_restauraFiltros()
    {
        QFETCH(QString, titular);
        QFETCH(QString, ver);
        QFETCH(QString, titularMostrado);
        QFETCH(QString, verMostrado);
        EntornoPrueba e;
        cargarLotes(e);
        Estado::escribir(e.d(), {{QStringLiteral("EstadoTitular"), titular}, {QStringLiteral("EstadoVer"), ver}});
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        QCOMPARE(v.cmbTitulares->currentText(), titularMostrado);
        QCOMPARE(v.cmbVer->currentText(), verMostrado);
        QCOMPARE(Estado::leer(e.d()).ver, verMostrado);
    }

    void lista_contadoresDeCadaArchivo()
    {
        EntornoPrueba e;
        cargarLotes(e);
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        elegir(v.cmbTitulares, QStringLiteral("Todos"));
        QCOMPARE(columna(v, "ArchivoCPNombre"), (QStringList{"viejo.pdf", "usado.pdf", "anulado.pdf", "perez.pdf"}));
        QCOMPARE(columna(v, "ArchivoCPFecha"), (QStringList{"01/01/2026", "01/02/2026", "01/04/2026", "01/03/2026"}));
        QCOMPARE(columna(v, "CantidadCP"), (QStringList{"3", "2", "2", "2"}));
        QCOMPARE(columna(v, "Emitidas"), (QStringList{"1", "2", "0", "0"}));
        QCOMPARE(columna(v, "DisponiblesAnuladas"), (QStringList{"1", "0", "2", "0"}));
        QCOMPARE(columna(v, "EmitidasAnuladas"), (QStringList{"0", "1", "0", "0"}));
        QCOMPARE(columna(v, "Disponibles"), (QStringList{"1", "0", "0", "2"}));
        QCOMPARE(columna(v, "CBDesde"), (QStringList{"553000000010", "553000000020", "553000000030", "553000000040"}));
        QCOMPARE(columna(v, "CBHasta"), (QStringList{"553000000012", "553000000021", "553000000031", "553000000041"}));
        QCOMPARE(columna(v, "Vencimiento"), (QStringList(4, QStringLiteral("31/12/2012"))));
        // Blue text only for batches with available blanks.
        const auto color = [&](int fila) {
            return v.grillaArchivos()->modelo()->index(fila, 0).data(Qt::ForegroundRole).value<QColor>();
        };
        QCOMPARE(color(0), QColor(0, 0, 0xFF));
        QVERIFY(!color(1).isValid());
        QVERIFY(!color(2).isValid());
        QCOMPARE(color(3), QColor(0, 0, 0xFF));
        QCOMPARE(v.TitularActual, qint64(-1));
    }

    void lista_filtros_data()
    {
        QTest::addColumn<QString>("titular");
        QTest::addColumn<QString>("ver");
        QTest::addColumn<QStringList>("archivos");
        // Both "Todos": by holder name, then date; otherwise by date only.
        QTest::newRow("Todos/Todos") << "Todos" << "Todos" << QStringList{"viejo.pdf", "usado.pdf", "anulado.pdf", "perez.pdf"};
        QTest::newRow("Todos/Con") << "Todos" << "Con CP disponibles" << QStringList{"viejo.pdf", "perez.pdf"};
        QTest::newRow("Todos/Sin") << "Todos" << "Sin CP disponibles" << QStringList{"usado.pdf", "anulado.pdf"};
        QTest::newRow("Agro/Todos") << "AGRO \"Ñandú\"; S.A." << "Todos" << QStringList{"viejo.pdf", "usado.pdf", "anulado.pdf"};
        QTest::newRow("Agro/Con") << "AGRO \"Ñandú\"; S.A." << "Con CP disponibles" << QStringList{"viejo.pdf"};
        QTest::newRow("Agro/Sin") << "AGRO \"Ñandú\"; S.A." << "Sin CP disponibles" << QStringList{"usado.pdf", "anulado.pdf"};
        QTest::newRow("Perez/Sin") << "PEREZ JUAN" << "Sin CP disponibles" << QStringList{};
    }
    void lista_filtros()
    {
        QFETCH(QString, titular);
        QFETCH(QString, ver);
        QFETCH(QStringList, archivos);
        EntornoPrueba e;
        cargarLotes(e);
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        elegir(v.cmbTitulares, titular);
        elegir(v.cmbVer, ver);
        QCOMPARE(columna(v, "ArchivoCPNombre"), archivos);
        QCOMPARE(v.butEliminar->isEnabled(), !archivos.isEmpty());
        const Configuracion c = Estado::leer(e.d());
        QCOMPARE(c.titular, titular);
        QCOMPARE(c.ver, ver);
    }

    // Running the connect sequence again keeps the selected batch and says nothing.
    void conectar_otraVezConservaLaSeleccion()
    {
        EntornoPrueba e;
        const Lotes l = cargarLotes(e);
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        elegir(v.cmbTitulares, QStringLiteral("Todos"));
        v.grillaArchivos()->seleccionarPorValor(QStringLiteral("ArchivoCPID"), l.agroAnulado);
        QCOMPARE(v.archivoSeleccionado(), l.agroAnulado);
        QVERIFY(v.Conectar());
        QCOMPARE(v.archivoSeleccionado(), l.agroAnulado);
        e.d().desconectar();
        QVERIFY(v.Conectar());
        QCOMPARE(v.archivoSeleccionado(), l.agroAnulado);
        QVERIFY(prompts.registros.isEmpty());
    }

    void eliminar_borraElArchivoConTodoLoSuyo()
    {
        EntornoPrueba e;
        const Lotes l = cargarLotes(e);
        const qint64 blanco = e.d().valorUnico(QStringLiteral("SELECT MIN(CPxArchivoID) FROM CPxArchivo WHERE CPxArchivoArchivoCPID = ?"), {l.agroViejo}).toLongLong();
        e.agregarCarta(blanco, l.agro, QStringLiteral("553000000012"));
        const qint64 otroBlanco = e.d().valorUnico(QStringLiteral("SELECT MIN(CPxArchivoID) FROM CPxArchivo WHERE CPxArchivoArchivoCPID = ?"), {l.agroUsado}).toLongLong();
        e.agregarCarta(otroBlanco, l.agro, QStringLiteral("553000000020"));
        // Page files of an earlier version, and a name that would leave the work folder.
        e.d().ejecutar(QStringLiteral("UPDATE CPxArchivo SET CPxArchivoNombre1 = 'p1.pdf', CPxArchivoNombre4 = 'p4.pdf'"
                                      " WHERE CPxArchivoID = ?"), {blanco});
        e.d().ejecutar(QStringLiteral("UPDATE CPxArchivo SET CPxArchivoNombre2 = '../fuera.txt' WHERE CPxArchivoArchivoCPID = ?"),
                       {l.agroViejo});
        for (const QString& nombre : {e.carpetaTrabajo() + "p1.pdf", e.carpetaTrabajo() + "p4.pdf", e.carpetaTrabajo() + "otro.pdf",
                                      e.carpetaDatos() + "fuera.txt"}) {
            QFile f(nombre);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        v.grillaArchivos()->seleccionarPorValor(QStringLiteral("ArchivoCPID"), l.agroViejo);

        prompts.respuestas = {false};
        v.butEliminarClick();
        QCOMPARE(e.contar(QStringLiteral("ArchivosCP")), 4);

        prompts.respuestas = {true};
        v.butEliminarClick();
        QCOMPARE(prompts.registros.last().texto, kPreguntaEliminarArchivo);
        QCOMPARE(prompts.registros.last().titulo, QStringLiteral("Atención"));
        QCOMPARE(prompts.registros.last().icono, Prompts::Icono::Advertencia);
        QCOMPARE(e.contar(QStringLiteral("ArchivosCP"), QStringLiteral("ArchivoCPID = ?"), {l.agroViejo}), 0);
        QCOMPARE(e.contar(QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoArchivoCPID = ?"), {l.agroViejo}), 0);
        QCOMPARE(e.contar(QStringLiteral("CP"), QStringLiteral("CPArchivoID = ?"), {blanco}), 0);
        QCOMPARE(e.contar(QStringLiteral("CP")), 1);
        QCOMPARE(e.contar(QStringLiteral("CPxArchivo")), 6);
        QVERIFY(!QFile::exists(e.carpetaTrabajo() + "p1.pdf"));
        QVERIFY(!QFile::exists(e.carpetaTrabajo() + "p4.pdf"));
        QVERIFY(QFile::exists(e.carpetaTrabajo() + "otro.pdf"));
        QVERIFY(QFile::exists(e.carpetaDatos() + "fuera.txt"));
        QCOMPARE(columna(v, "ArchivoCPNombre"), (QStringList{"usado.pdf", "anulado.pdf"}));
    }

    void eliminar_elUltimoDeshabilitaLosBotones()
    {
        EntornoPrueba e;
        const qint64 t = e.agregarTitular(QStringLiteral("UNO"));
        e.agregarBlanco(e.agregarArchivo(t, QStringLiteral("solo.pdf")), QStringLiteral("1"));
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        QVERIFY(v.butEliminar->isEnabled());
        prompts.respuestas = {true};
        v.butEliminarClick();
        QCOMPARE(e.contar(QStringLiteral("ArchivosCP")), 0);
        QVERIFY(!v.butEliminar->isEnabled());
        QVERIFY(!v.butVer->isEnabled());
        v.butEliminarClick();  // nothing left: no question
        QCOMPARE(prompts.registros.size(), 1);
    }

    // A database failure in the middle of the delete leaves everything as it was; the
    // error display shows why, the cursor comes back and the program goes on.
    void eliminar_fallaEnElMedioNoBorraNada()
    {
        EntornoPrueba e;
        const Lotes l = cargarLotes(e);
        e.d().ejecutar(QStringLiteral("CREATE TRIGGER impedir BEFORE DELETE ON ArchivosCP"
                                      " BEGIN SELECT RAISE(ABORT, 'archivo protegido'); END"));
        PromptsGuion prompts;
        static_cast<AplicacionTolva*>(qApp)->setPrompts(&prompts);
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        v.grillaArchivos()->seleccionarPorValor(QStringLiteral("ArchivoCPID"), l.agroViejo);
        prompts.respuestas = {true};
        QTest::mouseClick(v.butEliminar, Qt::LeftButton);
        QCOMPARE(prompts.registros.size(), 2);
        QCOMPARE(prompts.registros.at(1).titulo, QStringLiteral("Error"));
        QVERIFY2(prompts.registros.at(1).texto.contains(QStringLiteral("archivo protegido")), qPrintable(prompts.registros.at(1).texto));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QCOMPARE(e.contar(QStringLiteral("ArchivosCP")), 4);
        QCOMPARE(e.contar(QStringLiteral("CPxArchivo")), 9);
        QCOMPARE(e.contar(QStringLiteral("CPxArchivo"), QStringLiteral("CPxArchivoArchivoCPID = ?"), {l.agroViejo}), 3);
        static_cast<AplicacionTolva*>(qApp)->setPrompts(nullptr);
    }

    void sistema_conControlAbreLasDosCarpetas()
    {
        EntornoPrueba e;
        cargarLotes(e);
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        v.butSistemaClick(Qt::ControlModifier);
        QCOMPARE(prompts.abiertos, (QStringList{Carpetas::carpetaPrograma(), e.carpetaDatos()}));
    }

    void servidor_guardaLanTxtSoloSiSeConfirma()
    {
        EntornoPrueba e;
        cargarLotes(e);
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QVERIFY(v.FormShow());
        prompts.carpetas = {QStringLiteral("/srv/tolva"), QStringLiteral("/srv/otra")};
        prompts.respuestas = {false, true};
        QCOMPARE(v.SeleccionarServidor(), QString());
        QVERIFY(!QFile::exists(e.carpetaDatos() + "lan.txt"));
        QCOMPARE(prompts.registros.at(0).texto, QStringLiteral("¿Confirma el cambio de conexión al servidor \r/srv/tolva?"));
        QCOMPARE(v.SeleccionarServidor(), QStringLiteral("/srv/otra"));
        QFile lan(e.carpetaDatos() + "lan.txt");
        QVERIFY(lan.open(QIODevice::ReadOnly));
        QCOMPARE(lan.readAll(), QByteArray("/srv/otra\r\n"));
        QCOMPARE(v.SeleccionarServidor(), QString());  // cancelled dialog: no question
        QCOMPARE(prompts.registros.size(), 2);
    }

    // First start: the new-holder step runs; cancelling it ends the program after a message.
    void primerInicio_cancelarTermina()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QTimer::singleShot(0, [] {
            auto* dialogo = qobject_cast<TFNuevoTitular*>(QApplication::activeModalWidget());
            QVERIFY(dialogo);
            dialogo->butCancelar->click();
        });
        QVERIFY(!v.FormShow());
        QCOMPARE(prompts.textos(), QStringList{kMensajeSinTitular});
        QCOMPARE(e.contar(QStringLiteral("Titulares")), 0);
    }

    void primerInicio_registraElTitularConSuFormato()
    {
        EntornoPrueba e;
        PromptsGuion prompts;
        TFMain v(e.d(), prompts);
        QTimer::singleShot(0, [&prompts] {
            auto* dialogo = qobject_cast<TFNuevoTitular*>(QApplication::activeModalWidget());
            QVERIFY(dialogo);
            dialogo->edtRazonSocial->setText(QStringLiteral("  Cooperativa \"La Unión\"; Ltda.  "));
            dialogo->butAceptar->click();  // no CUIT yet: stays open
            QVERIFY(dialogo->isVisible());
            QTest::keyClicks(dialogo->edtCUIT, QStringLiteral("30712345671"));
            QTimer::singleShot(0, [] {
                auto* tipo = qobject_cast<TFTipoCP*>(QApplication::activeModalWidget());
                QVERIFY(tipo);
                tipo->butSi->click();
            });
            dialogo->butAceptar->click();
        });
        QVERIFY(v.FormShow());
        QCOMPARE(prompts.textos(), QStringList{QStringLiteral("Por favor, ingrese Razón Social y CUIT para continuar")});
        e.d().AbrirConsulta(e.d().qmyAUX, QStringLiteral("SELECT TitularNombre, TitularCUIT, CPdata FROM Titulares"));
        QCOMPARE(e.d().qmyAUX.filas(), 1);
        QCOMPARE(e.d().qmyAUX.valor(0, 0).toString(), QStringLiteral("Cooperativa \"La Unión\"; Ltda."));
        QCOMPARE(e.d().qmyAUX.valor(0, 1).toString(), QStringLiteral("30-71234567-1"));
        QCOMPARE(e.d().qmyAUX.valor(0, 2).toString(), QStringLiteral("2"));
        QCOMPARE(v.cmbTitulares->currentText(), QStringLiteral("Cooperativa \"La Unión\"; Ltda."));
    }
};

int main(int argc, char** argv)
{
    AplicacionTolva app(argc, argv);
    TstMain prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "tst_main.moc"
