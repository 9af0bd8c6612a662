#include "Windows1252.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Conversion between text and the Windows-1252 code page.
class TstWindows1252 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void byteYCaracter_data();
    void byteYCaracter();
    void fueraDeLaTabla_data();
    void fueraDeLaTabla();
    void todosLosBytesVanYVuelven();
};

void TstWindows1252::byteYCaracter_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("caracter");

    QTest::newRow("nulo") << 0x00 << 0x0000;
    QTest::newRow("CR") << 0x0D << 0x000D;
    QTest::newRow("último ASCII") << 0x7F << 0x007F;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("comilla baja") << 0x82 << 0x201A;
    QTest::newRow("Š") << 0x8A << 0x0160;
    QTest::newRow("Ž") << 0x8E << 0x017D;
    QTest::newRow("comilla doble izquierda") << 0x93 << 0x201C;
    QTest::newRow("comilla doble derecha") << 0x94 << 0x201D;
    QTest::newRow("raya") << 0x97 << 0x2014;
    QTest::newRow("marca registrada") << 0x99 << 0x2122;
    QTest::newRow("Ÿ") << 0x9F << 0x0178;
    QTest::newRow("sin definir 81") << 0x81 << 0x0081;
    QTest::newRow("sin definir 8D") << 0x8D << 0x008D;
    QTest::newRow("sin definir 8F") << 0x8F << 0x008F;
    QTest::newRow("sin definir 90") << 0x90 << 0x0090;
    QTest::newRow("sin definir 9D") << 0x9D << 0x009D;
    QTest::newRow("espacio duro") << 0xA0 << 0x00A0;
    QTest::newRow("ñ") << 0xF1 << 0x00F1;
    QTest::newRow("ÿ") << 0xFF << 0x00FF;
}

void TstWindows1252::byteYCaracter()
{
    QFETCH(int, byte);
    QFETCH(int, caracter);

    const QByteArray bytes(1, static_cast<char>(byte));
    const QString texto(QChar(static_cast<char16_t>(caracter)));
    QCOMPARE(desdeWindows1252(bytes), texto);
    QCOMPARE(aWindows1252(texto), bytes);
}

void TstWindows1252::fueraDeLaTabla_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QByteArray>("esperado");

    QTest::newRow("vacío") << QString() << QByteArray();
    QTest::newRow("ideograma") << u"a日b"_s << QByteArray("a?b");
    QTest::newRow("control C1 que la tabla ocupa") << u"\u0080"_s << QByteArray("?");
    QTest::newRow("latín ampliado") << u"Ā"_s << QByteArray("?");
    QTest::newRow("fuera del plano básico, uno solo") << u"x😀y"_s << QByteArray("x?y");
    QTest::newRow("sustituto suelto") << QString(QChar(0xD800)) + u'z' << QByteArray("?z");
    QTest::newRow("mezcla") << u"€ 1–2 “sí”"_s
                            << QByteArray("\x80 1\x96"
                                          "2 \x93s\xED\x94");
}

void TstWindows1252::fueraDeLaTabla()
{
    QFETCH(QString, texto);
    QFETCH(QByteArray, esperado);
    QCOMPARE(aWindows1252(texto), esperado);
}

void TstWindows1252::todosLosBytesVanYVuelven()
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(static_cast<char>(b));
    const QString texto = desdeWindows1252(todos);
    QCOMPARE(texto.size(), 256);
    QCOMPARE(aWindows1252(texto), todos);
}

QTEST_GUILESS_MAIN(TstWindows1252)
#include "tst_windows1252.moc"
