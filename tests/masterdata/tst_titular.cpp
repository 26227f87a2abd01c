#include "masterdata/AltaTitular.h"
#include "masterdata/UNuevoTitular.h"
#include "masterdata/UTipoCP.h"
#include "data/Cuit.h"
#include "support/EntornoPrueba.h"
#include "support/PromptsGuion.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TstTitular : public QObject {
    Q_OBJECT
private slots:
    // The checks of "Aceptar", in their order: both texts, then the CUIT.
    void validar_data()
    {
        QTest::addColumn<QString>("razonSocial");
        QTest::addColumn<QString>("cuit");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("sin nombre") << "" << "30-71234567-1" << AltaTitular::kMensajeFaltanDatos << "Atención";
        QTest::newRow("nombre en blanco") << "   " << "30-71234567-1" << AltaTitular::kMensajeFaltanDatos << "Atención";
        QTest::newRow("sin CUIT") << "AGRO" << " " << AltaTitular::kMensajeFaltanDatos << "Atención";
        QTest::newRow("ambos vacíos y CUIT malo") << "" << "12" << AltaTitular::kMensajeFaltanDatos << "Atención";
        QTest::newRow("diez dígitos") << "AGRO" << "30-7123456-1" << Cuit::kMensajeLargo << "Error";
        QTest::newRow("verificador") << "AGRO" << "30-71234567-2" << Cuit::kMensajeVerificador << "Error";
        QTest::newRow("válido") << "AGRO" << "30-71234567-1" << "" << "";
        QTest::newRow("válido sin guiones") << "AGRO" << "20284567889" << "" << "";
    }
    void validar()
    {
        QFETCH(QString, razonSocial);
        QFETCH(QString, cuit);
        QFETCH(QString, mensaje);
        QFETCH(QString, titulo);
        PromptsGuion prompts;
        QCOMPARE(AltaTitular::validar(razonSocial, cuit, prompts), mensaje.isEmpty());
        if (mensaje.isEmpty()) {
            QVERIFY(prompts.registros.isEmpty());
        } else {
            QCOMPARE(prompts.registros.size(), 1);
            QCOMPARE(prompts.registros.at(0).texto, mensaje);
            QCOMPARE(prompts.registros.at(0).titulo, titulo);
        }
    }

    void guardar_formatoYDisenio_data()
    {
        QTest::addColumn<QString>("cuit");
        QTest::addColumn<bool>("doble");
        QTest::addColumn<QString>("cpdata");
        QTest::newRow("once dígitos, normal") << "30712345671" << false << "";
        QTest::newRow("formateado, doble altura") << " 30-71234567-1 " << true << "2";
    }
    void guardar_formatoYDisenio()
    {
        QFETCH(QString, cuit);
        QFETCH(bool, doble);
        QFETCH(QString, cpdata);
        EntornoPrueba e;
        const qint64 id = AltaTitular::guardar(e.d(), QStringLiteral("  O'Neill \"Agro\"; Ñandú  "), cuit, doble);
        e.d().AbrirConsulta(e.d().qmyAUX, QStringLiteral("SELECT * FROM Titulares WHERE TitularID = ?"), {id});
        QCOMPARE(e.d().qmyAUX.valor(0, QStringLiteral("TitularNombre")).toString(), QStringLiteral("O'Neill \"Agro\"; Ñandú"));
        QCOMPARE(e.d().qmyAUX.valor(0, QStringLiteral("TitularCUIT")).toString(), QStringLiteral("30-71234567-1"));
        QCOMPARE(e.d().qmyAUX.valor(0, QStringLiteral("CPdata")).toString(), cpdata);
        QVERIFY(e.d().qmyAUX.valor(0, QStringLiteral("TitularTelefono")).isNull());
    }

    void guardar_noRechazaUnCUITRepetido()
    {
        EntornoPrueba e;
        AltaTitular::guardar(e.d(), QStringLiteral("UNO"), QStringLiteral("30-71234567-1"), false);
        AltaTitular::guardar(e.d(), QStringLiteral("DOS"), QStringLiteral("30-71234567-1"), false);
        QCOMPARE(e.contar(QStringLiteral("Titulares"), QStringLiteral("TitularCUIT = ?"), {QStringLiteral("30-71234567-1")}), 2);
    }

    void dialogo_aceptarSoloConDatosValidos()
    {
        PromptsGuion prompts;
        TFNuevoTitular dialogo(prompts);
        dialogo.show();
        dialogo.edtRazonSocial->setText(QStringLiteral("AGRO"));
        QTest::keyClicks(dialogo.edtCUIT, QStringLiteral("30712345672"));
        QCOMPARE(dialogo.edtCUIT->text(), QStringLiteral("30-71234567-2"));
        dialogo.butAceptar->click();
        QVERIFY(dialogo.isVisible());
        QCOMPARE(prompts.textos(), QStringList{Cuit::kMensajeVerificador});
        dialogo.edtCUIT->setText(QStringLiteral("30-71234567-1"));
        dialogo.butAceptar->click();
        QVERIFY(!dialogo.isVisible());
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    }

    void tipoCP_textosYRespuestas()
    {
        PromptsGuion prompts;
        TFTipoCP si(prompts);
        QCOMPARE(si.windowTitle(), QStringLiteral("Tipo de Carta de Porte"));
        QCOMPARE(si.size(), QSize(700, 376));
        QCOMPARE(si.butNo->text(), QStringLiteral("No"));
        QCOMPARE(si.butSi->text(), QStringLiteral("Sí"));
        si.show();
        si.butSi->click();
        QVERIFY(si.dobleAltura());
        TFTipoCP no(prompts);
        no.show();
        no.butNo->click();
        QVERIFY(!no.dobleAltura());
        QVERIFY(!no.isVisible());
        QVERIFY(prompts.registros.isEmpty());
    }

    // The close box and Escape do not answer: the question stays with its message.
    void tipoCP_cerrarSinContestar()
    {
        PromptsGuion prompts;
        TFTipoCP tipo(prompts);
        tipo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tipo));
        QVERIFY(!tipo.close());
        QVERIFY(tipo.isVisible());
        QTest::keyClick(&tipo, Qt::Key_Escape);
        QVERIFY(tipo.isVisible());
        QCOMPARE(prompts.registros.size(), 2);
        QCOMPARE(prompts.registros.at(0).texto, QStringLiteral("Por favor conteste Sí o No"));
        QCOMPARE(prompts.registros.at(0).titulo, QStringLiteral("Atención"));
        QCOMPARE(prompts.registros.at(0).icono, Prompts::Icono::Informacion);
        tipo.butNo->click();
        QVERIFY(!tipo.isVisible());
    }
};

QTEST_MAIN(TstTitular)
#include "tst_titular.moc"
