#include "data/Cuit.h"
#include "data/datamodule.h"
#include "support/PromptsGuion.h"

#include <QLineEdit>
#include <QTest>

class TstCuit : public QObject {
    Q_OBJECT
private slots:
    void esCUIT_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::newRow("resto 5, dígito 6") << "20123456786" << true;
        QTest::newRow("resto 1, dígito 9") << "20000000019" << true;
        QTest::newRow("resto 0, dígito 0") << "20000000060" << true;
        QTest::newRow("dígito equivocado") << "20123456785" << false;
        QTest::newRow("titular A") << "30712345671" << true;
        QTest::newRow("titular B") << "20284567889" << true;
        QTest::newRow("con letras") << "2012345678A" << false;
        QTest::newRow("corto") << "2012345678" << false;
        QTest::newRow("sigue texto") << "20123456786 AGRO" << true;
    }
    void esCUIT()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QCOMPARE(Td::esCUIT(texto), valido);
    }

    void VerificaCUIT_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("con guiones") << "20-12345678-6" << "";
        QTest::newRow("sin guiones y blancos") << "  20123456786 " << "";
        QTest::newRow("resto 1 con 9") << "20-00000001-9" << "";
        QTest::newRow("resto 0 con 0") << "20-00000006-0" << "";
        QTest::newRow("dígito equivocado") << "20-12345678-5" << Cuit::kMensajeVerificador;
        QTest::newRow("resto 1 sin 9") << "20-00000001-0" << Cuit::kMensajeVerificador;
        QTest::newRow("resto 0 sin 0") << "20-00000006-1" << Cuit::kMensajeVerificador;
        QTest::newRow("diez dígitos") << "20-1234567-8" << Cuit::kMensajeLargo;
        QTest::newRow("doce dígitos") << "20-123456789-8" << Cuit::kMensajeLargo;
        QTest::newRow("letras") << "20-ABCDEFGH-6" << Cuit::kMensajeLargo;
        QTest::newRow("vacío") << "" << Cuit::kMensajeLargo;
    }
    void VerificaCUIT()
    {
        QFETCH(QString, texto);
        QFETCH(QString, mensaje);
        PromptsGuion prompts;
        QCOMPARE(Cuit::VerificaCUIT(texto, prompts), mensaje.isEmpty());
        if (mensaje.isEmpty()) {
            QVERIFY(prompts.registros.isEmpty());
        } else {
            QCOMPARE(prompts.registros.size(), 1);
            QCOMPARE(prompts.registros.at(0).texto, mensaje);
            QCOMPARE(prompts.registros.at(0).titulo, QStringLiteral("Error"));
            QCOMPARE(prompts.registros.at(0).icono, Prompts::Icono::Error);
        }
    }

    void formatear_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("once dígitos") << "30712345671" << "30-71234567-1";
        QTest::newRow("ya formateado") << " 30-71234567-1 " << "30-71234567-1";
        QTest::newRow("con blancos") << "30 71234567 1" << "30-71234567-1";
        QTest::newRow("diez dígitos queda") << "3071234567" << "3071234567";
    }
    void formatear()
    {
        QFETCH(QString, texto);
        QFETCH(QString, esperado);
        QCOMPARE(Cuit::formatear(texto), esperado);
    }

    // Typing the eleven digits one by one yields the 13-character form.
    void FormateaCUIT_alTipear()
    {
        QLineEdit edit;
        Cuit::conectarFormateaCUIT(&edit);
        QTest::keyClicks(&edit, QStringLiteral("20"));
        QCOMPARE(edit.text(), QStringLiteral("20-"));
        QCOMPARE(edit.cursorPosition(), 3);
        QTest::keyClicks(&edit, QStringLiteral("12345678"));
        QCOMPARE(edit.text(), QStringLiteral("20-12345678-"));
        QTest::keyClicks(&edit, QStringLiteral("6"));
        QCOMPARE(edit.text(), QStringLiteral("20-12345678-6"));
    }

    // Deleting back to 2 or 11 characters appends the hyphen again; other lengths stay.
    void FormateaCUIT_alBorrar()
    {
        QLineEdit edit;
        Cuit::conectarFormateaCUIT(&edit);
        edit.setText(QStringLiteral("20-1"));
        QTest::keyClick(&edit, Qt::Key_End);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("20-"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("20-"));
        edit.setText(QStringLiteral("20-123"));
        QCOMPARE(edit.text(), QStringLiteral("20-123"));
    }
};

QTEST_MAIN(TstCuit)
#include "tst_cuit.moc"
