#include "app/UMain.h"
#include "data/Estado.h"
#include "data/datamodule.h"
#include "masterdata/AdministrarTablas.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"
#include "system/CopiaSeguridad.h"
#include "system/USistema.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TstSistema : public QObject {
    Q_OBJECT

    std::unique_ptr<EntornoPrueba> e;
    std::unique_ptr<PromptsGuion> prompts;
    std::unique_ptr<TFMain> principal;

    QStringList titularesDelPrincipal() const
    {
        QStringList lista;
        for (int i = 0; i < principal->cmbTitulares->count(); ++i)
            lista << principal->cmbTitulares->itemText(i);
        return lista;
    }

private slots:
    void init()
    {
        e = std::make_unique<EntornoPrueba>();
        prompts = std::make_unique<PromptsGuion>();
        e->agregarTitular(QStringLiteral("Acopio \"El Trébol\"; S.A."));
        principal = std::make_unique<TFMain>(e->d(), *prompts);
        QVERIFY(principal->FormShow());
        prompts->registros.clear();
    }
    void cleanup()
    {
        principal.reset();
        e.reset();
    }

    void disposicion_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QRect>("lugar");
        QTest::addColumn<bool>("visible");
        QTest::newRow("butRegistrar") << "butRegistrar" << "Registrar nuevo Titular" << QRect(24, 8, 169, 25) << true;
        QTest::newRow("Button1") << "Button1" << "Administrar titulares" << QRect(224, 8, 169, 25) << true;
        QTest::newRow("Button5") << "Button5" << "Administrar tabla" << QRect(224, 62, 169, 25) << true;
        QTest::newRow("botUSUARIOS") << "botUSUARIOS" << "Administrar usuarios" << QRect(224, 126, 169, 25) << false;
        QTest::newRow("butServidor") << "butServidor" << "Seleccionar servidor" << QRect(24, 171, 169, 25) << false;
        QTest::newRow("butGuardar") << "butGuardar" << "Guardar copia de seguridad" << QRect(24, 173, 169, 25) << true;
        QTest::newRow("butRecuperar") << "butRecuperar" << "Recuperar copia de seguridad" << QRect(224, 173, 169, 25)
                                      << true;
        QTest::newRow("butAcerca") << "butAcerca" << "Acerca de Tolva" << QRect(24, 210, 169, 25) << true;
        QTest::newRow("Button4") << "Button4" << "Salir" << QRect(224, 210, 169, 25) << true;
    }
    void disposicion()
    {
        QFETCH(QString, control);
        QFETCH(QString, texto);
        QFETCH(QRect, lugar);
        QFETCH(bool, visible);
        TFSistema sistema(*principal);
        sistema.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sistema));
        const QHash<QString, QPushButton*> botones{
            {"butRegistrar", sistema.butRegistrar}, {"Button1", sistema.Button1},   {"Button5", sistema.Button5},
            {"botUSUARIOS", sistema.botUSUARIOS},   {"butServidor", sistema.butServidor},
            {"butGuardar", sistema.butGuardar},     {"butRecuperar", sistema.butRecuperar},
            {"butAcerca", sistema.butAcerca},       {"Button4", sistema.Button4}};
        QPushButton* boton = botones.value(control);
        QVERIFY(boton);
        QCOMPARE(boton->text(), texto);
        QCOMPARE(boton->geometry(), lugar);
        QCOMPARE(boton->isVisible(), visible);
        QCOMPARE(sistema.windowTitle(), QStringLiteral("Sistema"));
        QCOMPARE(sistema.size(), QSize(416, 261));
        QCOMPARE(sistema.grpTablas->title(), QStringLiteral(" Tablas "));
        QCOMPARE(sistema.grpCalidad->title(), QStringLiteral("Calidad de impresión"));
        QVERIFY(!sistema.AbMeter2->isVisible());
    }

    // The table list holds the fourteen tables and starts on the first one every time.
    void listaDeTablas()
    {
        for (int vez = 0; vez < 2; ++vez) {
            TFSistema sistema(*principal);
            QCOMPARE(sistema.cmbTablas->count(), 14);
            QCOMPARE(sistema.cmbTablas->currentIndex(), 0);
            QCOMPARE(sistema.cmbTablas->currentText(), QStringLiteral("Intermediarios"));
            QCOMPARE(sistema.cmbTablas->itemText(13), QStringLiteral("Localidades"));
            QCOMPARE(sistema.cmbTablas->maxVisibleItems(), 14);
            for (int i = 0; i < 14; ++i)
                QCOMPARE(sistema.cmbTablas->itemText(i), descriptoresTablas().at(i).titulo);
            sistema.cmbTablas->setCurrentIndex(5);
        }
    }

    // The print quality shows what was stored last and stores every change.
    void calidadDeImpresion()
    {
        Estado::escribir(e->d(), {{QStringLiteral("EstadoDPI"), 1}});
        {
            TFSistema sistema(*principal);
            sistema.FormShow();
            QCOMPARE(sistema.cmbDPI->count(), 2);
            QCOMPARE(sistema.cmbDPI->itemText(0), QStringLiteral("300 dpi"));
            QCOMPARE(sistema.cmbDPI->itemText(1), QStringLiteral("600 dpi"));
            QCOMPARE(sistema.cmbDPI->currentIndex(), 1);
            QCOMPARE(Estado::leer(e->d()).dpi, 1);   // opening the window writes nothing
            sistema.cmbDPI->setCurrentIndex(0);
            QCOMPARE(Estado::leer(e->d()).dpi, 0);
        }
        TFSistema otra(*principal);
        otra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&otra));
        QCOMPARE(otra.cmbDPI->currentIndex(), 0);
    }

    void acercaDe()
    {
        TFSistema sistema(*principal);
        sistema.butAcercaClick();
        QCOMPARE(prompts->registros.size(), 1);
        QCOMPARE(prompts->registros.at(0).titulo, QStringLiteral("Acerca de Tolva"));
        QCOMPARE(prompts->registros.at(0).texto,
                 QStringLiteral("Tolva 3 - Administrador de Cartas de Porte\nVersión 3.2.0"));
        QCOMPARE(prompts->registros.at(0).icono, Prompts::Icono::Informacion);
    }

    void salir()
    {
        TFSistema sistema(*principal);
        sistema.show();
        QTest::mouseClick(sistema.Button4, Qt::LeftButton);
        QVERIFY(!sistema.isVisible());
        QCOMPARE(sistema.result(), int(QDialog::Rejected));
    }

    // The main window opens the system window modally, with the about caption set.
    void abiertaDesdeElPrincipal()
    {
        QVERIFY(principal->butSistema->isEnabled());
        QString titulo;
        QString acerca;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            auto* sistema = qobject_cast<TFSistema*>(QApplication::activeModalWidget());
            if (!sistema)
                return;
            titulo = sistema->windowTitle();
            acerca = sistema->butAcerca->text();
            modal = sistema->isModal();
            sistema->Button4->click();
        });
        principal->butSistemaClick(Qt::NoModifier);
        QCOMPARE(titulo, QStringLiteral("Sistema"));
        QCOMPARE(acerca, QStringLiteral("Acerca de Tolva"));
        QVERIFY(modal);
    }

    // Backup and restore from the window: the main window is reconnected and its lists
    // reloaded; the busy sign is hidden at the end.
    void copiaDesdeLaVentana()
    {
        QTemporaryDir afuera;
        const QString ruta = afuera.filePath(QStringLiteral("copia.tolva"));
        TFSistema sistema(*principal);
        sistema.show();
        prompts->archivosGuardar << ruta;
        sistema.butGuardarClick();
        QCOMPARE(prompts->textos(), QStringList{kCopiaFinalizada});
        QVERIFY(QFileInfo::exists(ruta));
        QVERIFY(!sistema.AbMeter2->isVisible());
        QVERIFY(e->d().conectado());

        e->agregarTitular(QStringLiteral("Agregado después"));
        principal->ActualizaTitulares();
        QVERIFY(titularesDelPrincipal().contains(QStringLiteral("Agregado después")));

        prompts->registros.clear();
        prompts->respuestas = {true, true};
        prompts->archivosAbrir = {{ruta}};
        sistema.butRecuperarClick();
        QCOMPARE(prompts->ultimoTexto(), kCopiaRecuperada);
        QVERIFY(e->d().conectado());
        QCOMPARE(titularesDelPrincipal(), (QStringList{"Todos", "Acopio \"El Trébol\"; S.A."}));
        QVERIFY(!sistema.AbMeter2->isVisible());
        QVERIFY(sistema.isVisible());
    }
};

QTEST_MAIN(TstSistema)
#include "tst_sistema.moc"
